// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

namespace Platform {

/// Chooses the window system before the application object exists. The on-screen character
/// needs absolute screen positions, which Wayland does not grant to programs: in a Wayland
/// session with XWayland available (DISPLAY set) the program runs through XWayland, unless
/// QT_QPA_PLATFORM already names a platform. Without XWayland it stays on Wayland, where the
/// character shows beside the windows wherever the compositor places it.
void chooseWindowSystem();

} // namespace Platform
