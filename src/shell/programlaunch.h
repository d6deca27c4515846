// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>

namespace Shell {

class FrmMain;
class FrmSplash;
class WindowDirector;
struct Services;

/// The start-up sequence: help reference, splash, main window loaded hidden, splash
/// unloaded, main window shown.
class ProgramLaunch final {
public:
    explicit ProgramLaunch(Services &services);
    ~ProgramLaunch();

    /// Runs the sequence. Returns false when the component check ended the program (the
    /// main window is never shown then).
    bool run();

    FrmMain *mainWindow() const { return m_main.get(); }
    WindowDirector *director() const { return m_director.get(); }
    bool splashLoaded() const { return m_splash != nullptr; }

private:
    void unloadSplash();

    Services &m_services;
    std::unique_ptr<FrmSplash> m_splash;
    std::unique_ptr<FrmMain> m_main;
    std::unique_ptr<WindowDirector> m_director;
};

} // namespace Shell
