// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QApplication>
#include <QDir>

#include "installer/componentprobe.h"
#include "installer/kivrostepwindow.h"
#include "platform/process/qtprocesslauncher.h"
#include "resources/localeid.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString installerFolder = QApplication::applicationDirPath();
    QDir applicationFolder(installerFolder);
    applicationFolder.cdUp();

    Platform::QtProcessLauncher launcher;
    Installer::ComponentProbe probe(applicationFolder.absolutePath());
    Installer::KivrostepWindow window(probe, launcher, installerFolder, Resources::localeIdFromEnvironment());
    window.show();
    return QApplication::exec();
}
