// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <chrono>

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include "resources/installerstrings.h"

class QLabel;
class QLineEdit;
class QMessageBox;
class QPushButton;

namespace Platform {
class ProcessLauncher;
class SettingsStore;
} // namespace Platform

namespace Installer {

/// The installer's one window. Each click on Command1 starts the next of the six setup
/// programs in the installer's folder; the seventh click records "Agent" = "OK" in the
/// settings store and ends the program at once. Closing the window earlier records nothing.
///
/// A setup program that cannot be started, or whose window cannot be brought to the front,
/// is reported in a window-modal message box (objectName "msgFailure"); when the learner
/// dismisses it the program ends with exit code 1 and records nothing.
class Install final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Install)
public:
    /// \a installerFolder is the folder the setup programs lie in (the installer's own).
    /// The window keeps references to \a launcher and \a settings.
    Install(Platform::ProcessLauncher &launcher, Platform::SettingsStore &settings, Resources::InstallerStrings texts,
            QString installerFolder, QWidget *parent = nullptr);
    ~Install() override;

    /// The step the next click performs: 1 to 7 (8 once step 7 has run).
    int step() const { return m_step; }

    /// Whether a step is waiting for the installer to hold the focus (steps 1 and 4).
    bool isWaitingForFocus() const { return m_focusTimer.isActive(); }

    /// How long steps 1 and 4 wait for the installer to hold the focus before they ask for
    /// the setup program's window to be raised all the same (default 5 s). A program whose
    /// window has not appeared by then is asked for again until twice this time has passed,
    /// then reported. Where the window system cannot raise windows at all, the steps neither
    /// wait nor ask.
    void setFocusWaitLimit(std::chrono::milliseconds limit) { m_focusWaitLimit = limit; }

    /// The fixed status text that step 1 shows in every language.
    static QString firstStepText();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void performStep();
    void checkFocus();
    void finishStep();
    void recordAndEnd();
    void reportFailure(int messageId, const QString &detail);

    Platform::ProcessLauncher &m_launcher;
    Platform::SettingsStore &m_settings;
    Resources::InstallerStrings m_texts;
    QString m_folder;

    /// The window's named controls.
    struct Controls {
        QLabel *Label1 = nullptr;
        QLineEdit *Text1 = nullptr;
        QLabel *Label2 = nullptr;
        QPushButton *Command1 = nullptr;
    };

    Controls m_ui;
    QMessageBox *m_failure = nullptr;

    int m_step = 1;
    qint64 m_startedTask = 0;
    QTimer m_focusTimer;
    QElapsedTimer m_focusWait;
    std::chrono::milliseconds m_focusWaitLimit{5000};
};

} // namespace Installer
