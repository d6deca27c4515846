// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/process/qtprocesslauncher.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <cstdio>
#include <cstdlib>

#include "platform/process/x11activation.h"

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

namespace {

xcb_connection_t *x11Connection()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

} // namespace

bool QtProcessLauncher::canBringToFront() const
{
    // Only X11 lets one program ask for another's window; whether the window manager takes
    // the request is found out when it is made.
    return x11Connection() != nullptr;
}

Status QtProcessLauncher::bringToFront(qint64 taskId)
{
    if (xcb_connection_t *connection = x11Connection())
        return activateWindowOfProcess(connection, taskId);
    return fail(ErrorCode::NotSupported,
                QStringLiteral("the window system (%1) lets no program bring another's window "
                               "to the front")
                    .arg(QGuiApplication::platformName()));
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
