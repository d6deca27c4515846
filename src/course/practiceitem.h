// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <array>

#include <QHashFunctions>
#include <QList>
#include <QString>

namespace Course {

struct Phrase;

/// A practice item is known by its lesson and its record (counted from 1).
struct ItemKey {
    int lesson = 0;
    int record = 0;
    friend bool operator==(const ItemKey &, const ItemKey &) = default;
    friend auto operator<=>(const ItemKey &, const ItemKey &) = default;
};

inline size_t qHash(const ItemKey &key, size_t seed = 0) noexcept
{
    return qHashMulti(seed, key.lesson, key.record);
}

/// What a learner practises: a phrase of lessons 2–38 (not a lesson's heading), or a letter
/// of the alphabet lesson.
struct PracticeItem {
    ItemKey key;
    /// The Russian text as shown and typed: the phrase, or the letter's pair ("Б б").
    QString russian;
    /// What the genie says: the phrase, or the capital letter on its own.
    QString spoken;
    /// The meanings in the order of Language::All; empty for a letter.
    std::array<QString, 6> meanings;
    QString picture;
    QString animation;
    bool isLetter = false;

    /// The meaning in interface language \a language; empty for any other code.
    QString meaning(int language) const;
};

/// The practice items of a lesson's phrases (in their order): every record of lessons 2–38
/// but the heading, every letter of the alphabet lesson. Records without Russian text, and
/// phrases of lessons 2–38 without any meaning, are passed over.
QList<PracticeItem> practiceItems(const QList<Phrase> &phrases);

} // namespace Course
