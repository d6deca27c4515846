// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <optional>

#include <QString>

#include "course/languages.h"

namespace Course {

/// The state that windows hand to one another. The shell owns the one instance and passes
/// it to every window it creates; windows read and write it directly.
struct ProgramState {
    /// 110 English … 160 Spanish; empty until the start dialog loads. A saved value outside
    /// the six codes leaves it as it was.
    std::optional<int> interfaceLanguage;
    /// The lesson handed to the lesson windows, 0 to 38.
    int currentLesson = 0;
    /// The lesson the start dialog's start command dispatches on, as decimal text.
    QString selectedLesson;
    /// The words-per-minute text of the speed tag: "50" … "150" or empty.
    QString speechRate;
    /// The program-wide help reference, "<folder>/<file>.chm::/<page>".
    QString helpReference;

    /// The language code when it is set and one of the six, else 0.
    int language() const { return interfaceLanguage.value_or(0); }
    /// SelectedLesson read as a whole number (0 when it is not one).
    int selectedLessonNumber() const
    {
        bool ok = false;
        const int value = selectedLesson.trimmed().toInt(&ok);
        return ok ? value : 0;
    }
};

} // namespace Course
