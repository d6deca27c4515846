// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include "lessons/lessonwindow.h"

namespace Lessons {

/// The lesson window for lessons 2 to 9 (and the lessons reached from them with "Start
/// next lesson"). Its load stops with a message when the character cannot speak Russian,
/// and hides the dictionary button when the dictionary file is missing.
class Lektion2 final : public LessonWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Lektion2)
public:
    explicit Lektion2(LessonServices &services, QWidget *parent = nullptr);
    ~Lektion2() override;
};

} // namespace Lessons
