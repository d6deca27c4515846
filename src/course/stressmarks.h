// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include "course/stresstable.h"

namespace Course {

/// The combining acute accent that textbooks put after a stressed vowel.
inline constexpr char16_t kStressMark = u'\u0301';

/// Where a Russian word stands in a text.
struct WordSpan {
    qsizetype start = 0;
    qsizetype length = 0;
};

/// The Russian words of \a text: runs of Cyrillic letters (stress marks included), parts
/// joined by a hyphen making one word ("что-нибудь", "сим-карту"). A run that hangs on a
/// hyphen with no letter on its other side is a word part, not a word ("-ешь" in a table of
/// endings, "кое-" alone), and is left out.
QList<WordSpan> russianWords(QStringView text);

/// \a word in lower case without stress marks: the key of the stress table.
QString stressKey(QStringView word);
/// \a text without stress marks.
QString withoutStressMarks(QStringView text);
/// The number of vowels of \a word, that is its syllables.
int syllableCount(QStringView word);
/// Whether \a key needs a decided stress: one of its hyphen-joined parts has two or more
/// syllables and it has no ё (which is always stressed).
bool needsStress(QStringView key);
/// The vowels of \a form that carry a stress mark, counted from 0 over all vowels.
QList<int> markedVowels(QStringView form);

/// \a word (any case, no marks) with the marks of \a form, its stressed form in lower
/// case. \a word is returned unchanged when \a form is not \a word with marks.
QString withStressOf(QStringView word, QStringView form);

/// Which words markStress() marks.
enum class StressMarking {
    /// Every word with a decided stress.
    AllWords,
    /// Only the words that \a record decides itself (the voice needs nothing else).
    RecordDecisionsOnly,
};

/// \a text with a stress mark after the stressed vowel of each word whose stress \a table
/// decides, in \a record where given. Case, punctuation and everything else stay as they
/// are; words of one syllable, words with ё, words already marked and words without a
/// decision are left alone.
QString markStress(const QString &text, const StressTable &table, const CourseRecord &record = {},
                   StressMarking marking = StressMarking::AllWords);

} // namespace Course
