// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include "platform/process/processlauncher.h"

namespace Platform {

/// Starts programs detached with QProcess and opens addresses with QDesktopServices.
class QtProcessLauncher final : public ProcessLauncher {
public:
    Result<qint64> start(const QString &path) override;
    Status bringToFront(qint64 taskId) override;
    Status openUrl(const QUrl &url) override;
    void exitNow(int code = 0) override;
};

} // namespace Platform
