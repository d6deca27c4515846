// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <functional>

#include <QString>

namespace Shell {

struct Services;

/// The check that the speech components are installed: the "Agent" setting must read
/// exactly "OK" (case-sensitive).
class ComponentCheck final {
public:
    static bool installed(const QString &agentSetting) { return agentSetting == QStringLiteral("OK"); }

    /// The components are missing: runs \a unloadSplash, starts the check program
    /// (application folder + "\Tamrelon" + "\Kivrostep.EXE") and ends the course program
    /// at once, whether the check program could be started or not. Callers return at once.
    static void startCheckProgramAndEnd(Services &services, const std::function<void()> &unloadSplash);
};

} // namespace Shell
