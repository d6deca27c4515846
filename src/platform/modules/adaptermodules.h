// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <array>
#include <functional>
#include <future>
#include <memory>

#include <QString>

#include "platform/help/helpviewer.h"

class QWidget;

namespace Platform {

class AppPaths;
class CharacterService;
class DatabaseEngine;
class ProgressStore;
class ReportEngine;
struct CharacterSettingsTexts;

/// Makes the character service (speech, sound and the figure). Its module exports it as
/// "veskoraCharacterModule".
class CharacterModule {
public:
    /// The service over the application folder \a paths, with the learner's own character
    /// settings (Character.ini), whose dialog asks \a settingsTexts for its texts each time
    /// it opens (none: its own).
    virtual std::unique_ptr<CharacterService> create(const AppPaths &paths,
                                                     std::function<CharacterSettingsTexts()> settingsTexts) const = 0;
    /// Benchmarks and demos: runs \a service's animations and speech timing \a factor times
    /// faster.
    virtual void setTimeScale(CharacterService &service, double factor) const = 0;
    /// Benchmarks: true while \a characterId has requests waiting or running.
    virtual bool isBusy(const CharacterService &service, const QString &characterId) const = 0;

protected:
    ~CharacterModule() = default;
};

/// Makes the database engine (SQLCipher) and the learner's progress store (SQLite, from the
/// same library). Exported as "veskoraDatabaseModule".
class DatabaseModule {
public:
    virtual std::unique_ptr<DatabaseEngine> create(int encryptedKeyRounds) const = 0;
    /// The progress store in the file \a path, not opened yet.
    virtual std::unique_ptr<ProgressStore> createProgressStore(const QString &path) const = 0;

protected:
    ~DatabaseModule() = default;
};

/// Makes the report engine (Qt Print Support). Exported as "veskoraReportModule".
class ReportModule {
public:
    /// Reads through \a databases; the print preview opens over \a dialogParent.
    virtual std::unique_ptr<ReportEngine> create(DatabaseEngine &databases, QWidget *dialogParent) const = 0;

protected:
    ~ReportModule() = default;
};

/// Makes the help viewer (chmlib). Exported as "veskoraHelpModule".
class HelpModule {
public:
    /// The viewer, which explains problems with \a problemTexts (none: its own texts).
    virtual std::unique_ptr<HelpViewer> create(HelpProblemTexts problemTexts) const = 0;

protected:
    ~HelpModule() = default;
};

/// Where the adapters with heavy libraries come from: the modules in a folder, which the
/// course program loads after its first window, or the same code linked into the program
/// (tests). A module that cannot be loaded is logged and reads as null; its adapter then
/// refuses every request (see the Deferred… adapters).
///
/// Threads: warmUp() loads the modules' libraries on a worker thread; everything else is
/// called from the interface thread, and an accessor called while the worker still loads
/// waits for it. An accessor called before warmUp() loads its own module only (counting what
/// is due from the progress file, before the first window, needs the database module alone).
class AdapterModules final {
public:
    struct Set {
        const CharacterModule *characters = nullptr;
        const DatabaseModule *databases = nullptr;
        const ReportModule *reports = nullptr;
        const HelpModule *help = nullptr;
    };

    /// The modules in \a folder: agent.so, database.so, report.so and help.so.
    explicit AdapterModules(QString folder);
    /// Modules linked into the program; nothing is loaded.
    explicit AdapterModules(const Set &linked);
    /// Waits for a load in progress. Loaded modules stay in the process until it ends.
    ~AdapterModules();
    AdapterModules(const AdapterModules &) = delete;
    AdapterModules &operator=(const AdapterModules &) = delete;

    /// The folder beside the course program that holds its modules.
    static QString folderBeside(const QString &programFolder);

    /// Starts loading the modules not loaded yet on a worker thread; does nothing once they are
    /// loaded or loading.
    void warmUp();
    /// True when no worker is loading the modules any more (or none was started), so the
    /// accessors do not wait for one.
    bool isReady() const;

    const CharacterModule *characters() { return modules(Slot::Characters).characters; }
    const DatabaseModule *databases() { return modules(Slot::Databases).databases; }
    const ReportModule *reports() { return modules(Slot::Reports).reports; }
    const HelpModule *help() { return modules(Slot::Help).help; }

    enum class Slot { Characters, Databases, Reports, Help };
    /// Which modules have been loaded (or failed to load), by Slot.
    using Tried = std::array<bool, 4>;

private:
    /// The modules, \a slot's among them: waits for the worker, or loads that one now.
    const Set &modules(Slot slot);
    bool allTried() const;

    QString m_folder;
    Set m_modules;
    Tried m_tried{};
    std::future<Set> m_loading;
};

} // namespace Platform
