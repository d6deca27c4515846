// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>

#include "course/coursefiles.h"
#include "course/programstate.h"
#include "fakecharacterservice.h"
#include "fakeprocesslauncher.h"
#include "inmemorysettingsstore.h"
#include "platform/database/sqlcipherdatabaseengine.h"
#include "shell/frmmain.h"
#include "shell/programlaunch.h"
#include "shell/services.h"
#include "shell/windowdirector.h"

/// The course program's services as main() wires them, with recording doubles for the
/// settings, processes and the character, the real database engine and English menu
/// strings, over the application folder \a folder (the compiled fixture course unless
/// told otherwise). A test adds what it needs more (progress, the choices file) to
/// \c services before launch(). Make one per test function, so that every test starts
/// from empty settings and a fresh state.
struct ShellTestBed {
    explicit ShellTestBed(const QString &folder = qEnvironmentVariable("VESKORA_FIXTURE_DIR"))
    {
        services.state = &state;
        services.settings = &settings;
        services.launcher = &launcher;
        services.characters = &characters;
        services.databases = &databases;
        services.paths = Platform::AppPaths(folder);
        services.strings = Resources::StringTable::menuStrings().forLocale(0x0409);
    }

    /// Records the character's components as installed, as every start but the very first
    /// finds them; without it the start-up runs the check program and ends.
    void markComponentsInstalled() { settings.preset(QStringLiteral("Agent"), QStringLiteral("OK")); }

    /// Runs the start-up sequence as main() does (ending an earlier run first); false when
    /// the program ended instead of showing its main window.
    bool launch()
    {
        startup.reset();
        startup = std::make_unique<Shell::ProgramLaunch>(services);
        return startup->run();
    }
    Shell::FrmMain &main() const { return *startup->mainWindow(); }
    Shell::WindowDirector &director() const { return *startup->director(); }

    Course::ProgramState state;
    TestSupport::InMemorySettingsStore settings;
    TestSupport::FakeProcessLauncher launcher;
    TestSupport::FakeCharacterService characters;
    Platform::SqlCipherDatabaseEngine databases{Course::Files::kKeyRounds};
    Shell::Services services;
    /// Last, so that the program's windows go before the services they use.
    std::unique_ptr<Shell::ProgramLaunch> startup;
};
