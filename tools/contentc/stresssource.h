// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QList>
#include <QString>

#include "course/stresstable.h"
#include "coursesource.h"

namespace Content {

/// A Russian text that the course shows or speaks, where it is written and the record it
/// belongs to (none for a help page: a help page marks an ambiguous word itself).
struct CourseText {
    QString file;
    int line = 0;
    Course::CourseRecord record;
    QString text;
};

/// The shown texts of a lesson: each record's "ru" and "voc", both of the record keyed by
/// its "ru" text.
QList<CourseText> lessonTexts(const Lesson &lesson);
/// The Russian column of every row of the curated core (files named core-*.tsv); imported
/// rows are left out.
QList<CourseText> coreDictionaryTexts(const QList<DictionaryEntry> &entries);
/// The lines of a help page (UTF-8 HTML) that hold Russian, with tags removed and
/// character references decoded.
QList<CourseText> helpTexts(const QString &file, const QString &html);

/// Reads stress.tsv and records.tsv from \a dir into one table; problems are errors.
Course::StressTable readStressSources(const QString &dir, Diagnostics &diagnostics, QStringList *inputs);

/// Fails every word of two or more syllables in \a texts whose stress \a table does not
/// decide: a word without a row, a word whose stress depends on the sense in a record that
/// does not decide it, a mark in a text that the table does not give. Warns about record
/// decisions that name no record of the course or a word the record does not hold.
void validateStress(const Course::StressTable &table, const QList<CourseText> &texts, Diagnostics &diagnostics);

} // namespace Content
