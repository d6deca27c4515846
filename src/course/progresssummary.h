// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QDate>
#include <QHash>
#include <QList>

#include "course/practicesession.h"

namespace Course {

/// How far a learner has come with one lesson's items: never answered, still being learnt,
/// known (stability of kKnownStability days or more), and due on the day asked about.
struct LessonProgress {
    int lesson = 0;
    int fresh = 0;
    int learning = 0;
    int known = 0;
    int due = 0;
};

/// One row per lesson that has items, in lesson order, for day \a today.
QList<LessonProgress> lessonProgress(const QList<PracticeItem> &items, const QHash<ItemKey, ItemMemory> &memory,
                                     QDate today);

/// The days in a row, up to \a today, on which the learner practised (\a days in any order,
/// repeats allowed). A streak that ended yesterday still counts until today is over.
int currentStreak(const QList<QDate> &days, QDate today);

} // namespace Course
