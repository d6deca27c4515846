// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <array>
#include <functional>

#include <QList>
#include <QString>

namespace Course {

/// One record of a lesson, as a learner meets it: the Russian text shown and the words
/// spoken, decoded to real Cyrillic, its six translations, its picture and animation.
struct Phrase {
    int lesson = 0;
    /// The record's place in its lesson, counted from 1 (record 1 of lessons 2–38 is the
    /// lesson's heading).
    int record = 0;
    QString russian;
    /// The record's key Russian words (the vocabulary column).
    QString vocabulary;
    /// Translations in the order of Language::All.
    std::array<QString, 6> translations;
    QString picture;
    QString animation;

    /// The translation into interface language \a language; empty for any other code.
    QString translation(int language) const;
    /// True for a lesson's heading record.
    bool isHeading() const;
};

/// Reads one field of the current record of a lesson table by its column name, in the
/// stored form (Russian one character per Windows-1251 code).
using FieldReader = std::function<QString(const QString &column)>;

/// The phrase that record \a record of \a lesson holds, its Russian columns decoded.
Phrase phraseFromRecord(int lesson, int record, const FieldReader &field);

/// Reads every record of a lesson table into phrases: \a rowCount rows, \a fieldAt giving
/// row \a row's (0-based) field by column name.
QList<Phrase> readPhrases(int lesson, int rowCount,
                          const std::function<QString(int row, const QString &column)> &fieldAt);

} // namespace Course
