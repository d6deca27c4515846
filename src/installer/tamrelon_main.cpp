// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QApplication>

#include "installer/install.h"
#include "platform/process/qtprocesslauncher.h"
#include "platform/settings/inisettingsstore.h"
#include "resources/installerstrings.h"
#include "resources/localeid.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Platform::QtProcessLauncher launcher;
    Platform::IniSettingsStore settings;
    const auto texts = Resources::InstallerStrings::forLocale(Resources::localeIdFromEnvironment(),
                                                              Resources::InstallerStrings::Choice::ListedOnly);
    Installer::Install window(launcher, settings, texts, QApplication::applicationDirPath());
    window.show();
    return QApplication::exec();
}
