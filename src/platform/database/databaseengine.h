// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>

#include <QString>
#include <QStringList>

#include "platform/core/error.h"

namespace Platform {

namespace ErrorCode {
/// A column that the table does not have, named in a query (the engine would ask for it
/// as a parameter).
inline constexpr qint64 TooFewParameters = 3061;
/// A field that the record set does not hold.
inline constexpr qint64 ItemNotFound = 3265;
/// A field whose text is longer than kMaxFieldLength.
inline constexpr qint64 FieldTooLong = 3163;
} // namespace ErrorCode

/// The longest text a field of a course database may hold, in characters. The course's
/// longest texts are a few hundred characters; a longer one comes from a damaged or
/// hostile file and is refused when it is read, since laying it out or speaking it would
/// hold the program for minutes.
inline constexpr int kMaxFieldLength = 4000;

class Recordset;

/// An open course database. Every database is opened read-only, whatever the caller asks:
/// the programs never write a course file.
class Database {
public:
    virtual ~Database() = default;

    virtual QString path() const = 0;
    /// The names of the tables.
    virtual QStringList tableNames() const = 0;

    /// Opens a record set over \a source: a table name, or one of the Jet SQL texts the
    /// programs build ("SELECT a, b FROM T  where a Like\"pat*\""). Rows come in the
    /// table's own order. Errors: TableNotFound, TooFewParameters (a column the table does
    /// not have), SyntaxError (a text the parser rejects, an unclosed "[" in a pattern).
    virtual Result<std::unique_ptr<Recordset>> openRecordset(const QString &source) = 0;
};

/// A DAO-style record set: a position before the first record (BOF), on a record, or after
/// the last (EOF). Moving past either end sets BOF or EOF; an empty set has both.
class Recordset {
public:
    virtual ~Recordset() = default;

    virtual QStringList fieldNames() const = 0;
    virtual int recordCount() const = 0;
    virtual bool bof() const = 0;
    virtual bool eof() const = 0;
    /// The current row index (0-based), or -1 at BOF/EOF.
    virtual int position() const = 0;

    virtual Status moveFirst() = 0;
    virtual Status moveLast() = 0;
    /// Fails with NoCurrentRecord when already at EOF.
    virtual Status moveNext() = 0;
    /// Fails with NoCurrentRecord when already at BOF.
    virtual Status movePrevious() = 0;
    virtual Status moveTo(int row) = 0;

    /// The current record's field, in the stored form (a missing value reads as empty).
    /// Fails with NoCurrentRecord at BOF/EOF, ItemNotFound for unknown fields and
    /// FieldTooLong for a text longer than kMaxFieldLength.
    virtual Result<QString> value(const QString &field) const = 0;
    /// The value of \a field in row \a row (for grids), without moving.
    virtual Result<QString> valueAt(int row, const QString &field) const = 0;
};

/// Opens databases.
class DatabaseEngine {
public:
    virtual ~DatabaseEngine() = default;

    /// OpenDatabase(name, exclusive, readOnly, connect). With an empty \a name the path is
    /// taken from ";DATABASE=<path>" in \a connect and the password from ";PWD=<password>";
    /// otherwise \a name is the path. Errors: FileNotFound (3024), NotValidPassword (3031)
    /// for an encrypted file opened without or with a wrong password,
    /// UnrecognizedDatabaseFormat (3343) for a file that is not a database.
    virtual Result<std::shared_ptr<Database>> openDatabase(const QString &name, bool exclusive = false,
                                                           bool readOnly = false, const QString &connect = {}) = 0;

    /// The encrypted file at \a path will soon be opened with \a password: an engine may
    /// make ready in the background whatever that open needs. Nothing else changes.
    virtual void prepareKey(const QString &path, const QString &password)
    {
        Q_UNUSED(path)
        Q_UNUSED(password)
    }
};

} // namespace Platform
