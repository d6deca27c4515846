// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "practice/russiandisplay.h"

#include "course/displayrussian.h"
#include "course/learningchoices.h"
#include "course/stresstable.h"

namespace Practice {

QString shownRussian(const QString &russian, int lesson, const RussianDisplay &display)
{
    if (!display.choices || !display.stressTable)
        return russian;
    return Course::displayRussian(russian, display.stressTable(), display.choices->choices(),
                                  {Course::lessonPlace(lesson), russian});
}

} // namespace Practice
