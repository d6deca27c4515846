// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// Feeds an arbitrary lesson source to the content compiler's reader (and the same bytes to
// its reader of animation names). Besides crashes and sanitizer reports it checks that a
// source read without errors holds only what the lesson database can store: complete
// records, no empty values, no tabs, Russian texts in the single-byte code page.
#include "fuzzinput.h"

#include "course/codepage1251.h"
#include "coursesource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content = Fuzz::bytesOf(data, size);
    Content::Diagnostics diagnostics;
    const Content::Lesson lesson = Content::parseLesson(QStringLiteral("lessons/lesson05.txt"), content, diagnostics);
    if (lesson.number != 5)
        Fuzz::broken();
    (void)Content::animationNames(content);
    if (diagnostics.hasErrors())
        return 0;
    if (lesson.records.isEmpty())
        Fuzz::broken();
    for (const Content::LessonRecord &record : lesson.records) {
        for (int field = 0; field < Content::kLessonFieldCount; ++field) {
            const QString &value = record.values[field];
            if (record.lines[field] < 1 || value.isEmpty() || value.contains(u'\t') || value != value.trimmed())
                Fuzz::broken();
        }
        QString stored;
        for (const QString &russian : {record.values[0], record.values[1]}) {
            if (!Course::CodePage1251::encode(russian, &stored))
                Fuzz::broken();
        }
    }
    return 0;
}
