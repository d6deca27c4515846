// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>

namespace Practice {

/// Every Russian text the practice windows show passes through here, so that stress marks
/// and a transliteration can be added in one place. Typed answers are compared with the
/// plain text, never with what this returns.
QString shownRussian(const QString &russian);

} // namespace Practice
