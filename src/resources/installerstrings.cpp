// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "resources/installerstrings.h"

#include <QFile>

// Q_INIT_RESOURCE declares a global function, so it must be called outside any namespace.
static void initInstallerResources()
{
    // The menu table may have registered the same resource file already.
    if (!QFile::exists(QStringLiteral(":/resources/installerstrings.txt")))
        Q_INIT_RESOURCE(resources);
}

namespace Resources {
namespace {

constexpr quint32 kEnglish = 0x0409;

} // namespace

const StringTable &InstallerStrings::table()
{
    static const StringTable parsed = [] {
        initInstallerResources();
        QFile file(QStringLiteral(":/resources/installerstrings.txt"));
        if (!file.open(QIODevice::ReadOnly))
            return StringTable();
        return StringTable::parse(QString::fromUtf8(file.readAll()));
    }();
    return parsed;
}

InstallerStrings InstallerStrings::forLocale(quint32 localeId, Choice choice)
{
    return InstallerStrings(table(), localeId, choice);
}

InstallerStrings::InstallerStrings(const StringTable &table, quint32 localeId, Choice choice)
{
    const quint32 effective =
        choice == Choice::ListedOnly && !table.localeIds().contains(localeId) ? kEnglish : localeId;
    m_chosen = table.forLocale(effective);
    m_english = table.forLocale(kEnglish);
    m_language = table.languageOf(effective);
}

std::optional<QString> InstallerStrings::text(int id) const
{
    if (auto chosen = m_chosen.string(id))
        return chosen;
    return m_english.string(id);
}

} // namespace Resources
