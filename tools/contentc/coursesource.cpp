// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "coursesource.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

#include "course/codepage1251.h"
#include "course/dictionarytable.h"
#include "course/lessontable.h"
#include "platform/database/databaseengine.h"

namespace Content {
namespace {

QStringList splitLines(const QString &file, const QByteArray &content, Diagnostics &diagnostics)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(content);
    if (decoder.hasError())
        diagnostics.error(file, 1, QStringLiteral("the file is not valid UTF-8"));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

bool isRussianField(int field)
{
    return field == 0 || field == 1;
}

void checkRussian(const QString &file, int line, const QString &text, Diagnostics &diagnostics)
{
    QString stored;
    if (Course::CodePage1251::encode(text, &stored))
        return;
    for (const QChar c : text) {
        QString one;
        if (!Course::CodePage1251::encode(QString(c), &one)) {
            const QString code = QStringLiteral("%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
            diagnostics.error(file, line,
                              QStringLiteral("character U+%1 '%2' has no Windows-1251 code").arg(code, QString(c)));
            return;
        }
    }
}

void finishRecord(const QString &file, LessonRecord &record, QList<LessonRecord> &records, Diagnostics &diagnostics)
{
    if (record.line == 0)
        return;
    bool complete = true;
    for (int i = 0; i < kLessonFieldCount; ++i) {
        if (record.lines[i] == 0) {
            diagnostics.error(file, record.line, QStringLiteral("record lacks the field '%1'").arg(lessonKeys()[i]));
            complete = false;
        }
    }
    if (complete)
        records.append(record);
    record = LessonRecord();
}

// The program refuses a longer field when it reads the course; the compiler refuses it first.
void checkLength(const QString &file, int line, const QString &where, const QString &value, Diagnostics &diagnostics)
{
    if (value.size() <= Platform::kMaxFieldLength)
        return;
    diagnostics.error(file, line,
                      QStringLiteral("%1 holds %2 characters; a field holds at most %3")
                          .arg(where)
                          .arg(value.size())
                          .arg(Platform::kMaxFieldLength));
}

} // namespace

void Diagnostics::error(const QString &file, int line, const QString &message)
{
    m_errors.append(QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(message));
}

void Diagnostics::warning(const QString &file, const QString &message)
{
    m_warnings.append(QStringLiteral("%1: warning: %2").arg(file, message));
}

const std::array<QString, kLessonFieldCount> &lessonKeys()
{
    static const std::array<QString, kLessonFieldCount> keys = {
        QStringLiteral("ru"),      QStringLiteral("voc"),       QStringLiteral("en"), QStringLiteral("sv"),
        QStringLiteral("fi"),      QStringLiteral("de"),        QStringLiteral("fr"), QStringLiteral("es"),
        QStringLiteral("picture"), QStringLiteral("animation"),
    };
    return keys;
}

const std::array<QString, kLessonFieldCount> &lessonColumns()
{
    static_assert(kLessonFieldCount == Course::LessonTable::kColumnCount);
    return Course::LessonTable::columns();
}

const std::array<QString, kDictionaryColumnCount> &dictionaryColumns()
{
    static_assert(kDictionaryColumnCount == Course::DictionaryTable::kColumnCount);
    return Course::DictionaryTable::columns();
}

std::optional<int> lessonNumberFromFileName(const QString &path)
{
    static const QRegularExpression pattern(QStringLiteral("^lesson(\\d\\d)\\.txt$"));
    const QRegularExpressionMatch match = pattern.match(QFileInfo(path).fileName());
    if (!match.hasMatch())
        return std::nullopt;
    const int number = match.captured(1).toInt();
    if (number < 1 || number > 38)
        return std::nullopt;
    return number;
}

Lesson parseLesson(const QString &file, const QByteArray &content, Diagnostics &diagnostics)
{
    Lesson lesson;
    lesson.file = file;
    lesson.number = lessonNumberFromFileName(file).value_or(0);
    if (lesson.number == 0)
        diagnostics.error(file, 1, QStringLiteral("a lesson file must be named lessonNN.txt with NN from 01 to 38"));

    const QStringList lines = splitLines(file, content, diagnostics);
    LessonRecord record;
    int recordNumber = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNumber = i + 1;
        const QString &line = lines.at(i);
        if (line.trimmed().isEmpty()) {
            finishRecord(file, record, lesson.records, diagnostics);
            continue;
        }
        if (line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon <= 0) {
            diagnostics.error(file, lineNumber, QStringLiteral("expected 'key: value'"));
            continue;
        }
        const QString key = line.left(colon).trimmed();
        const QString value = line.mid(colon + 1).trimmed();
        const auto &keys = lessonKeys();
        const auto found = std::find(keys.begin(), keys.end(), key);
        if (found == keys.end()) {
            diagnostics.error(file, lineNumber, QStringLiteral("unknown field '%1'").arg(key));
            continue;
        }
        const int field = int(found - keys.begin());
        if (record.line == 0) {
            record.line = lineNumber;
            ++recordNumber;
        }
        if (record.lines[field] != 0) {
            diagnostics.error(file, lineNumber,
                              QStringLiteral("field '%1' given twice in one record (first on line %2)")
                                  .arg(key)
                                  .arg(record.lines[field]));
            continue;
        }
        record.lines[field] = lineNumber;
        record.values[field] = value;
        if (value.isEmpty())
            diagnostics.error(file, lineNumber, QStringLiteral("field '%1' is empty").arg(key));
        if (value.contains(QLatin1Char('\t')))
            diagnostics.error(file, lineNumber, QStringLiteral("field '%1' holds a tab").arg(key));
        checkLength(file, lineNumber, QStringLiteral("record %1, field '%2'").arg(recordNumber).arg(key), value,
                    diagnostics);
        if (isRussianField(field))
            checkRussian(file, lineNumber, value, diagnostics);
    }
    finishRecord(file, record, lesson.records, diagnostics);
    if (lesson.records.isEmpty())
        diagnostics.error(file, 1, QStringLiteral("the lesson has no records"));
    return lesson;
}

void validateLesson(const Lesson &lesson, const QString &pictureDir, const std::optional<QSet<QString>> &animations,
                    Diagnostics &diagnostics)
{
    for (const LessonRecord &record : lesson.records) {
        const QString &picture = record.values[kPictureField];
        // A picture name is a plain file name inside the pictures folder, never a path.
        if (picture.contains(QLatin1Char('/')) || picture.contains(QLatin1Char('\\'))
            || picture.startsWith(QLatin1Char('.'))) {
            diagnostics.error(lesson.file, record.lines[kPictureField],
                              QStringLiteral("picture '%1' must be a plain file name").arg(picture));
        } else if (!QFileInfo(pictureDir + QLatin1Char('/') + picture).isFile()) {
            diagnostics.error(lesson.file, record.lines[kPictureField],
                              QStringLiteral("picture '%1' does not exist in %2").arg(picture, pictureDir));
        }
        const QString &animation = record.values[kAnimationField];
        if (animations && !animations->contains(animation)) {
            diagnostics.error(lesson.file, record.lines[kAnimationField],
                              QStringLiteral("animation '%1' is not in the character file").arg(animation));
        }
    }
}

QList<DictionaryEntry> parseDictionary(const QString &file, const QByteArray &content, Diagnostics &diagnostics)
{
    QList<DictionaryEntry> entries;
    const QStringList lines = splitLines(file, content, diagnostics);
    bool headerSeen = false;
    int entryNumber = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNumber = i + 1;
        const QString &line = lines.at(i);
        if (line.startsWith(QLatin1Char('#')) || line.trimmed().isEmpty())
            continue;
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (!headerSeen) {
            headerSeen = true;
            const auto &columns = dictionaryColumns();
            if (cells != QStringList(columns.begin(), columns.end())) {
                diagnostics.error(file, lineNumber,
                                  QStringLiteral("the header must be: %1")
                                      .arg(QStringList(columns.begin(), columns.end()).join(QLatin1Char(' '))));
                return entries;
            }
            continue;
        }
        ++entryNumber;
        if (cells.size() != kDictionaryColumnCount) {
            diagnostics.error(file, lineNumber,
                              QStringLiteral("expected %1 tab-separated cells, found %2")
                                  .arg(kDictionaryColumnCount)
                                  .arg(cells.size()));
            continue;
        }
        DictionaryEntry entry;
        entry.file = file;
        entry.line = lineNumber;
        for (int c = 0; c < kDictionaryColumnCount; ++c) {
            entry.cells[c] = cells.at(c).trimmed();
            checkLength(file, lineNumber,
                        QStringLiteral("entry %1, field '%2'").arg(entryNumber).arg(dictionaryColumns()[c]),
                        entry.cells[c], diagnostics);
        }
        if (entry.cells[kDictionaryRussian].isEmpty()) {
            diagnostics.error(file, lineNumber, QStringLiteral("the Russian cell is empty"));
            continue;
        }
        checkRussian(file, lineNumber, entry.cells[kDictionaryRussian], diagnostics);
        entries.append(entry);
    }
    if (!headerSeen)
        diagnostics.error(file, 1, QStringLiteral("the header line is missing"));
    return entries;
}

QSet<QString> animationNames(const QByteArray &characterFile)
{
    static const QRegularExpression pattern(QStringLiteral("^\\[animation\\s+([^\\]\\s]+)\\s*\\]"),
                                            QRegularExpression::MultilineOption);
    QSet<QString> names;
    QRegularExpressionMatchIterator it = pattern.globalMatch(QString::fromUtf8(characterFile));
    while (it.hasNext())
        names.insert(it.next().captured(1));
    return names;
}

} // namespace Content
