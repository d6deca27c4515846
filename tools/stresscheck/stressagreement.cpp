// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "stressagreement.h"

#include <functional>

#include "course/stressmarks.h"
#include "espeakphonemes.h"

namespace StressCheck {

namespace {

struct PhonemeWord {
    QString text;
    QList<PhonemeVowel> vowels;
};

// The vowel indices at which each hyphen-joined part of \a word starts, and its last one.
QList<int> partStarts(const QString &word)
{
    QList<int> starts{0};
    for (const QString &part : word.split(u'-'))
        starts.append(starts.constLast() + Course::syllableCount(part));
    return starts;
}

} // namespace

bool agrees(const QString &form, const QList<int> &voiced, const QList<int> &secondary)
{
    const QList<int> marked = Course::markedVowels(form);
    for (const int vowel : marked) {
        if (!voiced.contains(vowel) && !secondary.contains(vowel))
            return false;
    }
    const QList<int> starts = partStarts(Course::stressKey(form));
    for (const int vowel : voiced) {
        if (marked.contains(vowel))
            continue;
        for (qsizetype part = 0; part + 1 < starts.size(); ++part) {
            if (vowel >= starts.at(part) && vowel < starts.at(part + 1) && starts.at(part + 1) - starts.at(part) >= 2)
                return false;
        }
    }
    return true;
}

QString markVowels(const QString &word, const QList<int> &vowels)
{
    QString result;
    int vowel = -1;
    for (const QChar c : word) {
        result += c;
        if (Course::syllableCount(QStringView(&c, 1)) == 1 && vowels.contains(++vowel))
            result += QChar(Course::kStressMark);
    }
    return result;
}

QList<WordStress> compareStress(const QString &markedText, const QString &trace)
{
    QList<QString> words;
    for (const Course::WordSpan &span : Course::russianWords(markedText))
        words.append(markedText.mid(span.start, span.length).toLower());
    QList<PhonemeWord> phonemeWords;
    for (const QString &text : traceWords(trace))
        phonemeWords.append({text, phonemeVowels(text)});

    // Which phoneme words each text word takes: one, or one per hyphen-joined part, as the
    // vowels count; a word without a vowel takes one whatever it holds (a letter's name) or
    // none (a preposition spoken together with the next word). A depth-first search;
    // sentences are short.
    QList<int> taken(words.size(), 0);
    std::function<bool(qsizetype, qsizetype)> match = [&](qsizetype word, qsizetype phoneme) -> bool {
        if (word == words.size())
            return phoneme == phonemeWords.size();
        const QString key = Course::stressKey(words.at(word));
        const int vowels = Course::syllableCount(key);
        QList<int> counts;
        if (vowels == 0)
            counts = {1, 0};
        for (int count = 1; vowels > 0 && count <= int(key.count(u'-')) + 1; ++count)
            counts.append(count);
        for (const int count : std::as_const(counts)) {
            if (phoneme + count > phonemeWords.size())
                continue;
            int heard = 0;
            for (int i = 0; i < count; ++i)
                heard += int(phonemeWords.at(phoneme + i).vowels.size());
            if ((vowels == 0 || heard == vowels) && match(word + 1, phoneme + count)) {
                taken[word] = count;
                return true;
            }
        }
        return false;
    };
    const bool matched = match(0, 0);

    QList<WordStress> result;
    qsizetype phoneme = 0;
    for (qsizetype i = 0; i < words.size(); ++i) {
        WordStress stress;
        stress.expected = words.at(i);
        const QString key = Course::stressKey(words.at(i));
        stress.needsStress = Course::needsStress(key);
        if (matched) {
            QList<int> voiced;
            QList<int> secondary;
            int offset = 0;
            QStringList phonemes;
            for (int j = 0; j < taken.at(i); ++j, ++phoneme) {
                const PhonemeWord &word = phonemeWords.at(phoneme);
                phonemes << word.text;
                for (qsizetype v = 0; v < word.vowels.size(); ++v) {
                    if (word.vowels.at(v).stressed)
                        voiced.append(offset + int(v));
                    if (word.vowels.at(v).secondary)
                        secondary.append(offset + int(v));
                }
                offset += int(word.vowels.size());
            }
            stress.phonemes = phonemes.join(u' ');
            stress.heard = markVowels(key, voiced);
            stress.agrees = !stress.needsStress || agrees(stress.expected, voiced, secondary);
        }
        result.append(stress);
    }
    return result;
}

} // namespace StressCheck
