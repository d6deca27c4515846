// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>
#include <QUrl>

#include "platform/core/error.h"

namespace Platform {

/// Starting other programs, opening web addresses and ending this program.
class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;

    /// Starts the program file \a path with a normal, focused window, without waiting.
    /// Returns the task identifier, or an error (ProgramNotStarted) when the file is
    /// missing or cannot be run.
    virtual Result<qint64> start(const QString &path) = 0;

    /// Brings the window of the task \a taskId to the front, after this program holds the
    /// input focus. Window systems that do not let a program raise another's window
    /// (Wayland, most X window managers with focus-stealing prevention) make this a request
    /// the window manager may decline; it is not an error then.
    virtual Status bringToFront(qint64 taskId) = 0;

    /// Opens a new browser window on \a url.
    virtual Status openUrl(const QUrl &url) = 0;

    /// Ends this program at once: no close or unload handler of any window runs. The real
    /// launcher never returns; a test double records the request and returns, so callers
    /// return straight after calling it.
    virtual void exitNow(int code = 0) = 0;
};

} // namespace Platform
