// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <optional>

#include <QString>

namespace Lessons {

/// The speed slider runs over these positions; its position chooses the speech rate.
inline constexpr int kSliderMinimum = 50;
inline constexpr int kSliderMaximum = 150;
/// Where the slider stands while no stored rate places it: the middle rate, so the
/// slider agrees with the voice's own default rate that an empty speed tag keeps.
inline constexpr int kSliderInitial = 100;

/// The rate text ("50" … "150") for slider position \a position. Positions 140 to 144 give
/// "130" and 145 to 149 give "150", the nearer of the neighbouring rates, so every position
/// the slider can take chooses a rate. Positions outside the slider's range give an empty
/// text.
QString rateForSliderPosition(int position);

/// The slider position that a stored "Speed" text stands for: its leading number, rounded
/// (an empty or non-numeric text reads as 0). Nothing when that number is not a position
/// of the slider; the slider then stays where it is.
std::optional<int> sliderPositionForSpeed(const QString &speed);

/// The speech text of a record in the lesson windows with the speed slider:
/// "\spd=" + rate + "\" + "\pit=74\" + text. An empty rate gives the empty tag "\spd=\",
/// which leaves the voice at its default rate.
QString lessonSpeechText(const QString &rate, const QString &text);

/// The speech text of the alphabet window: at rate 50, with a map tag whose spoken and
/// shown forms are both \a text, so the balloon shows exactly what is spoken.
QString alphabetSpeechText(const QString &text);

} // namespace Lessons
