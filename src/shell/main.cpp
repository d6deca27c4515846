// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QApplication>
#include <QStandardPaths>

#include "course/programstate.h"
#include "platform/modules/adaptermodules.h"
#include "platform/modules/deferredadapters.h"
#include "platform/process/qtprocesslauncher.h"
#include "platform/settings/inisettingsstore.h"
#include "platform/ui/drawingcache.h"
#include "platform/ui/firstpaint.h"
#include "platform/ui/fontconfigwarmup.h"
#include "platform/ui/pngiconengine.h"
#include "platform/ui/windowsystem.h"
#include "resources/localeid.h"
#include "shell/courseservices.h"
#include "shell/frmmain.h"
#include "shell/helpcommands.h"
#include "shell/programlaunch.h"

int main(int argc, char *argv[])
{
    // Read while Qt starts, on the other processor: the splash's first text needs it.
    const Platform::FontConfigWarmUp fonts;
    Platform::chooseWindowSystem();
    QApplication app(argc, argv);
    // The style's icons come from PNG files: read them without loading every image plugin.
    Platform::usePngIconEngine();
    QApplication::setApplicationName(QStringLiteral("Veskora"));
    QApplication::setDesktopFileName(QStringLiteral("veskora"));
    // The splash's and the start dialog's drawings (one flag is a large drawing) are drawn
    // once and then read back from the learner's cache folder.
    Platform::Pictures::setDrawingCache(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)
                                        + QStringLiteral("/drawings"));

    Course::ProgramState state;
    Platform::IniSettingsStore settings;
    Platform::QtProcessLauncher launcher;
    // Speech, sound, SQLCipher, printing and the help reader come from modules beside the
    // program, loaded after the first window.
    Platform::AdapterModules modules(Platform::AdapterModules::folderBeside(QCoreApplication::applicationDirPath()));
    Shell::CourseServices course(Platform::AppPaths(), state, settings, launcher, Resources::localeIdFromEnvironment(),
                                 modules);

    // F1 in any window opens the help viewer on the program-wide help reference.
    Shell::HelpKeyFilter helpKey(course.help(), state);
    app.installEventFilter(&helpKey);

    Shell::ProgramLaunch startup(course.services());
    if (!startup.run())
        return 0;
    // The print preview belongs to the main window.
    course.reports().setDialogParent(startup.mainWindow());
    course.warmUpAfterFirstPaint(*startup.mainWindow());

    // Made last, so that it is told of the first paint before the warm-up is.
    Platform::reportFirstPaintToStartupProbe(*startup.mainWindow());
    return QApplication::exec();
}
