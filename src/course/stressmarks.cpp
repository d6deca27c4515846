// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "course/stressmarks.h"

namespace Course {

namespace {

bool isCyrillicLetter(QChar c)
{
    return c.unicode() >= 0x0400 && c.unicode() <= 0x04FF && c.isLetter();
}

bool isVowel(QChar c)
{
    return QStringView(u"аеёиоуыэюяАЕЁИОУЫЭЮЯ").contains(c);
}

// A hyphen at \a hyphen that joins nothing on its far side (\a step: -1 looks left, +1 right).
bool hangingHyphen(QStringView text, qsizetype hyphen, int step)
{
    if (hyphen < 0 || hyphen >= text.size() || text.at(hyphen) != u'-')
        return false;
    const qsizetype beyond = hyphen + step;
    return beyond < 0 || beyond >= text.size() || !text.at(beyond).isLetter();
}

} // namespace

QList<WordSpan> russianWords(QStringView text)
{
    QList<WordSpan> words;
    qsizetype i = 0;
    while (i < text.size()) {
        if (!isCyrillicLetter(text.at(i))) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < text.size()) {
            if (isCyrillicLetter(text.at(i)) || (text.at(i) == kStressMark && i > start))
                ++i;
            else if (text.at(i) == u'-' && i + 1 < text.size() && isCyrillicLetter(text.at(i + 1)))
                ++i;
            else
                break;
        }
        if (!hangingHyphen(text, start - 1, -1) && !hangingHyphen(text, i, +1))
            words.append({start, i - start});
    }
    return words;
}

QString withoutStressMarks(QStringView text)
{
    QString result = text.toString();
    result.remove(QChar(kStressMark));
    return result;
}

QString stressKey(QStringView word)
{
    return withoutStressMarks(word).toLower();
}

int syllableCount(QStringView word)
{
    int count = 0;
    for (const QChar c : word)
        count += isVowel(c) ? 1 : 0;
    return count;
}

bool needsStress(QStringView key)
{
    if (key.contains(u'ё') || key.contains(u'Ё'))
        return false;
    for (const QStringView part : key.split(u'-')) {
        if (syllableCount(part) >= 2)
            return true;
    }
    return false;
}

QList<int> markedVowels(QStringView form)
{
    QList<int> marked;
    int vowel = -1;
    for (qsizetype i = 0; i < form.size(); ++i) {
        if (isVowel(form.at(i)))
            ++vowel;
        else if (form.at(i) == kStressMark && i > 0 && isVowel(form.at(i - 1)))
            marked.append(vowel);
    }
    return marked;
}

QString withStressOf(QStringView word, QStringView form)
{
    if (stressKey(form) != word.toString().toLower() || word.contains(QChar(kStressMark)))
        return word.toString();
    QString result;
    result.reserve(form.size());
    qsizetype j = 0;
    for (const QChar c : word) {
        result += c;
        ++j;
        if (j < form.size() && form.at(j) == kStressMark) {
            result += QChar(kStressMark);
            ++j;
        }
    }
    return result;
}

QString markStress(const QString &text, const StressTable &table, const CourseRecord &record, StressMarking marking)
{
    QString result;
    qsizetype done = 0;
    for (const WordSpan &span : russianWords(text)) {
        const QStringView word = QStringView(text).mid(span.start, span.length);
        if (word.contains(QChar(kStressMark)))
            continue;
        const QString key = stressKey(word);
        if (!needsStress(key))
            continue;
        const QString form = marking == StressMarking::RecordDecisionsOnly ? table.recordForm(record, key)
                                                                           : table.stressFor(key, record);
        if (form.isEmpty())
            continue;
        result += QStringView(text).mid(done, span.start - done);
        result += withStressOf(word, form);
        done = span.start + span.length;
    }
    result += QStringView(text).mid(done);
    return result;
}

} // namespace Course
