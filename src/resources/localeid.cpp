// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "resources/localeid.h"

#include <QHash>

namespace Resources {
namespace {

struct Names {
    QHash<QString, quint32> languages; // primary language ids
    QHash<QString, quint32> locales; // language_COUNTRY → full id
};

const Names &names()
{
    static const Names table = [] {
        Names n;
        n.languages = {
            {u"en"_qs, 0x09}, {u"sv"_qs, 0x1D}, {u"fi"_qs, 0x0B}, {u"de"_qs, 0x07}, {u"fr"_qs, 0x0C},
            {u"es"_qs, 0x0A}, {u"ca"_qs, 0x03}, {u"ru"_qs, 0x19}, {u"it"_qs, 0x10}, {u"nl"_qs, 0x13},
            {u"pt"_qs, 0x16}, {u"da"_qs, 0x06}, {u"nb"_qs, 0x14}, {u"no"_qs, 0x14}, {u"pl"_qs, 0x15},
            {u"uk"_qs, 0x22}, {u"et"_qs, 0x25}, {u"ja"_qs, 0x11}, {u"zh"_qs, 0x04},
        };
        n.locales = {
            {u"en_US"_qs, 0x0409}, {u"en_GB"_qs, 0x0809}, {u"en_AU"_qs, 0x0C09}, {u"en_CA"_qs, 0x1009},
            {u"en_NZ"_qs, 0x1409}, {u"en_IE"_qs, 0x1809}, {u"en_ZA"_qs, 0x1C09}, {u"en_JM"_qs, 0x2009},
            {u"en_AG"_qs, 0x2409}, {u"en_BZ"_qs, 0x2809}, {u"en_TT"_qs, 0x2C09}, {u"en_ZW"_qs, 0x3009},
            {u"en_PH"_qs, 0x3409}, {u"sv_SE"_qs, 0x041D}, {u"sv_FI"_qs, 0x081D}, {u"fi_FI"_qs, 0x040B},
            {u"de_DE"_qs, 0x0407}, {u"de_CH"_qs, 0x0807}, {u"de_AT"_qs, 0x0C07}, {u"de_LU"_qs, 0x1007},
            {u"de_LI"_qs, 0x1407}, {u"fr_FR"_qs, 0x040C}, {u"fr_BE"_qs, 0x080C}, {u"fr_CA"_qs, 0x0C0C},
            {u"fr_CH"_qs, 0x100C}, {u"fr_LU"_qs, 0x140C}, {u"fr_MC"_qs, 0x180C}, {u"es_ES"_qs, 0x0C0A},
            {u"es_MX"_qs, 0x080A}, {u"es_GT"_qs, 0x100A}, {u"es_CR"_qs, 0x140A}, {u"es_PA"_qs, 0x180A},
            {u"es_DO"_qs, 0x1C0A}, {u"es_VE"_qs, 0x200A}, {u"es_CO"_qs, 0x240A}, {u"es_PE"_qs, 0x280A},
            {u"es_AR"_qs, 0x2C0A}, {u"es_EC"_qs, 0x300A}, {u"es_CL"_qs, 0x340A}, {u"es_UY"_qs, 0x380A},
            {u"es_PY"_qs, 0x3C0A}, {u"es_BO"_qs, 0x400A}, {u"es_SV"_qs, 0x440A}, {u"es_HN"_qs, 0x480A},
            {u"es_NI"_qs, 0x4C0A}, {u"es_PR"_qs, 0x500A}, {u"ca_ES"_qs, 0x0403}, {u"ru_RU"_qs, 0x0419},
            {u"it_IT"_qs, 0x0410},
        };
        return n;
    }();
    return table;
}

} // namespace

quint32 localeIdFromName(const QString &posixLocale)
{
    QString name = posixLocale;
    // Drop the code set and the modifier: "de_AT.UTF-8@euro" → "de_AT".
    for (const QChar cut : {u'.', u'@'}) {
        const qsizetype at = name.indexOf(cut);
        if (at >= 0)
            name.truncate(at);
    }
    const QString language = name.section(u'_', 0, 0).toLower();
    const QString country = name.section(u'_', 1, 1).toUpper();
    const Names &table = names();
    if (const auto full = table.locales.constFind(language + u'_' + country); full != table.locales.constEnd())
        return *full;
    if (const auto primary = table.languages.constFind(language); primary != table.languages.constEnd())
        return 0x0400 | *primary;
    return 0x0409;
}

quint32 localeIdFromEnvironment()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return localeIdFromName(value);
    }
    return 0x0409;
}

} // namespace Resources
