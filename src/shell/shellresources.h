// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

namespace Shell {

/// Registers the shell's pictures (product picture, flags); safe to call repeatedly.
void initResources();

} // namespace Shell
