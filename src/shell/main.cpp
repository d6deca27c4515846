// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QApplication>
#include <QPrintPreviewDialog>

#include "platform/agent/geniecharacterservice.h"
#include "platform/core/programstate.h"
#include "platform/database/sqlcipherdatabaseengine.h"
#include "platform/help/chmhelpviewer.h"
#include "platform/process/qtprocesslauncher.h"
#include "platform/report/reportengineqt.h"
#include "platform/settings/inisettingsstore.h"
#include "platform/ui/windowsystem.h"
#include "resources/localeid.h"
#include "shell/helpcommands.h"
#include "shell/frmmain.h"
#include "shell/services.h"
#include "shell/startup.h"

int main(int argc, char *argv[])
{
    Platform::chooseWindowSystem();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veskora"));
    QApplication::setDesktopFileName(QStringLiteral("veskora"));

    Platform::ProgramState state;
    Platform::IniSettingsStore settings;
    Platform::QtProcessLauncher launcher;
    const Platform::AppPaths paths;
    Platform::SqlCipherDatabaseEngine databases;
    Platform::GenieCharacterService characters(paths, settings);
    Platform::ChmHelpViewer help;
    Platform::ReportEngineQt reports(databases);

    Shell::Services services;
    services.state = &state;
    services.settings = &settings;
    services.launcher = &launcher;
    services.characters = &characters;
    services.databases = &databases;
    services.help = &help;
    services.reports = &reports;
    services.paths = paths;
    services.strings = Resources::StringTable::menuStrings().forLocale(Resources::localeIdFromEnvironment());

    // F1 in any window opens the help viewer on the program-wide help reference.
    Shell::HelpKeyFilter helpKey(help, state);
    app.installEventFilter(&helpKey);

    Shell::Startup startup(services);
    if (!startup.run())
        return 0;
    // The print preview belongs to the main window.
    reports.setDialogParent(startup.mainWindow());
    return QApplication::exec();
}
