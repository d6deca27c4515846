// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QLoggingCategory>

/// The installer library's log: QT_LOGGING_RULES="veskora.installer.debug=true" shows it.
Q_DECLARE_LOGGING_CATEGORY(lcInstaller)
