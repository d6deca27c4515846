// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <array>
#include <optional>

#include <QList>
#include <QSet>
#include <QString>

#include "entryparser.h"

namespace DictImport {

/// The columns of the dictionary table, in file order.
enum class Column { English, Swedish, Suomi, Deutch, France, Spain, Russian };
inline constexpr int ColumnCount = 7;

/// The column of a language code ("en", "sv", "fi", "de", "fr", "es"), if known.
std::optional<Column> columnForLanguage(const QString &code);

/// Outcome of adding a source; \c message says why it failed.
struct Status {
    bool ok = true;
    QString message;
};

/// Collects rows from several sources and writes them in the course dictionary format.
/// Each source fills its own language column and Russian; the other columns stay empty,
/// since matching words across dictionaries by their Russian would be a guess.
/// Rows keep the sources' order; repeated rows are dropped, so output is deterministic.
class Importer final {
public:
    Status addMueller(const QString &basePath);
    Status addWikdict(Column column, const QString &basePath);
    /// Adds parsed rows for \a column (the way the two add functions do).
    void addRows(Column column, const QList<ImportedRow> &rows);

    int rowCount() const { return int(m_rows.size()); }
    /// The header line and every row, tab-separated, "\n"-terminated. Tabs and line
    /// breaks inside a field become blanks.
    QString toTsv() const;

private:
    using Row = std::array<QString, ColumnCount>;
    QList<Row> m_rows;
    QSet<QString> m_seen;
};

} // namespace DictImport
