// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QApplication>
#include <QPrintPreviewDialog>

#include "platform/core/programstate.h"
#include "platform/help/chmhelpviewer.h"
#include "platform/process/qtprocesslauncher.h"
#include "platform/report/reportengineqt.h"
#include "platform/settings/inisettingsstore.h"
#include "platform/ui/windowsystem.h"
#include "resources/localeid.h"
#include "shell/courseservices.h"
#include "shell/frmmain.h"
#include "shell/helpcommands.h"
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
    Shell::CourseServices course(Platform::AppPaths(), state, settings, launcher, Resources::localeIdFromEnvironment());

    // F1 in any window opens the help viewer on the program-wide help reference.
    Shell::HelpKeyFilter helpKey(course.help(), state);
    app.installEventFilter(&helpKey);

    Shell::Startup startup(course.services());
    if (!startup.run())
        return 0;
    // The print preview belongs to the main window.
    course.reports().setDialogParent(startup.mainWindow());
    return QApplication::exec();
}
