// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include "lessons/lessonwindowbase.h"

namespace Lessons {

/// The window of lesson 1, the Russian alphabet. It always shows table Lektion1, speaks
/// every record at rate 50 with the balloon showing exactly what is spoken, greets the
/// learner on load and hands over to the window of lesson 2. It has no speed slider, no
/// dictionary button, no heading and writes no setting.
class Lektion1 final : public LessonWindowBase {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Lektion1)
public:
    explicit Lektion1(LessonServices &services, QWidget *parent = nullptr);
    ~Lektion1() override;

protected:
    Platform::StepRunner::Handler loadErrorHandler() override;
    void runLoadSteps(Platform::StepRunner &runner) override;
    void showRecord() override;

private:
    void buildControls();
    Platform::Status greet();
    void applyLanguage();
    void repeatRecord();
    void endLesson();
    void startNextLesson();
};

} // namespace Lessons
