// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QWidget>

namespace Platform {
class ProcessLauncher;
}

namespace Installer {

class ComponentProbe;

/// The check program's window: tells the learner that the speech components are not
/// installed yet, shows what was found, and starts the installer from its own folder.
class KivrostepWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KivrostepWindow)
public:
    /// \a installerFolder is the Tamrelon folder; \a localeId the desktop's locale id.
    KivrostepWindow(const ComponentProbe &probe, Platform::ProcessLauncher &launcher, QString installerFolder,
                    quint32 localeId, QWidget *parent = nullptr);

private:
    void startInstaller();

    Platform::ProcessLauncher &m_launcher;
    QString m_installerFolder;
    quint32 m_localeId;
};

} // namespace Installer
