// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <optional>

#include <QDate>
#include <QHash>
#include <QList>

#include "course/exercise.h"
#include "course/fsrs.h"
#include "course/practiceitem.h"

class QRandomGenerator;

namespace Course {

/// A session asks at most this many items.
inline constexpr int kSessionSize = 20;
/// New items a learner meets per day, unless they choose otherwise.
inline constexpr int kNewItemsPerDay = 10;
/// Phrases longer than this many letters are recalled rather than typed.
inline constexpr int kLongestTypedPhrase = 40;
/// An item whose stability reaches this many days counts as known.
inline constexpr double kKnownStability = 21.0;

/// What the scheduler knows of an item the learner has answered: its memory, the day it is
/// due, the days of its first and last answers (the learner's calendar days) and how often
/// it was answered and forgotten.
struct ItemMemory {
    ItemKey key;
    Fsrs::MemoryState memory;
    QDate due;
    QDate lastReview;
    QDate firstReview;
    int reviews = 0;
    int lapses = 0;
};

/// The memory of \a key after an answer graded \a grade on day \a today; \a before is its
/// memory until then, none for a new item. The item is due again after FSRS's interval.
ItemMemory afterAnswer(const std::optional<ItemMemory> &before, ItemKey key, Fsrs::Grade grade, QDate today);

/// The grade an objectively checked answer earns: wrong is Again; right is Good, or Hard
/// when the learner had the genie say it again first or was slow.
Fsrs::Grade objectiveGrade(bool right, bool repeated, bool slow);
/// True when an answer took long: over 15 seconds to choose, over 20 seconds and one more
/// per letter of the answer to type.
bool isSlow(Exercise exercise, qsizetype answerLetters, qint64 answerMs);

/// One item of a session: the item, how it is asked and, for choices, what is shown.
struct SessionEntry {
    PracticeItem item;
    Exercise exercise = Exercise::Recall;
    Choices choices;
    bool isNew = false;
};

/// What a session is for: one lesson (its due items, then new ones within the day's
/// allowance, then its other items whose turn comes soonest), or every due item.
struct SessionRequest {
    std::optional<int> lesson;
    QDate today;
    /// New items that may still be met today.
    int newAllowance = kNewItemsPerDay;
    int language = 0;
    int size = kSessionSize;
    /// The learner can record their voice: items they have met may be asked as Listen and
    /// repeat.
    bool speaking = false;
};

/// Plans a session over the course's \a items with the learner's \a memory. Due items come
/// most overdue first; new items in course order; the two are spread evenly through the
/// session. Each entry gets its exercise (letters: LetterSound; new items: a choice; later
/// ones typing and recall as they grow stable) and its choices.
QList<SessionEntry> planSession(const QList<PracticeItem> &items, const QHash<ItemKey, ItemMemory> &memory,
                                const SessionRequest &request, QRandomGenerator &random);

/// The number of items due on \a day or before.
int dueCount(const QHash<ItemKey, ItemMemory> &memory, QDate day);

/// How one item was answered.
struct AnswerOutcome {
    bool right = false;
    Fsrs::Grade grade = Fsrs::Grade::Again;
};

/// A session as the learner goes through it: the current entry, whether it is answered,
/// whether the genie said it again before the answer, and how many answers were right.
class PracticeSession final {
public:
    explicit PracticeSession(QList<SessionEntry> entries = {});

    int size() const { return int(m_entries.size()); }
    /// The current entry's place, from 0; size() once the session is over.
    int position() const { return m_position; }
    bool finished() const { return m_position >= size(); }
    const SessionEntry &current() const { return m_entries.at(m_position); }
    bool answered() const { return m_outcome.has_value(); }
    std::optional<AnswerOutcome> outcome() const { return m_outcome; }
    int rightAnswers() const { return m_right; }

    /// The genie said the current item again before it was answered.
    void noteRepeat();

    /// Answers the current entry; nothing when it was answered already or does not take
    /// that kind of answer.
    std::optional<AnswerOutcome> choose(int choice, qint64 answerMs);
    std::optional<AnswerOutcome> type(const QString &typed, qint64 answerMs);
    std::optional<AnswerOutcome> grade(Fsrs::Grade grade);

    /// Goes on to the next entry once the current one is answered.
    bool next();

private:
    std::optional<AnswerOutcome> settle(AnswerOutcome outcome);

    QList<SessionEntry> m_entries;
    int m_position = 0;
    bool m_repeated = false;
    std::optional<AnswerOutcome> m_outcome;
    int m_right = 0;
};

} // namespace Course
