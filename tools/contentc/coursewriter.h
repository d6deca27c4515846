// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "coursesource.h"

namespace Content {

/// Makes the encryption's random numbers (salt, page IVs) a pure function of \a seed, so
/// that identical sources give byte-identical encrypted files. Call once, before writing.
void useDeterministicRandom(const QByteArray &seed);

/// Writes \a path as the lesson database: tables "Lektion<n>", Russian columns in the
/// stored single-byte form, encrypted with \a password. Returns an error text or an empty
/// string. Writes to a temporary file that is renamed into place.
QString writeLessonDatabase(const QString &path, const QList<Lesson> &lessons, const QString &password);

/// Writes \a path as the dictionary database: table "Lang" and its indexed fold columns.
QString writeDictionaryDatabase(const QString &path, const QList<DictionaryEntry> &entries);

/// Writes \a path as the print database: table "Kursen", texts in real Unicode.
QString writePrintDatabase(const QString &path, const QList<Lesson> &lessons);

/// Copies the .svg and .png files of \a from into \a to (created when missing); files whose
/// content is already there are left untouched. Returns the copied source paths via \a inputs.
QString copyPictures(const QString &from, const QString &to, QStringList *inputs);

} // namespace Content
