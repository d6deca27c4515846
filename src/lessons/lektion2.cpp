// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "lessons/lektion2.h"

namespace Lessons {

namespace {

LessonWindowDesign design()
{
    LessonWindowDesign d;
    d.objectName = QStringLiteral("Lektion2");
    d.title = QStringLiteral("Lektion2");
    d.captions = CaptionSet::Lesson;
    d.lessonDigits = 1;
    d.loadIgnoresErrors = false;
    d.repeatReloadsPicture = false;
    d.startDialogBeforeClose = true;
    d.lastColour = QColor(0, 255, 0);
    d.headingColour = QColor(0, 192, 0);

    d.Picture1 = QRect(1080, 120, 3975, 2895);
    d.Slider1 = QRect(6600, 120, 1335, 495);
    d.Command1 = QRect(6600, 1080, 1335, 615);
    d.cmdEnd = QRect(6600, 2040, 1335, 495);
    d.cmdNextLesson = QRect(6600, 2880, 1335, 615);
    d.Label1 = QRect(6240, 720, 1935, 3015);
    d.cmdBack = QRect(360, 3960, 1095, 375);
    d.cmdRepeat = QRect(1800, 3960, 1335, 375);
    d.cmdNext = QRect(3480, 3960, 1095, 375);
    d.cmdLast = QRect(4920, 3960, 1095, 375);
    d.lblChanceButton = QRect(120, 3720, 6135, 855);
    d.txtTexten = QRect(360, 4560, 6495, 1095);
    d.txtNative = QRect(240, 5880, 6615, 975);
    d.Label2 = QRect(240, 7080, 1575, 495);
    d.txtInneholl = QRect(1920, 7080, 4815, 615);
    return d;
}

} // namespace

Lektion2::Lektion2(LessonServices &services, QWidget *parent)
    : LessonWindow(services, design(), parent)
{
}

Lektion2::~Lektion2() = default;

} // namespace Lessons
