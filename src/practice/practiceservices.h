// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <functional>

#include <QDateTime>

#include "course/practicesession.h"
#include "platform/core/apppaths.h"
#include "practice/russiandisplay.h"

class QWidget;

namespace Course {
struct ProgramState;
}
namespace Platform {
class CharacterService;
class DatabaseEngine;
class ProgressStore;
class SettingsStore;
} // namespace Platform

namespace Practice {

struct SpeakingServices;

/// Shows a message with an OK button and returns when the learner has read it.
using MessagePresenter = std::function<void(QWidget *parent, const QString &title, const QString &text)>;

/// What the practice windows need from the program. Nothing is owned; the shell keeps every
/// service alive for as long as the windows exist.
struct PracticeServices {
    /// The interface language and the learner's speech rate; must not be null.
    Course::ProgramState *state = nullptr;
    /// Read for the "Speed" setting while no lesson window has set the rate; may be null.
    Platform::SettingsStore *settings = nullptr;
    /// The character service behind the practice window's own Agent control; may be null,
    /// and the window then works without the character.
    Platform::CharacterService *characters = nullptr;
    /// Recording and hearing the learner's voice (Recall and Listen-and-repeat items); may
    /// be null, and the window then offers no recording and no Listen-and-repeat items.
    const SpeakingServices *speaking = nullptr;
    /// Opens Russian.mdb for the items; must not be null.
    Platform::DatabaseEngine *databases = nullptr;
    /// The learner's progress; must not be null.
    Platform::ProgressStore *progress = nullptr;
    /// The application folder that holds Russian.mdb and the pictures.
    Platform::AppPaths paths;
    /// New items a learner meets per day.
    int newItemsPerDay = Course::kNewItemsPerDay;
    /// The time now, in UTC; empty for the system clock (tests set their own).
    std::function<QDateTime()> clock;
    /// How Russian text is shown: stress marks as the learner chose (none when unset).
    RussianDisplay russian;
    /// Seeds the choice of exercises and the order of choices; 0 for a random seed.
    quint32 seed = 0;

    /// The time now, from the clock or the system.
    QDateTime now() const { return clock ? clock() : QDateTime::currentDateTimeUtc(); }
    /// The learner's calendar day now.
    QDate today() const { return now().toLocalTime().date(); }

    /// The course's practice items, read from Russian.mdb at the first call that finds any
    /// and kept: the course does not change while the program runs.
    const QList<Course::PracticeItem> &items();
    /// Filled by items().
    QList<Course::PracticeItem> itemCache;
};

} // namespace Practice
