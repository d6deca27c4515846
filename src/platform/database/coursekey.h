// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

namespace Platform {

/// Key-derivation rounds of the encrypted course database. The password guards the course
/// file against casual editing, not against an attacker (the programs carry it), so a few
/// thousand rounds are enough; SQLCipher's default of 64,000 costs over 20 ms at every open,
/// and each lesson window opens the file twice. The content compiler and the engine must use
/// the same number, or the file does not open.
inline constexpr int kCourseKeyRounds = 4000;

} // namespace Platform
