// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "stresssource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include "course/stressmarks.h"

namespace Content {

namespace {

const QString kWordsFile = QStringLiteral("stress.tsv");
const QString kRecordsFile = QStringLiteral("records.tsv");

QString recordId(const Course::CourseRecord &record)
{
    return record.place + u'\t' + record.text;
}

QString decodeHtmlText(QString line)
{
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    static const QRegularExpression numeric(QStringLiteral("&#(x?)([0-9A-Fa-f]+);"));
    line.replace(tag, QStringLiteral(" "));
    QString decoded;
    qsizetype done = 0;
    for (auto match = numeric.globalMatch(line); match.hasNext();) {
        const QRegularExpressionMatch reference = match.next();
        bool ok = false;
        const uint code = reference.captured(2).toUInt(&ok, reference.captured(1).isEmpty() ? 10 : 16);
        decoded += QStringView(line).mid(done, reference.capturedStart() - done);
        decoded += ok && code > 0 && code <= 0x10FFFF ? QString::fromUcs4(reinterpret_cast<const char32_t *>(&code), 1)
                                                      : reference.captured();
        done = reference.capturedEnd();
    }
    decoded += QStringView(line).mid(done);
    decoded.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    decoded.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    decoded.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    decoded.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    decoded.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return decoded;
}

void checkWord(const Course::StressTable &table, const CourseText &text, QStringView word, Diagnostics &diagnostics)
{
    const QString key = Course::stressKey(word);
    if (!Course::needsStress(key))
        return;
    const QStringList forms = table.readings(key);
    if (forms.isEmpty()) {
        diagnostics.error(
            text.file, text.line,
            QStringLiteral("\"%1\" has no decided stress: add it to data/pronunciation/%2").arg(key, kWordsFile));
        return;
    }
    if (word.contains(QChar(Course::kStressMark))) {
        if (!forms.contains(word.toString().toLower()))
            diagnostics.error(text.file, text.line,
                              QStringLiteral("\"%1\" is marked otherwise than the stress table gives it (%2)")
                                  .arg(word.toString(), forms.join(QStringLiteral(", "))));
        return;
    }
    if (forms.size() == 1)
        return;
    const QString own = table.recordForm(text.record, key);
    if (own.isEmpty()) {
        const QString where = text.record.place.isEmpty()
            ? QStringLiteral("put the stress mark into the text")
            : QStringLiteral("decide it for this record in data/pronunciation/%1").arg(kRecordsFile);
        diagnostics.error(text.file, text.line,
                          QStringLiteral("the stress of \"%1\" depends on the sense (%2): %3")
                              .arg(key, forms.join(QStringLiteral(", ")), where));
    } else if (!forms.contains(own)) {
        diagnostics.error(text.file, text.line,
                          QStringLiteral("this record decides \"%1\", which is none of %2")
                              .arg(own, forms.join(QStringLiteral(", "))));
    }
}

} // namespace

QList<CourseText> lessonTexts(const Lesson &lesson)
{
    QList<CourseText> texts;
    const QString place = Course::lessonPlace(lesson.number);
    for (const LessonRecord &record : lesson.records) {
        const Course::CourseRecord key{place, record.values[0]};
        texts.append({lesson.file, record.lines[0], key, record.values[0]});
        texts.append({lesson.file, record.lines[1], key, record.values[1]});
    }
    return texts;
}

QList<CourseText> coreDictionaryTexts(const QList<DictionaryEntry> &entries)
{
    QList<CourseText> texts;
    for (const DictionaryEntry &entry : entries) {
        if (!QFileInfo(entry.file).fileName().startsWith(QStringLiteral("core-")))
            continue;
        const QString &russian = entry.cells[kDictionaryRussian];
        texts.append({entry.file, entry.line, {Course::dictionaryPlace(), russian}, russian});
    }
    return texts;
}

QList<CourseText> helpTexts(const QString &file, const QString &html)
{
    QList<CourseText> texts;
    const QStringList lines = html.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString text = decodeHtmlText(lines.at(i));
        if (!Course::russianWords(text).isEmpty())
            texts.append({file, int(i) + 1, {}, text});
    }
    return texts;
}

Course::StressTable readStressSources(const QString &dir, Diagnostics &diagnostics, QStringList *inputs)
{
    Course::StressTable table;
    for (const QString &name : {kWordsFile, kRecordsFile}) {
        const QString path = QDir(dir).filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            diagnostics.error(path, 1, QStringLiteral("cannot read the stress source"));
            continue;
        }
        if (inputs)
            *inputs << path;
        QList<Course::StressTable::Problem> problems;
        table.read(QString::fromUtf8(file.readAll()), path, &problems);
        for (const auto &problem : std::as_const(problems))
            diagnostics.error(problem.file, problem.line, problem.message);
    }
    return table;
}

void validateStress(const Course::StressTable &table, const QList<CourseText> &texts, Diagnostics &diagnostics)
{
    // The words each record holds, for the check of the decisions below.
    QHash<QString, QSet<QString>> recordWords;
    for (const CourseText &text : texts) {
        QSet<QString> &words = recordWords[recordId(text.record)];
        for (const Course::WordSpan &span : Course::russianWords(text.text)) {
            const QStringView word = QStringView(text.text).mid(span.start, span.length);
            words.insert(Course::stressKey(word));
            checkWord(table, text, word, diagnostics);
        }
    }
    for (const Course::StressTable::RecordDecision &decision : table.recordDecisions()) {
        const QString where = QStringLiteral("%1:%2").arg(decision.file).arg(decision.line);
        const auto record = recordWords.constFind(recordId(decision.record));
        if (record == recordWords.cend())
            diagnostics.warning(where,
                                QStringLiteral("no record \"%1\" in %2; the decision is not used")
                                    .arg(decision.record.text, decision.record.place));
        for (const QString &form : decision.forms) {
            const QString key = Course::stressKey(form);
            if (table.readings(key).size() < 2)
                diagnostics.error(
                    decision.file, decision.line,
                    QStringLiteral("\"%1\" has one stress in data/pronunciation/%2; a record cannot decide it")
                        .arg(key, kWordsFile));
            else if (record != recordWords.cend() && !record->contains(key))
                diagnostics.warning(where, QStringLiteral("the record holds no \"%1\"").arg(key));
        }
    }
}

} // namespace Content
