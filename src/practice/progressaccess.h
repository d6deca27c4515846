// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <optional>

#include <QHash>

#include "course/practicesession.h"
#include "platform/core/error.h"
#include "practice/practiceservices.h"

namespace Platform {
class ProgressStore;
struct ProgressItemState;
} // namespace Platform

namespace Practice {

/// How much of the progress store a caller needs.
enum class ProgressUse { Read, Record };

/// Opens the learner's progress for \a use, telling the learner in interface language
/// \a language what went wrong through \a tell: a file that was moved aside (the store
/// is usable afterwards), a file of a newer version, a file that cannot be written (when
/// recording), any other failure. With \a quiet only the moved-aside message is shown.
/// Returns true when the store can be used as asked.
bool openProgress(Platform::ProgressStore &store, ProgressUse use, int language, const MessagePresenter &tell,
                  QWidget *parent, bool quiet = false);

/// The scheduler's view of a stored item state, and back.
Course::ItemMemory toMemory(const Platform::ProgressItemState &state);
Platform::ProgressItemState toState(const Course::ItemMemory &memory);

/// Every item's memory, or nothing when the store cannot be read.
std::optional<QHash<Course::ItemKey, Course::ItemMemory>> readMemory(const Platform::ProgressStore &store);

/// Records an answer to \a entry given at \a now on \a today and the item's memory
/// \a after.
Platform::Status recordAnswer(Platform::ProgressStore &store, const Course::SessionEntry &entry,
                              const Course::AnswerOutcome &outcome, const Course::ItemMemory &after,
                              const QDateTime &now, qint64 answerMs);

} // namespace Practice
