// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "practice/coursereader.h"

#include "course/coursefiles.h"
#include "course/lessonrules.h"
#include "course/phrase.h"
#include "platform/core/apppaths.h"
#include "platform/database/databaseengine.h"

namespace Practice {

QList<Course::PracticeItem> readPracticeItems(Platform::DatabaseEngine &databases, const Platform::AppPaths &paths)
{
    QList<Course::PracticeItem> items;
    const auto database = databases.openDatabase(QString(), false, true,
                                                 Course::Files::passwordConnect(paths.join(Course::Files::kLessons)));
    if (!database)
        return items;
    for (int lesson = 1; lesson <= Course::kLessonCount; ++lesson) {
        auto records = (*database)->openRecordset(Course::lessonTableName(lesson));
        if (!records)
            continue;
        const Platform::Recordset &set = **records;
        const QList<Course::Phrase> phrases =
            Course::readPhrases(lesson, set.recordCount(), [&set](int row, const QString &column) {
                const Platform::Result<QString> value = set.valueAt(row, column);
                return value ? *value : QString();
            });
        items += Course::practiceItems(phrases);
    }
    return items;
}

} // namespace Practice
