// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>
#include <QStringList>

class QRandomGenerator;

namespace Course {

struct PracticeItem;

/// The ways a practice item is asked.
enum class Exercise {
    /// The genie says the phrase; the learner chooses its meaning.
    ListenChoose,
    /// The meaning is shown; the learner chooses the Russian phrase.
    ReadChoose,
    /// The genie says the phrase; the learner types it.
    ListenType,
    /// The meaning is shown; the learner recalls the phrase and grades themselves.
    Recall,
    /// The genie says a letter; the learner chooses the letter.
    LetterSound,
    /// The genie says the phrase; the learner says it after it (recording themselves where
    /// they can), then sees it and grades themselves.
    ListenRepeat,
};

/// The exercise's name in the progress file ("listen-choose", "read-choose", "listen-type",
/// "recall", "letter-sound", "listen-repeat"); stored names never change.
QString exerciseName(Exercise exercise);

/// True for the exercises the learner chooses an answer in.
bool isChoice(Exercise exercise);
/// True for the choice exercises whose choices are Russian text (phrases or letters).
bool choiceShowsRussian(Exercise exercise);
/// True for the exercises whose answer starts with the genie speaking.
bool startsSpoken(Exercise exercise);

/// The item's meaning in interface language \a language, or its English meaning when that
/// one is empty.
QString meaningFor(const PracticeItem &item, int language);

/// The text a choice shows for \a item in \a exercise: its meaning for ListenChoose, its
/// Russian text for ReadChoose and LetterSound; empty for the other exercises.
QString choiceText(const PracticeItem &item, Exercise exercise, int language);

/// The choices of a choice exercise, in the order shown, and which of them is right.
struct Choices {
    QStringList texts;
    int right = -1;
};

/// The right choice and up to three wrong ones for \a item, shuffled. Wrong choices come
/// from items of the same lesson in \a candidates; none shows the right answer's text, no
/// two show the same text, and none is a phrase that would be right too (the same Russian
/// text, or for phrases the same meaning). Phrase texts count as the same when their
/// comparison forms (AnswerCheck) are; letters only when they are equal. Fewer than three
/// wrong choices are given when the lesson has no more.
Choices makeChoices(const PracticeItem &item, Exercise exercise, const QList<PracticeItem> &candidates, int language,
                    QRandomGenerator &random);

} // namespace Course
