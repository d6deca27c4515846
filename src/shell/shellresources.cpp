// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/shellresources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares a global function, so it must be called outside any namespace.
static void initShellResources()
{
    Q_INIT_RESOURCE(shell);
}

namespace Shell {

void initResources()
{
    static const bool done = (initShellResources(), true);
    Q_UNUSED(done);
}

} // namespace Shell
