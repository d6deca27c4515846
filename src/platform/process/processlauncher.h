// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>
#include <QUrl>

#include "platform/core/error.h"

namespace Platform {

namespace ErrorCode {
/// The started program shows no window (yet) that could be brought to the front.
inline constexpr qint64 WindowNotFound = 1400;
} // namespace ErrorCode

/// Starting other programs, opening web addresses and ending this program.
class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;

    /// Starts the program file \a path with a normal, focused window, without waiting.
    /// Returns the task identifier, or an error (ProgramNotStarted) when the file is
    /// missing or cannot be run.
    virtual Result<qint64> start(const QString &path) = 0;

    /// Whether this window system lets the program ask for another program's window to be
    /// brought to the front at all (X11 with a window manager that takes such requests; not
    /// Wayland, nor a display without a window manager).
    virtual bool canBringToFront() const = 0;

    /// Asks for the window of the task \a taskId to be brought to the front. Success means
    /// the request reached the window system. Errors: NotSupported when the window system
    /// takes no such request (canBringToFront() is false), WindowNotFound when the task
    /// shows no window yet.
    virtual Status bringToFront(qint64 taskId) = 0;

    /// Opens a new browser window on \a url.
    virtual Status openUrl(const QUrl &url) = 0;

    /// Ends this program at once: no close or unload handler of any window runs. The real
    /// launcher never returns; a test double records the request and returns, so callers
    /// return straight after calling it.
    virtual void exitNow(int code = 0) = 0;
};

} // namespace Platform
