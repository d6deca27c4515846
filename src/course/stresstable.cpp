// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "course/stresstable.h"

#include <algorithm>
#include <tuple>

#include <QFile>

#include "course/stressmarks.h"

namespace Course {

namespace {

enum class Section { None, Words, Records };

QString recordKey(const CourseRecord &record, const QString &word)
{
    return record.place + u'\t' + record.text + u'\t' + word;
}

void report(QList<StressTable::Problem> *problems, const QString &file, int line, const QString &message)
{
    if (problems)
        problems->append({file, line, message});
}

// What is wrong with \a form as a stressed form of \a word; empty when nothing is.
QString formProblem(const QString &word, const QString &form)
{
    if (withoutStressMarks(form) != word)
        return QStringLiteral("\"%1\" is not \"%2\" with stress marks").arg(form, word);
    if (markedVowels(form).isEmpty())
        return QStringLiteral("\"%1\" has no stress mark after a vowel").arg(form);
    if (form.count(QChar(kStressMark)) != markedVowels(form).size())
        return QStringLiteral("\"%1\" has a stress mark that does not follow a vowel").arg(form);
    for (const QString &part : form.split(u'-')) {
        if (part.count(QChar(kStressMark)) > 1)
            return QStringLiteral("\"%1\" marks two vowels of one word").arg(form);
    }
    return {};
}

} // namespace

QString lessonPlace(int lesson)
{
    return QStringLiteral("lesson%1").arg(lesson, 2, 10, QLatin1Char('0'));
}

QString dictionaryPlace()
{
    return QStringLiteral("dictionary");
}

StressTable StressTable::fromFile(const QString &path, QList<Problem> *problems)
{
    StressTable table;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        report(problems, path, 0, QStringLiteral("cannot read the stress table"));
        return table;
    }
    table.read(QString::fromUtf8(file.readAll()), path, problems);
    return table;
}

void StressTable::read(const QString &text, const QString &file, QList<Problem> *problems)
{
    Section section = Section::None;
    const QStringList lines = text.split(u'\n');
    for (qsizetype index = 0; index < lines.size(); ++index) {
        QString line = lines.at(index);
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const int number = int(index) + 1;
        const QStringList cells = line.split(u'\t');
        if (cells.value(0) == u"word" && cells.value(1) == u"stress") {
            section = Section::Words;
        } else if (cells.value(0) == u"place" && cells.value(1) == u"text" && cells.value(2) == u"stress") {
            section = Section::Records;
        } else if (section == Section::Words) {
            readWord(cells, file, number, problems);
        } else if (section == Section::Records) {
            readRecord(cells, file, number, problems);
        } else {
            report(problems, file, number, QStringLiteral("a row before the header line"));
        }
    }
}

void StressTable::readWord(const QStringList &cells, const QString &file, int line, QList<Problem> *problems)
{
    const QString word = cells.value(0).trimmed();
    const QStringList forms = cells.value(1).split(u' ', Qt::SkipEmptyParts);
    if (word.isEmpty() || forms.isEmpty()) {
        report(problems, file, line, QStringLiteral("a word row needs the word and its stressed form"));
        return;
    }
    if (word != stressKey(word)) {
        report(problems, file, line, QStringLiteral("\"%1\": write the word in lower case without marks").arg(word));
        return;
    }
    if (m_words.contains(word)) {
        report(problems, file, line, QStringLiteral("\"%1\" is given twice").arg(word));
        return;
    }
    for (const QString &form : forms) {
        if (const QString problem = formProblem(word, form); !problem.isEmpty()) {
            report(problems, file, line, problem);
            return;
        }
    }
    m_words.insert(word, forms);
}

void StressTable::readRecord(const QStringList &cells, const QString &file, int line, QList<Problem> *problems)
{
    RecordDecision decision{{cells.value(0).trimmed(), cells.value(1).trimmed()},
                            cells.value(2).split(u' ', Qt::SkipEmptyParts),
                            file,
                            line};
    if (decision.record.place.isEmpty() || decision.record.text.isEmpty() || decision.forms.isEmpty()) {
        report(problems, file, line, QStringLiteral("a record row needs the place, the text and a stressed form"));
        return;
    }
    QStringList keys;
    for (const QString &form : std::as_const(decision.forms)) {
        const QString word = stressKey(form);
        if (const QString problem = formProblem(word, form); !problem.isEmpty()) {
            report(problems, file, line, problem);
            return;
        }
        if (m_recordForms.contains(recordKey(decision.record, word)) || keys.contains(word)) {
            report(problems, file, line, QStringLiteral("\"%1\" is decided twice for this record").arg(word));
            return;
        }
        keys << word;
    }
    for (qsizetype i = 0; i < keys.size(); ++i)
        m_recordForms.insert(recordKey(decision.record, keys.at(i)), decision.forms.at(i));
    m_recordDecisions.append(decision);
}

QString StressTable::recordForm(const CourseRecord &record, const QString &word) const
{
    if (record.place.isEmpty())
        return {};
    return m_recordForms.value(recordKey(record, word));
}

QString StressTable::stressFor(const QString &word, const CourseRecord &record) const
{
    if (const QString own = recordForm(record, word); !own.isEmpty())
        return own;
    const QStringList forms = readings(word);
    return forms.size() == 1 ? forms.constFirst() : QString();
}

QString StressTable::toText() const
{
    QStringList words = m_words.keys();
    std::sort(words.begin(), words.end());
    QString text =
        QStringLiteral("# The reviewed stress of the course's Russian words, compiled from data/pronunciation.\n"
                       "word\tstress\n");
    for (const QString &word : std::as_const(words))
        text += word + u'\t' + m_words.value(word).join(u' ') + u'\n';
    QList<RecordDecision> decisions = m_recordDecisions;
    std::sort(decisions.begin(), decisions.end(), [](const RecordDecision &a, const RecordDecision &b) {
        return std::tie(a.record.place, a.record.text, a.forms) < std::tie(b.record.place, b.record.text, b.forms);
    });
    text += QStringLiteral("place\ttext\tstress\n");
    for (const RecordDecision &decision : std::as_const(decisions))
        text += decision.record.place + u'\t' + decision.record.text + u'\t' + decision.forms.join(u' ') + u'\n';
    return text;
}

} // namespace Course
