// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/componentcheck.h"

#include "platform/process/processlauncher.h"
#include "shell/services.h"

namespace Shell {

void ComponentCheck::startCheckProgramAndEnd(Services &services, const std::function<void()> &unloadSplash)
{
    if (unloadSplash)
        unloadSplash();
    // A missing check program is ignored: the course ends all the same.
    (void)services.launcher->start(
        services.paths.join(QStringLiteral("\\Tamrelon"), QStringLiteral("\\Kivrostep.EXE")));
    services.launcher->exitNow(0);
}

} // namespace Shell
