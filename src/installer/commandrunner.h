// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>
#include <QStringList>

namespace Installer {

/// Runs the outside commands the component programs offer: a voice sample through the
/// espeak-ng program and a package installation through PackageKit's pkcon.
class CommandRunner {
public:
    virtual ~CommandRunner() = default;

    /// The full path of \a program found on PATH, or empty when it is not installed.
    virtual QString find(const QString &program) const = 0;

    /// Starts \a program with \a arguments without waiting for it. Returns false when it
    /// could not be started.
    virtual bool start(const QString &program, const QStringList &arguments) = 0;
};

/// Starts commands detached with QProcess and looks them up with QStandardPaths.
class DetachedCommandRunner final : public CommandRunner {
public:
    QString find(const QString &program) const override;
    bool start(const QString &program, const QStringList &arguments) override;
};

} // namespace Installer
