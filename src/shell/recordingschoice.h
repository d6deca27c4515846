// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QObject>

class QAction;
class QMenu;

namespace Course {
struct ProgramState;
}
namespace Platform {
class RecordingStore;
class SettingsStore;
} // namespace Platform

namespace Shell {

/// The Learning menu's checkable "Keep my recordings" (objectName mnuKeepRecordings): on
/// by default, kept in the learner's choices file (Learning.ini, [Learning]
/// KeepRecordings, synced at once). Turning it off deletes every kept recording; turning
/// it on again keeps the next ones. Its text follows the interface language each time the
/// menu opens and whenever setLanguage() is called.
class RecordingsChoice final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RecordingsChoice)
public:
    /// Adds the entry to \a menu. \a learning, \a recordings and \a state must outlive it.
    RecordingsChoice(QMenu &menu, Platform::SettingsStore &learning, Platform::RecordingStore &recordings,
                     const Course::ProgramState &state, QObject *parent = nullptr);
    ~RecordingsChoice() override;

    /// True while the learner keeps recordings.
    bool keeps() const;
    /// Words the entry in interface language \a language now.
    void setLanguage(int language);
    QAction *action() const { return m_action; }

private:
    void choose(bool keep);
    void retitle();

    QAction *m_action;
    Platform::SettingsStore &m_learning;
    Platform::RecordingStore &m_recordings;
    const Course::ProgramState &m_state;
};

} // namespace Shell
