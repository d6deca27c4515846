// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <array>
#include <optional>

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace Content {

/// Collects "file:line: message" diagnostics; any error fails the compilation.
class Diagnostics {
public:
    void error(const QString &file, int line, const QString &message);
    void warning(const QString &file, const QString &message);
    bool hasErrors() const { return !m_errors.isEmpty(); }
    const QStringList &errors() const { return m_errors; }
    const QStringList &warnings() const { return m_warnings; }

private:
    QStringList m_errors;
    QStringList m_warnings;
};

/// The ten keys of a lesson record, in the column order of the lesson tables.
inline constexpr int kLessonFieldCount = 10;
/// Source keys ("ru", "voc", …) in column order.
const std::array<QString, kLessonFieldCount> &lessonKeys();
/// Column names of the lesson tables ("RussianText", …) in the same order.
const std::array<QString, kLessonFieldCount> &lessonColumns();
/// Index of the picture and animation keys in the arrays above.
inline constexpr int kPictureField = 8;
inline constexpr int kAnimationField = 9;

struct LessonRecord {
    int line = 0; ///< line of the record's first key
    std::array<QString, kLessonFieldCount> values;
    std::array<int, kLessonFieldCount> lines{};
};

struct Lesson {
    int number = 0;
    QString file;
    QList<LessonRecord> records;
};

/// The seven columns of a dictionary source, header names in order.
inline constexpr int kDictionaryColumnCount = 7;
const std::array<QString, kDictionaryColumnCount> &dictionaryColumns();
inline constexpr int kDictionaryRussian = 6;

struct DictionaryEntry {
    std::array<QString, kDictionaryColumnCount> cells;
    QString file;
    int line = 0; ///< line of the row in its file
};

/// The lesson number of a file named "lessonNN.txt" (1 to 38), or nothing.
std::optional<int> lessonNumberFromFileName(const QString &path);

/// Parses one lesson source. Problems (unknown, doubled or missing keys, empty values,
/// tabs, text that is not UTF-8) are reported to \a diagnostics.
Lesson parseLesson(const QString &file, const QByteArray &content, Diagnostics &diagnostics);

/// Checks the references of a lesson: every picture exists in \a pictureDir and, when
/// \a animations is given, every animation is one of them.
void validateLesson(const Lesson &lesson, const QString &pictureDir, const std::optional<QSet<QString>> &animations,
                    Diagnostics &diagnostics);

/// Parses a dictionary source (tab-separated, header line first).
QList<DictionaryEntry> parseDictionary(const QString &file, const QByteArray &content, Diagnostics &diagnostics);

/// The animation names of a character file: every line "[animation <Name>]".
QSet<QString> animationNames(const QByteArray &characterFile);

} // namespace Content
