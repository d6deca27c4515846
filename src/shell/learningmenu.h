// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QObject>

class QAction;
class QMenu;

namespace Course {
class LearningChoicesNotifier;
}
namespace Platform {
class RecordingStore;
class SettingsStore;
} // namespace Platform

namespace Shell {

class FrmMain;

/// The Learning menu's checkable entries, "Stress marks" (mnuStressMarks),
/// "Transliteration" (mnuTransliteration) and, where the learner's recordings are kept,
/// "Keep my recordings" (mnuKeepRecordings), worded in the interface language. The choices
/// are read from \a store (the learner's Learning.ini, group [Learning]) when the menu is
/// built — a missing or unreadable file gives the defaults — and put in force through
/// \a choices; each change is saved at once and takes effect in the open windows. A choice
/// that cannot be saved still holds for this run. Turning "Keep my recordings" off deletes
/// every kept recording. \a store, \a choices and \a recordings must outlive the menu.
class LearningMenu final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LearningMenu)
public:
    /// Worded at once in \a language, then whenever the main window's interface language
    /// changes.
    /// Without \a recordings there is no "Keep my recordings" entry.
    LearningMenu(FrmMain &main, Platform::SettingsStore &store, Course::LearningChoicesNotifier &choices, int language,
                 Platform::RecordingStore *recordings = nullptr, QObject *parent = nullptr);
    ~LearningMenu() override;

    QAction *stressMarksEntry() const { return m_stressMarks; }
    QAction *transliterationEntry() const { return m_transliteration; }
    /// Null when the menu was built without recordings.
    QAction *keepRecordingsEntry() const { return m_keepRecordings; }

private:
    void reword(int language);
    void choose(const QString &key, bool on);
    QAction *addEntry(QMenu *menu, const QString &name, bool checked, const QString &key);

    Platform::SettingsStore &m_store;
    Course::LearningChoicesNotifier &m_choices;
    QAction *m_stressMarks = nullptr;
    QAction *m_transliteration = nullptr;
    QAction *m_keepRecordings = nullptr;
    Platform::RecordingStore *m_recordings;
};

} // namespace Shell
