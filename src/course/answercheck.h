// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QList>
#include <QString>

namespace Course::AnswerCheck {

/// The form in which two texts are compared: letters in lower case with ё as е, every
/// run of punctuation and blanks turned into one blank, no blanks at either end. Digits
/// count as letters; combining marks are left out. "Доброе утро!" and "доброе  утро" have
/// the same form.
QString comparisonForm(const QString &text);

/// True when \a typed says \a right: their comparison forms are equal. Case, punctuation,
/// ё written as е and extra blanks are forgiven; an empty answer is never right.
bool isRight(const QString &typed, const QString &right);

/// A piece of a text as shown beside the other: \c differs marks letters that the other
/// text lacks or has otherwise.
struct Piece {
    QString text;
    bool differs = false;
    friend bool operator==(const Piece &, const Piece &) = default;
};

/// The learner's answer and the right answer, each cut into pieces with the differing
/// letters marked. Letters are matched in their comparison form along the fewest edits.
/// What is forgiven is never marked: punctuation and blanks are marked only where a break
/// between two words is missing or extra, and combining marks (stress marks) go with their
/// letter.
struct Comparison {
    QList<Piece> typed;
    QList<Piece> right;
};
Comparison compare(const QString &typed, const QString &right);

} // namespace Course::AnswerCheck
