// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>

namespace Course {

/// Decodes a Russian text stored one character per Windows-1251 code into real Cyrillic,
/// character by character over the whole text: the codes CF F0 E8 E2 E5 F2 give "Привет".
QString DecodeRussianText(const QString &stored);

} // namespace Course
