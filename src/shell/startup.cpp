// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/startup.h"

#include "shell/frmmain.h"
#include "shell/frmsplash.h"
#include "course/programstate.h"
#include "shell/services.h"
#include "shell/windowdirector.h"

namespace Shell {

Startup::Startup(Services &services)
    : m_services(services)
{
}

Startup::~Startup()
{
    // The director refers to the main window; it goes first.
    m_director.reset();
}

bool Startup::run()
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

void Startup::unloadSplash()
{
    m_splash.reset();
}

} // namespace Shell
