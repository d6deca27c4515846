// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "practice/progressaccess.h"

#include <QDir>

#include "platform/progress/progressstore.h"
#include "practice/practicetexts.h"

namespace Practice {

bool openProgress(Platform::ProgressStore &store, ProgressUse use, int language, const MessagePresenter &tell,
                  QWidget *parent, bool quiet)
{
    const auto report = store.open();
    const QString title = practiceText(language, QStringLiteral("title"));
    const auto say = [&](const QString &key, const QString &argument) {
        QString message = practiceText(language, key);
        if (message.contains(QLatin1String("%1")))
            message = message.arg(QDir::toNativeSeparators(argument));
        if (tell)
            tell(parent, title, message);
    };
    if (report) {
        if (!report->movedAsideTo.isEmpty())
            say(QStringLiteral("progressUnreadable"), report->movedAsideTo);
        // A store opened for reading earlier stays unable to record.
        if (use == ProgressUse::Record && !store.isWritable()) {
            if (!quiet)
                say(QStringLiteral("progressReadOnly"), store.path());
            return false;
        }
        return true;
    }
    const qint64 code = report.error().code;
    if (code == Platform::ErrorCode::ProgressReadOnly && use == ProgressUse::Read && store.isOpen())
        return true;
    if (quiet)
        return false;
    if (code == Platform::ErrorCode::ProgressNewerVersion)
        say(QStringLiteral("progressNewer"), store.path());
    else if (code == Platform::ErrorCode::ProgressReadOnly)
        say(QStringLiteral("progressReadOnly"), store.path());
    else
        say(QStringLiteral("progressFailed"), report.error().detail);
    return false;
}

Course::ItemMemory toMemory(const Platform::ProgressItemState &state)
{
    Course::ItemMemory memory;
    memory.key = {state.lesson, state.record};
    memory.memory = {state.stability, state.difficulty};
    memory.due = state.due;
    memory.lastReview = state.lastReview;
    memory.firstReview = state.firstReview;
    memory.reviews = state.reviews;
    memory.lapses = state.lapses;
    return memory;
}

Platform::ProgressItemState toState(const Course::ItemMemory &memory)
{
    return {memory.key.lesson,        memory.key.record, memory.memory.stability,
            memory.memory.difficulty, memory.due,        memory.lastReview,
            memory.firstReview,       memory.reviews,    memory.lapses};
}

std::optional<QHash<Course::ItemKey, Course::ItemMemory>> readMemory(const Platform::ProgressStore &store)
{
    const auto states = store.itemStates();
    if (!states)
        return std::nullopt;
    QHash<Course::ItemKey, Course::ItemMemory> memory;
    memory.reserve(states->size());
    for (const Platform::ProgressItemState &state : *states)
        memory.insert({state.lesson, state.record}, toMemory(state));
    return memory;
}

Platform::Status recordAnswer(Platform::ProgressStore &store, const Course::SessionEntry &entry,
                              const Course::AnswerOutcome &outcome, const Course::ItemMemory &after,
                              const QDateTime &now, qint64 answerMs)
{
    Platform::ProgressAnswer answer;
    answer.reviewedAt = now.toUTC();
    answer.reviewDay = after.lastReview;
    answer.lesson = entry.item.key.lesson;
    answer.record = entry.item.key.record;
    answer.exercise = Course::exerciseName(entry.exercise);
    answer.grade = int(outcome.grade);
    answer.answerMs = answerMs;
    return store.recordAnswer(answer, toState(after));
}

} // namespace Practice
