// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>

#include "platform/core/apppaths.h"
#include "platform/core/error.h"

namespace Course {
class LearningChoicesNotifier;
class StressTable;
struct ProgramState;
} // namespace Course
namespace Platform {
class ReportEngine;
class SettingsStore;
} // namespace Platform

namespace Shell {

/// The main menu's print entry: hands the report engine the print database, its
/// password, the layout of the interface language and a formula that picks the selected
/// lesson, then asks it to print. The same engine serves every print, and each print sets
/// all four values again, so nothing of an earlier print carries over. The Russian column
/// is printed with stress marks when the learner's choices ask for them.
class PrintLesson final {
public:
    /// Keeps references to \a engine, \a state and \a settings (which may be null).
    PrintLesson(Platform::ReportEngine &engine, const Course::ProgramState &state, Platform::AppPaths paths,
                const Platform::SettingsStore *settings = nullptr);

    /// Prints the selected lesson. Before any lesson was opened in this run it is empty:
    /// then the recent lesson is printed, the one the start dialog's recent-lesson command
    /// opens (the saved "Lesson", else lesson 2). Does nothing and returns success when the
    /// interface language is none of the six. On failure errorText() holds the message to show.
    Platform::Status print();

    /// The stress table and the learner's choices the Russian column is printed by; either
    /// may be null (no marks, or the default choices). Read at each print; not owned.
    void setStress(const Course::StressTable *table, const Course::LearningChoicesNotifier *choices);
    /// The lesson print() prints, as decimal text.
    QString lessonToPrint() const;

    /// The last failure as a sentence in the interface language followed by the engine's
    /// technical detail; empty after a successful print.
    QString errorText() const { return m_errorText; }

    /// The layout file of \a language ("\report1.rpt" … "\report6.rpt"), or empty.
    static QString layoutFor(int language);
    /// The record-selection formula for \a lesson: {Kursen.Lektion} ='<lesson>', the
    /// number without blanks or leading zeros; quotes in a text that is no number are
    /// doubled.
    static QString formulaFor(const QString &lesson);
    /// The learner-facing message for a failed print in \a language (English otherwise).
    static QString failureMessage(int language, const Platform::Error &error);

private:
    Platform::ReportEngine &m_engine;
    const Course::ProgramState &m_state;
    Platform::AppPaths m_paths;
    const Course::StressTable *m_stress = nullptr;
    const Course::LearningChoicesNotifier *m_choices = nullptr;
    const Platform::SettingsStore *m_settings;
    QString m_errorText;
};

} // namespace Shell
