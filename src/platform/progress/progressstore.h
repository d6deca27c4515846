// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include "platform/core/error.h"

namespace Platform {

namespace ErrorCode {
/// The progress file was written by a newer version of the program; it is left untouched.
inline constexpr qint64 ProgressNewerVersion = 7101;
/// The progress file can be read but not written.
inline constexpr qint64 ProgressReadOnly = 7102;
/// The progress file cannot be created, opened or written for another reason.
inline constexpr qint64 ProgressUnavailable = 7103;
/// An operation on a store that is not open.
inline constexpr qint64 ProgressNotOpen = 7104;
} // namespace ErrorCode

/// The memory the learner has of one practice item, as the store keeps it. Items are
/// known by lesson and record; days are the learner's calendar days.
struct ProgressItemState {
    int lesson = 0;
    int record = 0;
    double stability = 0;
    double difficulty = 0;
    QDate due;
    QDate lastReview;
    QDate firstReview;
    int reviews = 0;
    int lapses = 0;
    friend bool operator==(const ProgressItemState &, const ProgressItemState &) = default;
};

/// One answer: when (UTC) and on which of the learner's days, to which item, in which
/// exercise, with which grade (1 Again … 4 Easy; 2 and above count as answered right) and
/// how long the learner took.
struct ProgressAnswer {
    QDateTime reviewedAt;
    QDate reviewDay;
    int lesson = 0;
    int record = 0;
    QString exercise;
    int grade = 0;
    qint64 answerMs = 0;
};

/// Answers given on one day and how many of them were right.
struct ProgressDayTally {
    QDate day;
    int answers = 0;
    int right = 0;
    friend bool operator==(const ProgressDayTally &, const ProgressDayTally &) = default;
};

/// Items falling due on one day.
struct ProgressDueDay {
    QDate day;
    int items = 0;
    friend bool operator==(const ProgressDueDay &, const ProgressDueDay &) = default;
};

/// What opening the store found.
struct ProgressOpenReport {
    /// A new, empty store was started (there was none, or the old one was moved aside).
    bool created = false;
    /// The path an unreadable or foreign file was moved to; empty when nothing was moved.
    QString movedAsideTo;
};

/// The learner's practice progress: one row per answer and one memory state per item.
/// Every answer is kept durably before recordAnswer() returns. The store speaks in plain
/// values; scheduling is the caller's business.
class ProgressStore {
public:
    virtual ~ProgressStore() = default;

    /// Where the store keeps its file.
    virtual QString path() const = 0;

    /// Opens the store, creating it when missing. A file that cannot be read, or that is
    /// not a progress file, is moved aside (with the files the database keeps beside it)
    /// and a fresh store is started; the report names where it went. Fails with
    /// ProgressNewerVersion (the file is left as it is), ProgressReadOnly (the store stays
    /// open for reading) or ProgressUnavailable. Opening an open store reports nothing new.
    virtual Result<ProgressOpenReport> open() = 0;
    virtual bool isOpen() const = 0;
    /// True when answers can be recorded.
    virtual bool isWritable() const = 0;

    /// Records \a answer and the item's new memory \a state in one transaction, committed
    /// and synced before it returns. On failure nothing of either is kept.
    virtual Status recordAnswer(const ProgressAnswer &answer, const ProgressItemState &state) = 0;

    /// Every item's memory state.
    virtual Result<QList<ProgressItemState>> itemStates() const = 0;
    /// The number of items due on \a day or earlier.
    virtual Result<int> dueCount(QDate day) const = 0;
    /// The number of items whose first answer fell on \a day.
    virtual Result<int> firstAnsweredOn(QDate day) const = 0;
    /// Answers per day from \a first to \a last, one entry per day that has answers.
    virtual Result<QList<ProgressDayTally>> answersPerDay(QDate first, QDate last) const = 0;
    /// Items due per day from \a first to \a last, one entry per day that has any; items
    /// overdue before \a first count on \a first.
    virtual Result<QList<ProgressDueDay>> dueForecast(QDate first, QDate last) const = 0;
    /// The days with at least one answer, up to \a last, latest first, at most \a limit.
    virtual Result<QList<QDate>> practiceDays(QDate last, int limit) const = 0;
};

} // namespace Platform
