// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>

namespace Dictionary {

/// The fixed texts of the dictionary window for one interface language.
struct LanguageTexts {
    /// The column of table Lang that holds the learner's words and that the search reads.
    QString column;
    QString searchCaption;
    QString endCaption;
    QString speakCaption;
    /// Shown in place of the grid when Lexikon.mdb cannot be opened or read.
    QString noDictionary;
    /// What a screen reader calls the grid and the word boxes.
    QString matches;
    QString word;
    QString russian;
    QString spokenForm;
};

/// The texts for \a languageCode, from the caption table "dictionary". A code outside the
/// six interface languages gets the English texts, so that the window can always search.
LanguageTexts languageTexts(int languageCode);

/// The query the search runs for \a typed in the learner's column:
/// `SELECT <col>, Russian FROM Lang  where <col> Like"<typed>*"`. The typed text keeps the
/// engine's pattern characters (* ? # [) as pattern characters. A double quote is doubled,
/// the way the engine writes a quote inside a quoted text, so the typed text can never
/// close the pattern early and add anything to the query after it.
QString searchQuery(const LanguageTexts &texts, const QString &typed);

} // namespace Dictionary
