// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/logging.h"

Q_LOGGING_CATEGORY(lcShell, "veskora.shell")
