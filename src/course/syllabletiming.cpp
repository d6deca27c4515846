// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "course/syllabletiming.h"

#include <algorithm>

#include "course/stressmarks.h"

namespace Course {

namespace {

bool isVowel(QChar c)
{
    return QStringView(u"аеёиоуыэюяАЕЁИОУЫЭЮЯ").contains(c);
}

bool closesSyllable(QChar c)
{
    return QStringView(u"йьъЙЬЪ").contains(c);
}

bool isSonorant(QChar c)
{
    return QStringView(u"лмнрЛМНР").contains(c);
}

// Words of one syllable that lean on their neighbour and carry no stress of their own.
bool isClitic(const QString &key)
{
    static const QStringList clitics{u"в"_qs, u"во"_qs, u"на"_qs, u"с"_qs,  u"со"_qs, u"к"_qs,  u"ко"_qs, u"у"_qs,
                                     u"о"_qs, u"об"_qs, u"от"_qs, u"до"_qs, u"по"_qs, u"за"_qs, u"из"_qs, u"без"_qs,
                                     u"и"_qs, u"а"_qs,  u"но"_qs, u"не"_qs, u"ни"_qs, u"же"_qs, u"ли"_qs, u"бы"_qs};
    return clitics.contains(key);
}

// Where the syllable after the vowel at \a vowelEnd begins, given the next vowel at \a next.
qsizetype boundary(QStringView word, qsizetype vowelEnd, qsizetype next)
{
    qsizetype at = vowelEnd;
    while (at < next && (closesSyllable(word.at(at)) || word.at(at) == u'-'))
        ++at;
    // A sonorant followed by another consonant closes the syllable, with its soft sign.
    if (at < next && isSonorant(word.at(at))) {
        qsizetype after = at + 1;
        while (after < next && closesSyllable(word.at(after)))
            ++after;
        if (after < next && word.at(after) != u'-')
            at = after;
    }
    return at;
}

int letterWeight(const QString &syllable)
{
    return std::max<int>(1, int(withoutStressMarks(syllable).size()));
}

} // namespace

QStringList splitSyllables(QStringView word)
{
    QList<qsizetype> vowels;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (isVowel(word.at(i)))
            vowels << i;
    }
    if (vowels.size() <= 1)
        return {word.toString()};
    QStringList syllables;
    qsizetype start = 0;
    for (qsizetype k = 0; k + 1 < vowels.size(); ++k) {
        qsizetype vowelEnd = vowels.at(k) + 1;
        if (vowelEnd < word.size() && word.at(vowelEnd) == kStressMark)
            ++vowelEnd;
        const qsizetype cut = boundary(word, vowelEnd, vowels.at(k + 1));
        syllables << word.mid(start, cut - start).toString();
        start = cut;
    }
    syllables << word.mid(start).toString();
    return syllables;
}

int stressedSyllable(QStringView word)
{
    const QStringList syllables = splitSyllables(word);
    for (qsizetype i = 0; i < syllables.size(); ++i) {
        const QString &syllable = syllables.at(i);
        if (syllable.contains(kStressMark) || syllable.contains(u'ё') || syllable.contains(u'Ё'))
            return int(i);
    }
    if (syllables.size() == 1 && syllableCount(word) == 1 && !isClitic(stressKey(word)))
        return 0;
    return -1;
}

QList<TimedSyllable> placeSyllables(const QString &text, const QList<qint64> &wordStartsMs, qint64 endMs)
{
    const QList<WordSpan> spans = russianWords(text);
    struct Word {
        QStringList syllables;
        int stressed = -1;
        int weight = 0;
    };
    QList<Word> words;
    int totalWeight = 0;
    for (const WordSpan &span : spans) {
        const QStringView written = QStringView(text).mid(span.start, span.length);
        Word word{splitSyllables(written), stressedSyllable(written), 0};
        for (const QString &syllable : std::as_const(word.syllables))
            word.weight += letterWeight(syllable);
        totalWeight += word.weight;
        words << word;
    }
    if (words.isEmpty())
        return {};

    // Each word's span on the time line.
    QList<std::pair<qint64, qint64>> wordSpans;
    if (wordStartsMs.size() == words.size()) {
        for (qsizetype i = 0; i < words.size(); ++i) {
            const qint64 start = wordStartsMs.at(i);
            const qint64 end = i + 1 < words.size() ? wordStartsMs.at(i + 1) : std::max(endMs, start);
            wordSpans << std::pair{start, std::max(start, end)};
        }
    } else {
        const qint64 from = wordStartsMs.isEmpty() ? 0 : std::min(wordStartsMs.first(), endMs);
        qint64 weightSoFar = 0;
        for (const Word &word : std::as_const(words)) {
            const qint64 start = from + (endMs - from) * weightSoFar / totalWeight;
            weightSoFar += word.weight;
            wordSpans << std::pair{start, from + (endMs - from) * weightSoFar / totalWeight};
        }
    }

    QList<TimedSyllable> placed;
    for (qsizetype w = 0; w < words.size(); ++w) {
        const Word &word = words.at(w);
        const auto [start, end] = wordSpans.at(w);
        qint64 weightSoFar = 0;
        for (qsizetype s = 0; s < word.syllables.size(); ++s) {
            const QString &syllable = word.syllables.at(s);
            const qint64 from = start + (end - start) * weightSoFar / word.weight;
            weightSoFar += letterWeight(syllable);
            placed << TimedSyllable{withoutStressMarks(syllable), from,
                                    start + (end - start) * weightSoFar / word.weight, s == word.stressed, int(w)};
        }
    }
    return placed;
}

} // namespace Course
