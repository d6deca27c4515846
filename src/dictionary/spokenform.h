// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>

namespace Dictionary {

/// The spoken form of a dictionary entry's Russian field: everything before the first
/// "(", blanks included; the whole text when it has none.
QString spokenForm(const QString &russian);

} // namespace Dictionary
