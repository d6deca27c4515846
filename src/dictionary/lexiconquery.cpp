// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "dictionary/lexiconquery.h"

#include "course/captiontable.h"
#include "course/dictionarytable.h"
#include "course/languages.h"

namespace Dictionary {

LanguageTexts languageTexts(int languageCode)
{
    const Course::CaptionTable &table = Course::CaptionTable::builtIn(QStringLiteral("dictionary"));
    const int language = Course::Language::isInterfaceLanguage(languageCode) ? languageCode : Course::Language::English;
    const auto text = [&](const char *key) { return table.textOrEnglish(language, QString::fromLatin1(key)); };
    return LanguageTexts{Course::DictionaryTable::searchColumn(language),
                         text("search"),
                         text("end"),
                         text("speak"),
                         text("noDictionary"),
                         text("matches"),
                         text("word"),
                         text("russian"),
                         text("spokenForm")};
}

QString searchQuery(const LanguageTexts &texts, const QString &typed)
{
    QString pattern = typed;
    pattern.replace(u'"', QStringLiteral("\"\""));
    return QStringLiteral("SELECT %1, Russian FROM Lang  where %1 Like\"").arg(texts.column) + pattern
        + QStringLiteral("*\"");
}

} // namespace Dictionary
