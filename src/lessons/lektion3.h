// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include "lessons/lessonwindow.h"

namespace Lessons {

/// The lesson window for lessons 10 to 38. Its load skips every failing step (so it works
/// without speech when the character is missing) and hides the dictionary button whenever
/// the dictionary cannot be opened; Repeat also shows the record's picture again.
class Lektion3 final : public LessonWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Lektion3)
public:
    explicit Lektion3(LessonServices &services, QWidget *parent = nullptr);
    ~Lektion3() override;
};

} // namespace Lessons
