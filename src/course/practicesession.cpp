// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "course/practicesession.h"

#include <algorithm>
#include <limits>

#include <QRandomGenerator>

#include "course/answercheck.h"
#include "course/languages.h"

namespace Course {

namespace {

constexpr qint64 kSlowChoiceMs = 15000;
constexpr qint64 kSlowTypingMs = 20000;
constexpr qint64 kSlowTypingPerLetterMs = 1000;
// Below this stability (days) an item is still asked mostly by choosing.
constexpr double kYoungStability = 7.0;

// The exercise for \a item: letters are heard and chosen; new items are chosen; later
// ones are typed and recalled more as they grow stable. Among the fitting exercises the one
// the session has used least is taken, so that a session mixes them.
Exercise chooseExercise(const PracticeItem &item, const std::optional<ItemMemory> &memory, bool speaking,
                        QHash<Exercise, int> &used, QRandomGenerator &random)
{
    if (item.isLetter)
        return Exercise::LetterSound;
    QList<Exercise> options;
    if (!memory)
        options = {Exercise::ListenChoose, Exercise::ReadChoose};
    else if (memory->memory.stability < kYoungStability)
        options = {Exercise::ListenChoose, Exercise::ReadChoose, Exercise::ListenType};
    else
        options = {Exercise::ListenType, Exercise::Recall, Exercise::ReadChoose};
    // Saying a phrase after the genie suits any phrase the learner has met.
    if (memory && speaking)
        options.append(Exercise::ListenRepeat);
    if (options.contains(Exercise::ListenType)
        && AnswerCheck::comparisonForm(item.russian).size() > kLongestTypedPhrase) {
        options.removeAll(Exercise::ListenType);
        if (!options.contains(Exercise::Recall))
            options.append(Exercise::Recall);
    }
    int fewest = std::numeric_limits<int>::max();
    for (const Exercise option : std::as_const(options))
        fewest = std::min(fewest, used.value(option));
    options.removeIf([&](Exercise option) { return used.value(option) > fewest; });
    const Exercise exercise = options.at(qsizetype(random.bounded(quint32(options.size()))));
    ++used[exercise];
    return exercise;
}

// Spreads \a fresh evenly through \a reviewed, keeping the order of each.
QList<SessionEntry> interleave(const QList<SessionEntry> &reviewed, const QList<SessionEntry> &fresh)
{
    const qsizetype total = reviewed.size() + fresh.size();
    QList<SessionEntry> merged;
    merged.reserve(total);
    qsizetype nextReviewed = 0;
    qsizetype nextFresh = 0;
    for (qsizetype place = 0; place < total; ++place) {
        // The fresh item i belongs at place (2i + 1) · total / (2 · count), rounded down.
        const bool freshHere = nextFresh < fresh.size()
            && (nextReviewed >= reviewed.size() || (2 * nextFresh + 1) * total / (2 * fresh.size()) <= place);
        merged.append(freshHere ? fresh.at(nextFresh++) : reviewed.at(nextReviewed++));
    }
    return merged;
}

} // namespace

ItemMemory afterAnswer(const std::optional<ItemMemory> &before, ItemKey key, Fsrs::Grade grade, QDate today)
{
    ItemMemory after;
    after.key = key;
    after.lastReview = today;
    if (!before) {
        after.memory = Fsrs::firstReview(grade);
        after.firstReview = today;
        after.reviews = 1;
    } else {
        // A clock set back never makes the time since the last answer negative.
        const qint64 elapsed = std::max<qint64>(0, before->lastReview.daysTo(today));
        after.memory = Fsrs::nextReview(before->memory, double(elapsed), grade);
        after.firstReview = before->firstReview.isValid() ? before->firstReview : today;
        after.reviews = before->reviews + 1;
        after.lapses = before->lapses + (grade == Fsrs::Grade::Again ? 1 : 0);
    }
    after.due = today.addDays(Fsrs::intervalDays(after.memory.stability));
    return after;
}

Fsrs::Grade objectiveGrade(bool right, bool repeated, bool slow)
{
    if (!right)
        return Fsrs::Grade::Again;
    return repeated || slow ? Fsrs::Grade::Hard : Fsrs::Grade::Good;
}

bool isSlow(Exercise exercise, qsizetype answerLetters, qint64 answerMs)
{
    if (exercise == Exercise::ListenType)
        return answerMs > kSlowTypingMs + kSlowTypingPerLetterMs * answerLetters;
    return isChoice(exercise) && answerMs > kSlowChoiceMs;
}

QList<SessionEntry> planSession(const QList<PracticeItem> &items, const QHash<ItemKey, ItemMemory> &memory,
                                const SessionRequest &request, QRandomGenerator &random)
{
    const int language = Language::isInterfaceLanguage(request.language) ? request.language : Language::English;
    QList<const PracticeItem *> due;
    QList<const PracticeItem *> fresh;
    QList<const PracticeItem *> early;
    for (const PracticeItem &item : items) {
        if (request.lesson && item.key.lesson != *request.lesson)
            continue;
        const auto known = memory.constFind(item.key);
        if (known == memory.constEnd())
            fresh.append(&item);
        else if (known->due <= request.today)
            due.append(&item);
        else
            early.append(&item);
    }
    const auto recall = [&](const PracticeItem *item) {
        const ItemMemory &m = memory[item->key];
        return Fsrs::retrievability(double(m.lastReview.daysTo(request.today)), m.memory.stability);
    };
    // Most overdue first; among items due the same day, the likeliest forgotten first.
    std::stable_sort(due.begin(), due.end(), [&](const PracticeItem *a, const PracticeItem *b) {
        const QDate dueA = memory[a->key].due;
        const QDate dueB = memory[b->key].due;
        return dueA != dueB ? dueA < dueB : recall(a) < recall(b);
    });
    std::stable_sort(early.begin(), early.end(), [&](const PracticeItem *a, const PracticeItem *b) {
        return memory[a->key].due < memory[b->key].due;
    });

    const int size = std::max(0, request.size);
    QList<const PracticeItem *> reviewed = due.mid(0, size);
    QList<const PracticeItem *> introduced;
    if (request.lesson) {
        const qsizetype room = size - reviewed.size();
        introduced = fresh.mid(0, std::clamp<qsizetype>(request.newAllowance, 0, room));
        reviewed += early.mid(0, size - reviewed.size() - introduced.size());
    }

    QHash<Exercise, int> used;
    const auto entryFor = [&](const PracticeItem *item, bool isNew) {
        SessionEntry entry;
        entry.item = *item;
        entry.isNew = isNew;
        const auto known = memory.constFind(item->key);
        entry.exercise = chooseExercise(*item, known == memory.constEnd() ? std::nullopt : std::optional(*known),
                                        request.speaking, used, random);
        if (isChoice(entry.exercise)) {
            entry.choices = makeChoices(*item, entry.exercise, items, language, random);
            // A lesson without a second distinct text cannot offer a choice.
            if (entry.choices.texts.size() < 2) {
                entry.exercise = Exercise::Recall;
                entry.choices = {};
            }
        }
        return entry;
    };
    QList<SessionEntry> reviewedEntries;
    for (const PracticeItem *item : std::as_const(reviewed))
        reviewedEntries.append(entryFor(item, false));
    QList<SessionEntry> freshEntries;
    for (const PracticeItem *item : std::as_const(introduced))
        freshEntries.append(entryFor(item, true));
    return interleave(reviewedEntries, freshEntries);
}

int dueCount(const QHash<ItemKey, ItemMemory> &memory, QDate day)
{
    return int(std::count_if(memory.cbegin(), memory.cend(), [day](const ItemMemory &m) { return m.due <= day; }));
}

PracticeSession::PracticeSession(QList<SessionEntry> entries)
    : m_entries(std::move(entries))
{
}

void PracticeSession::noteRepeat()
{
    if (!finished() && !answered())
        m_repeated = true;
}

std::optional<AnswerOutcome> PracticeSession::choose(int choice, qint64 answerMs)
{
    if (finished() || answered() || !isChoice(current().exercise))
        return std::nullopt;
    const SessionEntry &entry = current();
    if (choice < 0 || choice >= entry.choices.texts.size())
        return std::nullopt;
    const bool right = choice == entry.choices.right;
    return settle({right, objectiveGrade(right, m_repeated, isSlow(entry.exercise, 0, answerMs))});
}

std::optional<AnswerOutcome> PracticeSession::type(const QString &typed, qint64 answerMs)
{
    if (finished() || answered() || current().exercise != Exercise::ListenType)
        return std::nullopt;
    const QString &right = current().item.russian;
    const bool isRight = AnswerCheck::isRight(typed, right);
    const qsizetype letters = AnswerCheck::comparisonForm(right).size();
    return settle({isRight, objectiveGrade(isRight, m_repeated, isSlow(Exercise::ListenType, letters, answerMs))});
}

std::optional<AnswerOutcome> PracticeSession::grade(Fsrs::Grade grade)
{
    if (finished() || answered()
        || (current().exercise != Exercise::Recall && current().exercise != Exercise::ListenRepeat))
        return std::nullopt;
    return settle({grade != Fsrs::Grade::Again, grade});
}

std::optional<AnswerOutcome> PracticeSession::settle(AnswerOutcome outcome)
{
    m_outcome = outcome;
    if (outcome.right)
        ++m_right;
    return outcome;
}

bool PracticeSession::next()
{
    if (finished() || !answered())
        return false;
    ++m_position;
    m_repeated = false;
    m_outcome.reset();
    return true;
}

} // namespace Course
