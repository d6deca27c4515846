// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <optional>

#include <QString>
#include <QStringList>

#include "platform/core/error.h"

namespace Platform {

/// A record source as the programs write it, parsed but not yet checked against a schema:
/// either a bare table name or
///   SELECT <columns | *> FROM <table> [WHERE <column> Like "<pattern>"] [;]
/// Keywords are case-free and any whitespace separates tokens; identifiers may be written
/// in square brackets; the pattern is a double-quoted ("" inside stands for ") or
/// single-quoted text. Nothing of it is ever handed to SQLite as SQL.
struct JetQuery {
    QString table;
    /// The selected columns as written; empty for "*" and for a bare table name.
    QStringList columns;
    std::optional<QString> whereColumn;
    QString pattern;

    /// Parses \a source. Errors: SyntaxError (3075) with the offending position.
    static Result<JetQuery> parse(const QString &source);
};

} // namespace Platform
