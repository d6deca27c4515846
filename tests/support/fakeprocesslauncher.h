// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QSet>
#include <QStringList>
#include <QUrl>

#include "platform/process/processlauncher.h"

namespace TestSupport {

/// A process launcher that records what it is asked and starts nothing. Bringing a window to
/// the front answers \c frontResult (success by default) while \c canRaise holds.
class FakeProcessLauncher final : public Platform::ProcessLauncher {
public:
    Platform::Result<qint64> start(const QString &path) override
    {
        started.append(path);
        if (failing.contains(path) || failAll)
            return Platform::Error{Platform::ErrorCode::ProgramNotStarted, QStringLiteral("cannot start %1").arg(path)};
        return qint64(1000 + started.size());
    }
    bool canBringToFront() const override { return canRaise; }
    Platform::Status bringToFront(qint64 taskId) override
    {
        broughtToFront.append(taskId);
        if (!canRaise)
            return Platform::fail(Platform::ErrorCode::NotSupported, QStringLiteral("no raising here"));
        return frontResults.isEmpty() ? Platform::ok() : frontResults.takeFirst();
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
    bool canRaise = true;
    /// Answers of the next bringToFront() calls, in order; success once they are used up.
    QList<Platform::Status> frontResults;
    QList<QUrl> openedUrls;
    QSet<QString> failing;
    bool failAll = false;
    bool exitRequested = false;
    int exitCode = -1;
};

} // namespace TestSupport
