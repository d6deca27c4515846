// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/agentlogging.h"

namespace Platform {

Q_LOGGING_CATEGORY(lcAgent, "veskora.agent")

} // namespace Platform
