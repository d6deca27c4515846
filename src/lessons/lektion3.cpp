// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "lessons/lektion3.h"

namespace Lessons {

namespace {

LessonWindowDesign design()
{
    LessonWindowDesign d;
    d.objectName = QStringLiteral("Lektion3");
    d.title = QString();
    d.captions = CaptionSet::ThirdLesson;
    d.lessonDigits = 2;
    d.loadIgnoresErrors = true;
    d.repeatReloadsPicture = true;
    d.startDialogBeforeClose = false;
    d.lastColour = QColor(0, 192, 0);
    d.headingColour = QColor(0, 192, 192);

    d.Picture1 = QRect(120, 120, 4455, 3135);
    d.Slider1 = QRect(6600, 120, 1335, 495);
    d.Command1 = QRect(6600, 840, 1335, 615);
    d.cmdEnd = QRect(6600, 1800, 1335, 495);
    d.cmdNextLesson = QRect(6600, 2640, 1335, 615);
    d.Label1 = QRect(6240, 720, 1935, 2775);
    d.cmdBack = QRect(360, 3960, 1095, 375);
    d.cmdRepeat = QRect(1920, 3960, 1335, 375);
    d.cmdNext = QRect(3720, 3960, 1095, 375);
    d.cmdLast = QRect(5280, 3960, 1095, 375);
    d.lblChanceButton = QRect(120, 3720, 6375, 855);
    d.txtTexten = QRect(240, 4680, 6855, 1095);
    d.txtNative = QRect(360, 6000, 6855, 975);
    d.Label2 = QRect(480, 7200, 1575, 615);
    d.txtInneholl = QRect(2160, 7200, 5055, 615);
    return d;
}

} // namespace

Lektion3::Lektion3(LessonServices &services, QWidget *parent)
    : LessonWindow(services, design(), parent)
{
}

Lektion3::~Lektion3() = default;

} // namespace Lessons
