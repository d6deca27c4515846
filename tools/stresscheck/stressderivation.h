// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <optional>

#include <QString>

namespace StressCheck {

/// espeak-ng's phonemes \a phonemes of a word, with the stress moved to the vowels that the
/// stressed form \a form marks (a part of a hyphenated word without a mark loses its
/// stress).
///
/// Consonants stay as the voice said them. A vowel whose place relative to the stress
/// changes (stressed, just before the stress, further before it, after it) is said anew
/// the way the voice says that letter in that place: unstressed о becomes [V], а before the
/// stress [a], а at the end [a#], е and я after a soft consonant [i] and [V], and so on,
/// the rules read from the voice's own phonemes for correctly stressed words. Nothing when
/// the phonemes do not hold one vowel per vowel letter of the word.
std::optional<QString> phonemesWithStress(const QString &form, const QString &phonemes);

} // namespace StressCheck
