// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QObject>

class QAction;

namespace Course {
class LearningChoicesNotifier;
}
namespace Platform {
class SettingsStore;
}

namespace Shell {

class FrmMain;

/// The Learning menu's two checkable entries, "Stress marks" (mnuStressMarks) and
/// "Transliteration" (mnuTransliteration), worded in the interface language. The choices
/// are read from \a store (the learner's Learning.ini, group [Learning]) when the menu is
/// built — a missing or unreadable file gives the defaults — and put in force through
/// \a choices; each change is saved at once and takes effect in the open windows. A choice
/// that cannot be saved still holds for this run. \a store and \a choices must outlive
/// the menu.
class LearningMenu final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LearningMenu)
public:
    /// Worded at once in \a language, then whenever the main window's interface language
    /// changes.
    LearningMenu(FrmMain &main, Platform::SettingsStore &store, Course::LearningChoicesNotifier &choices, int language,
                 QObject *parent = nullptr);
    ~LearningMenu() override;

    QAction *stressMarksEntry() const { return m_stressMarks; }
    QAction *transliterationEntry() const { return m_transliteration; }

private:
    void reword(int language);
    void choose(const QString &key, bool on);

    Platform::SettingsStore &m_store;
    Course::LearningChoicesNotifier &m_choices;
    QAction *m_stressMarks = nullptr;
    QAction *m_transliteration = nullptr;
};

} // namespace Shell
