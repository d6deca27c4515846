// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QObject>
#include <QPointer>

#include "platform/settings/settingsstore.h"

class QMessageBox;

namespace Course {
struct ProgramState;
}

namespace Shell {

/// The settings store the course's windows and its character service use: reads and saves
/// go to the learner's store; the first save of the run that fails tells the learner, in
/// the interface language of that moment, that the settings are kept only for this run and
/// why. Later failures say nothing more. The message box (objectName "settingsNotSaved")
/// is shown non-modally once the current event has been handled, so a failure during
/// start-up appears beside the main window.
class NoticingSettingsStore final : public QObject, public Platform::SettingsStore {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NoticingSettingsStore)
public:
    /// Keeps references to \a store and \a state.
    NoticingSettingsStore(Platform::SettingsStore &store, const Course::ProgramState &state, QObject *parent = nullptr);
    ~NoticingSettingsStore() override;

    QString read(const QString &application, const QString &section, const QString &key) const override;
    bool save(const QString &application, const QString &section, const QString &key, const QString &value) override;
    QString lastSaveProblem() const override;

    /// The message box while it is open, else null.
    QMessageBox *notice() const;

private:
    void tellLearner(int language, const QString &detail);

    Platform::SettingsStore &m_store;
    const Course::ProgramState &m_state;
    bool m_told = false;
    QPointer<QMessageBox> m_notice;
};

} // namespace Shell
