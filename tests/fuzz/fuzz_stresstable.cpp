// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// Feeds arbitrary text to the stress table's reader (the compiled stress.tsv and its
// sources) and marks the same text with the table it gave. Besides crashes it checks what
// callers rely on: marking only ever adds stress marks, and the compiled form reads back
// to itself.
#include <cstdlib>

#include "course/stressmarks.h"
#include "course/stresstable.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = Fuzz::textOf(data, size);
    Course::StressTable table;
    QList<Course::StressTable::Problem> problems;
    table.read(text, QStringLiteral("fuzz"), &problems);

    const Course::CourseRecord record{Course::lessonPlace(1), text.section(u'\n', 0, 0)};
    const QString marked = Course::markStress(text, table, record);
    if (Course::withoutStressMarks(marked) != Course::withoutStressMarks(text))
        abort();

    Course::StressTable compiled;
    compiled.read(table.toText());
    if (compiled.toText() != table.toText())
        abort();
    return 0;
}
