// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QApplication>

#include "platform/core/programstate.h"
#include "platform/process/qtprocesslauncher.h"
#include "platform/settings/inisettingsstore.h"
#include "resources/localeid.h"
#include "shell/services.h"
#include "shell/startup.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veskora"));

    Platform::ProgramState state;
    Platform::IniSettingsStore settings;
    Platform::QtProcessLauncher launcher;

    Shell::Services services;
    services.state = &state;
    services.settings = &settings;
    services.launcher = &launcher;
    services.strings = Resources::StringTable::menuStrings().forLocale(Resources::localeIdFromEnvironment());

    Shell::Startup startup(services);
    if (!startup.run())
        return 0;
    return QApplication::exec();
}
