// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "course/progresssummary.h"

#include <map>

#include <QSet>

namespace Course {

QList<LessonProgress> lessonProgress(const QList<PracticeItem> &items, const QHash<ItemKey, ItemMemory> &memory,
                                     QDate today)
{
    std::map<int, LessonProgress> lessons;
    for (const PracticeItem &item : items) {
        LessonProgress &row = lessons[item.key.lesson];
        row.lesson = item.key.lesson;
        const auto known = memory.constFind(item.key);
        if (known == memory.constEnd()) {
            ++row.fresh;
            continue;
        }
        ++(known->memory.stability >= kKnownStability ? row.known : row.learning);
        if (known->due <= today)
            ++row.due;
    }
    QList<LessonProgress> rows;
    for (const auto &[lesson, row] : lessons)
        rows.append(row);
    return rows;
}

int currentStreak(const QList<QDate> &days, QDate today)
{
    const QSet<QDate> practised(days.cbegin(), days.cend());
    QDate day = practised.contains(today) ? today : today.addDays(-1);
    int streak = 0;
    while (practised.contains(day)) {
        ++streak;
        day = day.addDays(-1);
    }
    return streak;
}

} // namespace Course
