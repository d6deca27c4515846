// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "stressderivation.h"

#include <QList>

#include "course/stressmarks.h"
#include "espeakphonemes.h"

namespace StressCheck {

namespace {

// Where a vowel stands relative to the stress of its word part.
enum class Place { Stressed, JustBefore, Before, After };

// What precedes a vowel letter, as far as the voice's choice of vowel depends on it.
enum class Before { Start, Vowel, Sign, Hard, Soft };

struct Unit {
    QString text;
    bool vowel = false;
    bool stressed = false;
};

Place placeOf(int vowel, int stress)
{
    if (stress < 0 || vowel > stress)
        return Place::After;
    if (vowel == stress)
        return Place::Stressed;
    return vowel == stress - 1 ? Place::JustBefore : Place::Before;
}

Before beforeOf(const QString &word, qsizetype letter)
{
    if (letter == 0 || word.at(letter - 1) == u'-')
        return Before::Start;
    const QChar previous = word.at(letter - 1);
    if (Course::syllableCount(QStringView(&previous, 1)) == 1)
        return Before::Vowel;
    if (previous == u'ь' || previous == u'ъ')
        return Before::Sign;
    if (QStringView(u"жшц").contains(previous))
        return Before::Hard;
    if (QStringView(u"чщй").contains(previous))
        return Before::Soft;
    return Before::Hard;
}

// The vowel the Russian voice says for \a letter in \a place; \a hushing is a preceding
// ж, ш or ц; \a last is the last letter of the word part.
QString vowelFor(QChar letter, Place place, Before before, bool hushing, bool last)
{
    const bool stressed = place == Place::Stressed;
    const bool afterConsonant = before == Before::Hard || before == Before::Soft;
    switch (letter.unicode()) {
    case u'а':
        if (stressed)
            return QStringLiteral("A");
        if (last)
            return before == Before::Soft && !hushing ? QStringLiteral("V") : QStringLiteral("a#");
        return place == Place::JustBefore || before == Before::Start ? QStringLiteral("a") : QStringLiteral("V");
    case u'о':
        return stressed ? QStringLiteral("o") : QStringLiteral("V");
    case u'е':
        if (stressed)
            return hushing ? QStringLiteral("E") : QStringLiteral("e");
        if (hushing)
            return QStringLiteral("y");
        if (before == Before::Start || (last && !afterConsonant))
            return QStringLiteral("I");
        return QStringLiteral("i");
    case u'и':
        if (last || before == Before::Start)
            return QStringLiteral("I");
        return hushing ? QStringLiteral("y") : QStringLiteral("i");
    case u'ы':
        return QStringLiteral("y");
    case u'у':
        return before == Before::Soft && !hushing ? QStringLiteral("u#") : QStringLiteral("u");
    case u'ю':
        return afterConsonant ? QStringLiteral("u\"") : QStringLiteral("ju");
    case u'я':
        if (!afterConsonant)
            return QStringLiteral("ja");
        if (stressed)
            return QStringLiteral("A");
        return place == Place::JustBefore && !last ? QStringLiteral("a") : QStringLiteral("V");
    case u'э':
        if (stressed)
            return QStringLiteral("E");
        return before == Before::Vowel ? QStringLiteral("E2") : QStringLiteral("E#");
    default:
        return {};
    }
}

// The phonemes cut into vowels and what lies between them; stress marks are dropped and
// remembered on their vowel.
QList<Unit> unitsOf(const QString &phonemes)
{
    QList<Unit> units;
    const auto appendText = [&units](QChar c) {
        if (units.isEmpty() || units.constLast().vowel)
            units.append(Unit{});
        units.last().text += c;
    };
    bool stressed = false;
    qsizetype i = 0;
    while (i < phonemes.size()) {
        const QStringView rest = QStringView(phonemes).mid(i);
        if (rest.front() == u'\'' || rest.front() == u',') {
            stressed = rest.front() == u'\'';
            ++i;
            continue;
        }
        if (rest.startsWith(u"@-") || rest.startsWith(u"I^")) {
            appendText(rest.at(0));
            appendText(rest.at(1));
            i += 2;
            continue;
        }
        const QList<PhonemeVowel> vowel = phonemeVowels(rest.left(3));
        if (!vowel.isEmpty() && rest.startsWith(vowel.constFirst().phoneme)) {
            units.append({vowel.constFirst().phoneme, true, stressed});
            stressed = false;
            i += vowel.constFirst().phoneme.size();
            continue;
        }
        appendText(rest.front());
        ++i;
    }
    return units;
}

} // namespace

std::optional<QString> phonemesWithStress(const QString &form, const QString &phonemes)
{
    const QString word = Course::stressKey(form);
    QList<Unit> units = unitsOf(phonemes);
    QList<Unit *> vowels;
    for (Unit &unit : units) {
        if (unit.vowel)
            vowels.append(&unit);
    }
    QList<qsizetype> letters;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (Course::syllableCount(QStringView(word).mid(i, 1)) == 1)
            letters.append(i);
    }
    if (letters.size() != vowels.size())
        return std::nullopt;

    const QList<int> target = Course::markedVowels(form);
    int first = 0;
    for (const QString &part : word.split(u'-')) {
        const int end = first + Course::syllableCount(part);
        int oldStress = -1;
        int newStress = -1;
        for (int v = first; v < end; ++v) {
            if (vowels.at(v)->stressed && oldStress < 0)
                oldStress = v - first;
            if (target.contains(v))
                newStress = v - first;
        }
        for (int v = first; v < end; ++v) {
            const Place oldPlace = placeOf(v - first, oldStress);
            const Place newPlace = placeOf(v - first, newStress);
            if (oldPlace != newPlace) {
                const qsizetype letter = letters.at(v);
                const bool hushing = letter > 0 && QStringView(u"жшц").contains(word.at(letter - 1));
                const bool last = letter + 1 == word.size() || word.at(letter + 1) == u'-';
                const QString vowel = vowelFor(word.at(letter), newPlace, beforeOf(word, letter), hushing, last);
                if (!vowel.isEmpty())
                    vowels.at(v)->text = vowel;
            }
            vowels.at(v)->stressed = newPlace == Place::Stressed;
        }
        first = end;
    }
    QString result;
    for (const Unit &unit : std::as_const(units))
        result += (unit.vowel && unit.stressed ? QStringLiteral("'") : QString()) + unit.text;
    return result;
}

} // namespace StressCheck
