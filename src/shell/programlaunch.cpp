// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/programlaunch.h"

#include "course/programstate.h"
#include "shell/frmmain.h"
#include "shell/frmsplash.h"
#include "shell/services.h"
#include "shell/windowdirector.h"

namespace Shell {

ProgramLaunch::ProgramLaunch(Services &services)
    : m_services(services)
{
}

ProgramLaunch::~ProgramLaunch()
{
    // The director refers to the main window; it goes first.
    m_director.reset();
}

bool ProgramLaunch::run()
{
    m_services.state->helpReference = m_services.paths.join(QStringLiteral("\\RussianUserHelp.chm::/User.htm"));

    m_splash = std::make_unique<FrmSplash>();
    m_splash->show();
    m_splash->repaint();

    m_main = std::make_unique<FrmMain>(m_services);
    m_director = std::make_unique<WindowDirector>(m_services, *m_main);
    if (!m_main->load([this]() { unloadSplash(); }))
        return false;

    unloadSplash();
    m_main->show();
    return true;
}

void ProgramLaunch::unloadSplash()
{
    m_splash.reset();
}

} // namespace Shell
