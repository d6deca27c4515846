// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>

#include "course/learningchoices.h"
#include "course/stresstable.h"

namespace Course {

/// Russian text as the learner chose to see it: with stress marks (U+0301 after the
/// stressed vowel of every word of two or more syllables whose stress \a table decides, in
/// \a record where given) when the choices ask for them, else unchanged. Words of one
/// syllable, words with ё and words the table does not hold get no mark. \a table may be
/// null (no marks). What a window speaks or hands to a screen reader is the text without
/// marks, never this.
QString displayRussian(const QString &text, const StressTable *table, const LearningChoices &choices,
                       const CourseRecord &record = {});

/// The transliteration line of \a text in interface language \a language's convention, as
/// rich text with the stressed vowels in bold (from \a table, in \a record); empty when the
/// choices do not ask for it or the text is empty.
QString transliterationLine(const QString &text, const StressTable *table, const LearningChoices &choices, int language,
                            const CourseRecord &record = {});

} // namespace Course
