// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <optional>

#include <QString>
#include <QStringList>

namespace Platform {

/// A speech request split into what the voice says and what the balloon shows.
struct SpeechText {
    /// The text handed to the voice: tags removed, \map= replaced by its spoken form.
    QString spoken;
    /// The text the balloon shows: tags removed, \map= replaced by its shown form.
    QString shown;
    /// Words per minute from \spd=n\ ; empty when absent, empty (\spd=\) or malformed.
    std::optional<int> wordsPerMinute;
    /// Voice pitch in hertz from \pit=n\ ; empty when absent or malformed.
    std::optional<int> pitchHz;

    friend bool operator==(const SpeechText &, const SpeechText &) = default;
};

/// Splits \a text into spoken and shown text and the rate and pitch tags.
///
/// A tag is a backslash, a name (letters, any case), usually "=" and a value, and a closing
/// backslash: \spd=80\ , \pit=74\ , \map="spoken"="shown"\ . Tags never reach the voice or
/// the balloon. A tag with an unknown name or a value that does not fit its name is dropped
/// whole. A backslash that opens no complete tag is dropped together with the rest of its
/// word, so a broken tag never reaches the voice either. Runs of white space become one
/// blank; both texts are trimmed. Never fails.
SpeechText parseSpeechText(const QString &text);

/// The words of \a text as the balloon shows them one after the other.
QStringList balloonWords(const QString &text);

} // namespace Platform
