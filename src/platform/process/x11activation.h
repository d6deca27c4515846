// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include "platform/core/error.h"

struct xcb_connection_t;

namespace Platform {

/// Asks the window manager of the X display behind \a connection to activate (raise and
/// focus) the top-level window of the process \a pid, the way taskbars and pagers do it:
/// the window is found in the manager's client list by its _NET_WM_PID, and a
/// _NET_ACTIVE_WINDOW request is sent to the root window. Returns once the request is sent;
/// what the window manager makes of it is its own affair.
///
/// Errors: NotSupported when no window manager that understands _NET_ACTIVE_WINDOW runs,
/// WindowNotFound when no managed window belongs to \a pid (yet).
Status activateWindowOfProcess(xcb_connection_t *connection, qint64 pid);

} // namespace Platform
