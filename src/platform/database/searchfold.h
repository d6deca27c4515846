// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>

namespace Platform {

/// The case-free form in which Like patterns and values are compared, and in which the
/// content compiler writes the "<column>_fold" search columns. Both sides must use this one
/// function, or prefix searches answered from the index would disagree with full scans.
inline QString searchFold(const QString &text)
{
    return text.toCaseFolded();
}

/// The name of the case-folded copy of \a column that the content compiler indexes.
inline QString foldColumnName(const QString &column)
{
    return column + QStringLiteral("_fold");
}

} // namespace Platform
