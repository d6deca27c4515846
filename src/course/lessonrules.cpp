// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "course/lessonrules.h"

namespace Course {

bool isLesson(int lesson)
{
    return lesson >= 1 && lesson <= kLessonCount;
}

std::optional<LessonWindowKind> windowKindFor(int lesson)
{
    if (!isLesson(lesson))
        return std::nullopt;
    if (lesson == kAlphabetLesson)
        return LessonWindowKind::Alphabet;
    return lesson < kFirstThirdLesson ? LessonWindowKind::Lesson : LessonWindowKind::Third;
}

int recentLesson(const QString &savedLesson)
{
    bool ok = false;
    const int lesson = savedLesson.trimmed().toInt(&ok);
    return ok && isLesson(lesson) ? lesson : kDefaultLesson;
}

bool hasNextLesson(int lesson)
{
    return lesson < kLessonCount;
}

QString lessonTableName(int lesson)
{
    return QStringLiteral("Lektion") + QString::number(lesson);
}

bool isHeadingRecord(int lesson, int record)
{
    return lesson != kAlphabetLesson && record == 1;
}

} // namespace Course
