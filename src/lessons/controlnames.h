// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>

namespace Lessons {

/// What a screen reader calls the lesson windows' pictures, text boxes and slider, whose
/// design has no caption to speak. Buttons are named by their captions instead.
struct ControlNames {
    QString picture;
    QString letterBlocks;
    QString lessonCommands;
    QString recordCommands;
    QString speedOfSpeech;
    QString russianText;
    QString translation;
    QString lessonHeading;
    /// The line under the Russian text that writes it in the learner's own letters.
    QString transliteration;
};

/// The names in the interface language \a language (110 English, 120 Swedish, 130 Finnish,
/// 140 German, 150 French, 160 Spanish), from the caption table "lessoncontrols"; any
/// other code gets the English names.
ControlNames controlNames(int language);

} // namespace Lessons
