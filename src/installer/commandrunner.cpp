// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "installer/commandrunner.h"

#include <QProcess>
#include <QStandardPaths>

namespace Installer {

QString DetachedCommandRunner::find(const QString &program) const
{
    return QStandardPaths::findExecutable(program);
}

bool DetachedCommandRunner::start(const QString &program, const QStringList &arguments)
{
    const QString path = program.contains(u'/') ? program : find(program);
    if (path.isEmpty())
        return false;
    // Arguments go to the program as they are, never through a shell.
    return QProcess::startDetached(path, arguments);
}

} // namespace Installer
