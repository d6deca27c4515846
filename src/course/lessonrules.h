// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <optional>

#include <QString>

namespace Course {

/// The lessons of the course are numbered 1 to kLessonCount.
inline constexpr int kLessonCount = 38;
/// Lesson 1 is the alphabet, one letter per record.
inline constexpr int kAlphabetLesson = 1;
/// The first lesson shown in the third lesson window.
inline constexpr int kFirstThirdLesson = 10;
/// The lesson a learner starts with when no lesson was saved.
inline constexpr int kDefaultLesson = 2;

/// The lesson window kinds: the alphabet window, the lesson window for lessons 2–9 and the
/// third lesson window for lessons 10–38.
enum class LessonWindowKind { Alphabet = 1, Lesson = 2, Third = 3 };

/// True for the numbers 1 to kLessonCount.
bool isLesson(int lesson);

/// The window kind that shows \a lesson; none for a number that is not a lesson.
std::optional<LessonWindowKind> windowKindFor(int lesson);

/// The lesson a saved "Lesson" value stands for: a whole number from 1 to 38 (blanks
/// around it allowed). Anything else, which the program never writes, counts as no saved
/// lesson, that is kDefaultLesson.
int recentLesson(const QString &savedLesson);

/// True when a lesson follows \a lesson (the last lesson has no next one).
bool hasNextLesson(int lesson);

/// The name of the table in the course database that holds \a lesson's records
/// ("Lektion" followed by the number, e.g. "Lektion7", "Lektion12").
QString lessonTableName(int lesson);

/// True when record \a record (counted from 1) of \a lesson is the lesson's heading: the
/// first record of lessons 2 to 38. The alphabet lesson has none; its first record is А.
bool isHeadingRecord(int lesson, int record);

} // namespace Course
