// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QPoint>
#include <QString>

namespace Course::Genie {

/// How the course sets up its character: the lesson windows, the dictionary window and
/// the installer's component check all use these.

/// The character's id and the character file it is loaded from.
inline const QString kId = QStringLiteral("Genie");
inline const QString kFile = QStringLiteral("Genie.acs");

/// The language id that makes the character speak Russian (the Windows locale id of
/// Russian, as the character service numbers languages).
inline constexpr int kRussianLanguageId = 1049;
/// The text-to-speech mode id of the Russian voice.
inline const QString kRussianVoiceId = QStringLiteral("{06377F81-D48E-11d1-B17B-0020AFED142E}");

/// The balloon style bits the windows add to the character's balloon style. Bits 24–31
/// give the line width in units of eight characters, bits 16–23 the most lines shown.
inline constexpr quint32 kBalloonLineWidth32 = 4u << 24; // 0x04000000
inline constexpr quint32 kBalloonLines16 = 16u << 16; // 0x00100000
/// The balloon's point size in the lesson windows and the dictionary.
inline constexpr int kBalloonFontSize = 14;
/// The balloon font's character set: the default one (the balloon draws Unicode).
inline constexpr int kBalloonCharSet = 0;

/// Where the character waits beside a lesson window, in screen pixels, and where it stands
/// while the dictionary window is active.
inline constexpr QPoint kWaitingPosition{450, 450};
inline constexpr QPoint kDictionaryPosition{530, 300};

/// The pop-up menu entry that opens the character service's settings.
inline const QString kSettingsCommand = QStringLiteral("Agent Settings");

/// The pitch tag put before every sentence spoken at the learner's rate.
inline const QString kPitchTag = QStringLiteral("\\pit=74\\");

/// A sentence as the character speaks it at the learner's rate: "\spd=" + rate + "\",
/// then the pitch tag, then the text. An empty rate gives "\spd=\", which leaves the voice
/// at its own rate.
inline QString speechAtRate(const QString &rate, const QString &text)
{
    return QStringLiteral("\\spd=") + rate + QStringLiteral("\\") + kPitchTag + text;
}

} // namespace Course::Genie
