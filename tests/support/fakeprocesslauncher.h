// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QSet>
#include <QStringList>
#include <QUrl>

#include "platform/process/processlauncher.h"

namespace TestSupport {

/// A process launcher that records what it is asked and starts nothing.
class FakeProcessLauncher final : public Platform::ProcessLauncher {
public:
    Platform::Result<qint64> start(const QString &path) override
    {
        started.append(path);
        if (failing.contains(path) || failAll)
            return Platform::Error{Platform::ErrorCode::ProgramNotStarted, QStringLiteral("cannot start %1").arg(path)};
        return qint64(1000 + started.size());
    }
    Platform::Status bringToFront(qint64 taskId) override
    {
        broughtToFront.append(taskId);
        return Platform::ok();
    }
    Platform::Status openUrl(const QUrl &url) override
    {
        openedUrls.append(url);
        return Platform::ok();
    }
    void exitNow(int code = 0) override
    {
        exitRequested = true;
        exitCode = code;
    }

    QStringList started;
    QList<qint64> broughtToFront;
    QList<QUrl> openedUrls;
    QSet<QString> failing;
    bool failAll = false;
    bool exitRequested = false;
    int exitCode = -1;
};

} // namespace TestSupport
