// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace Course {

/// A record of the course that can carry its own stress for a word whose stress depends on
/// the sense: where it is shown and its whole Russian text, exactly as written. An empty
/// place stands for no record.
struct CourseRecord {
    /// "lesson08" (a lesson file's name without ".txt"), "dictionary", …
    QString place;
    /// The record's Russian text: a lesson record's "ru" field, a dictionary row's Russian
    /// column (its note included).
    QString text;
};

/// The place of the records of lesson \a lesson ("lesson08").
QString lessonPlace(int lesson);
/// The place of the dictionary's rows.
QString dictionaryPlace();

/// The reviewed stress of the course's Russian words.
///
/// The table is read from tab-separated UTF-8 text with '#' comment lines, in two kinds of
/// section, each opened by its header line:
///
/// - `word	stress	note` — a word as written in lower case and its stressed form, with
///   U+0301 after the stressed vowel. Several forms separated by blanks mean that the
///   stress depends on the sense or the case; every record that holds such a word decides
///   it in the other section.
/// - `place	text	stress	note` — a record (see CourseRecord) and the stressed forms its
///   words take there, separated by blanks.
///
/// The note column is optional in both. The same reader takes the sources under
/// data/pronunciation/ and the compiled table of the application folder, which holds both
/// sections without notes (toText()).
class StressTable final {
public:
    /// A row that cannot be used: where it is and what is wrong.
    struct Problem {
        QString file;
        int line = 0;
        QString message;
    };

    /// One record's decisions, for the tools that walk them all.
    struct RecordDecision {
        CourseRecord record;
        /// The stressed forms, in the order written.
        QStringList forms;
        QString file;
        int line = 0;
    };

    /// Reads the file at \a path. A missing or unreadable file gives an empty table and,
    /// when \a problems is given, a problem saying so.
    static StressTable fromFile(const QString &path, QList<Problem> *problems = nullptr);

    /// Adds the rows of \a text, named \a file in problems. Rows that break the format are
    /// skipped and reported: a stressed form that is not the word with marks, a form
    /// without a mark, a word given twice, a record decided twice for one word.
    void read(const QString &text, const QString &file = {}, QList<Problem> *problems = nullptr);

    bool isEmpty() const { return m_words.isEmpty() && m_recordDecisions.isEmpty(); }
    /// Number of words in the word section.
    qsizetype wordCount() const { return m_words.size(); }

    /// The stressed forms of \a word (lower case, no marks); empty when it has no row.
    QStringList readings(const QString &word) const { return m_words.value(word); }
    /// Every word of the word section.
    QStringList words() const { return m_words.keys(); }

    /// The form that \a record decides for \a word; empty when it decides none.
    QString recordForm(const CourseRecord &record, const QString &word) const;
    /// The stress of \a word in \a record: the record's own decision, else the word's only
    /// form. Empty when the word has no row or several forms that the record leaves open.
    QString stressFor(const QString &word, const CourseRecord &record = {}) const;

    const QList<RecordDecision> &recordDecisions() const { return m_recordDecisions; }

    /// The compiled form: both sections, sorted, without notes or comments beyond a header.
    QString toText() const;

private:
    void readWord(const QStringList &cells, const QString &file, int line, QList<Problem> *problems);
    void readRecord(const QStringList &cells, const QString &file, int line, QList<Problem> *problems);

    QHash<QString, QStringList> m_words;
    QList<RecordDecision> m_recordDecisions;
    /// place + '\t' + text + '\t' + word → form
    QHash<QString, QString> m_recordForms;
};

} // namespace Course
