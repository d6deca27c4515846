// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/start.h"

#include "platform/settings/settingsstore.h"
#include "shell/componentcheck.h"
#include "shell/services.h"

namespace Shell {

Start::Start(Services &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
{
    setObjectName(QStringLiteral("Start"));
}

bool Start::load(const std::function<void()> &unloadSplash)
{
    const QString agent = m_services.settings->read(Platform::kApplication, Platform::kSection, QStringLiteral("Agent"));
    if (!ComponentCheck::installed(agent)) {
        ComponentCheck::startCheckProgramAndEnd(m_services, unloadSplash);
        return false;
    }
    return true;
}

} // namespace Shell
