// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include "platform/process/processlauncher.h"

namespace Platform {

/// Starts programs detached with QProcess and opens addresses with QDesktopServices. On X11
/// it brings windows to the front through the window manager (_NET_ACTIVE_WINDOW); other
/// window systems report NotSupported.
class QtProcessLauncher final : public ProcessLauncher {
public:
    Result<qint64> start(const QString &path) override;
    bool canBringToFront() const override;
    Status bringToFront(qint64 taskId) override;
    Status openUrl(const QUrl &url) override;
    void exitNow(int code = 0) override;
};

} // namespace Platform
