// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "course/exercise.h"

#include <QRandomGenerator>
#include <QSet>

#include "course/answercheck.h"
#include "course/languages.h"
#include "course/practiceitem.h"

namespace Course {

namespace {

constexpr int kWrongChoices = 3;

QString identity(const QString &text, bool letter)
{
    return letter ? text.trimmed() : AnswerCheck::comparisonForm(text);
}

void shuffle(QList<const PracticeItem *> &items, QRandomGenerator &random)
{
    for (qsizetype i = items.size() - 1; i > 0; --i)
        items.swapItemsAt(i, qsizetype(random.bounded(quint32(i + 1))));
}

} // namespace

QString exerciseName(Exercise exercise)
{
    switch (exercise) {
    case Exercise::ListenChoose:
        return QStringLiteral("listen-choose");
    case Exercise::ReadChoose:
        return QStringLiteral("read-choose");
    case Exercise::ListenType:
        return QStringLiteral("listen-type");
    case Exercise::Recall:
        return QStringLiteral("recall");
    case Exercise::LetterSound:
        return QStringLiteral("letter-sound");
    case Exercise::ListenRepeat:
        return QStringLiteral("listen-repeat");
    }
    return {};
}

bool isChoice(Exercise exercise)
{
    return exercise == Exercise::ListenChoose || exercise == Exercise::ReadChoose || exercise == Exercise::LetterSound;
}

bool choiceShowsRussian(Exercise exercise)
{
    return exercise == Exercise::ReadChoose || exercise == Exercise::LetterSound;
}

bool startsSpoken(Exercise exercise)
{
    return exercise == Exercise::ListenChoose || exercise == Exercise::ListenType || exercise == Exercise::LetterSound
        || exercise == Exercise::ListenRepeat;
}

QString meaningFor(const PracticeItem &item, int language)
{
    const QString own = item.meaning(language).trimmed();
    return own.isEmpty() ? item.meaning(Language::English).trimmed() : own;
}

QString choiceText(const PracticeItem &item, Exercise exercise, int language)
{
    switch (exercise) {
    case Exercise::ListenChoose:
        return meaningFor(item, language);
    case Exercise::ReadChoose:
    case Exercise::LetterSound:
        return item.russian;
    case Exercise::ListenType:
    case Exercise::Recall:
    case Exercise::ListenRepeat:
        break;
    }
    return {};
}

Choices makeChoices(const PracticeItem &item, Exercise exercise, const QList<PracticeItem> &candidates, int language,
                    QRandomGenerator &random)
{
    Choices choices;
    const QString rightText = choiceText(item, exercise, language);
    if (rightText.isEmpty())
        return choices;
    const bool letters = item.isLetter;
    // Texts that may not be shown again, and the two sides of the item that would make
    // another phrase right as well.
    QSet<QString> shown{identity(rightText, letters)};
    const QString sameRussian = identity(item.russian, letters);
    const QString sameMeaning = letters ? QString() : identity(meaningFor(item, language), false);

    QList<const PracticeItem *> pool;
    for (const PracticeItem &candidate : candidates) {
        if (candidate.key.lesson == item.key.lesson && candidate.key != item.key && candidate.isLetter == letters)
            pool.append(&candidate);
    }
    shuffle(pool, random);

    QStringList texts{rightText};
    for (const PracticeItem *candidate : std::as_const(pool)) {
        if (texts.size() > kWrongChoices)
            break;
        const QString text = choiceText(*candidate, exercise, language);
        const QString id = identity(text, letters);
        if (text.isEmpty() || id.isEmpty() || shown.contains(id))
            continue;
        if (identity(candidate->russian, letters) == sameRussian)
            continue;
        if (!letters && identity(meaningFor(*candidate, language), false) == sameMeaning)
            continue;
        shown.insert(id);
        texts.append(text);
    }
    // The right answer goes to a random place among the choices.
    const int right = int(random.bounded(quint32(texts.size())));
    texts.swapItemsAt(0, right);
    choices.texts = texts;
    choices.right = right;
    return choices;
}

} // namespace Course
