// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/process/qtprocesslauncher.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace Platform {

Result<qint64> QtProcessLauncher::start(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Error{ErrorCode::ProgramNotStarted, QStringLiteral("file not found: %1").arg(path)};
    if (!info.isExecutable())
        return Error{ErrorCode::ProgramNotStarted, QStringLiteral("not a program: %1").arg(path)};
    qint64 pid = 0;
    if (!QProcess::startDetached(info.absoluteFilePath(), {}, info.absolutePath(), &pid))
        return Error{ErrorCode::ProgramNotStarted, QStringLiteral("could not start: %1").arg(path)};
    return pid;
}

Status QtProcessLauncher::bringToFront(qint64 taskId)
{
    // The started program raises and activates its own window when it shows it; X11 and
    // Wayland give no program a portable way to raise another's window, so the request
    // is left to the window manager's focus rules.
    Q_UNUSED(taskId);
    return ok();
}

Status QtProcessLauncher::openUrl(const QUrl &url)
{
    if (!QDesktopServices::openUrl(url))
        return fail(ErrorCode::ProgramNotStarted, QStringLiteral("no browser for %1").arg(url.toString()));
    return ok();
}

void QtProcessLauncher::exitNow(int code)
{
    std::fflush(nullptr);
    std::_Exit(code);
}

} // namespace Platform
