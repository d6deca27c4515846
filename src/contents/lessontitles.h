// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

namespace Contents {

/// The number of lessons in the course.
inline constexpr int kLessonCount = 38;

} // namespace Contents
