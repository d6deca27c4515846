// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <array>

#include <QString>

namespace Course::DictionaryTable {

/// The dictionary database's table "Lang": one column per interface language, then the
/// Russian word (stored one character per Windows-1251 code, a grammar note from the first
/// "(" on).
inline constexpr int kColumnCount = 7;
QString tableName();
const std::array<QString, kColumnCount> &columns();
QString russian();
/// The column that holds the words of interface language \a language, where the learner's
/// search looks; the English column for any other code, so the dictionary can always search.
QString searchColumn(int language);

} // namespace Course::DictionaryTable
