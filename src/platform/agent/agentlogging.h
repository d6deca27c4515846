// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QLoggingCategory>

namespace Platform {

/// The character service's messages: "veskora.agent" (QT_LOGGING_RULES="veskora.agent.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcAgent)

} // namespace Platform
