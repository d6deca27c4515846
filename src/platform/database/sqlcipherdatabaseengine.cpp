// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/database/sqlcipherdatabaseengine.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <vector>

#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include "platform/database/jetpattern.h"
#include "platform/database/jetquery.h"
#include "platform/database/searchfold.h"

Q_LOGGING_CATEGORY(lcDatabase, "veskora.database", QtInfoMsg)

namespace Platform {
namespace {

const QByteArray kPlainHeader("SQLite format 3\0", 16);

QString quoted(const QString &identifier)
{
    QString escaped = identifier;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString textColumn(sqlite3_stmt *statement, int column)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
    if (!text)
        return {};
    return QString::fromUtf8(text, sqlite3_column_bytes(statement, column));
}

/// The row ids of a record set in order: either an explicit list or, for a whole table
/// whose ids run without gaps, just the first id and the count, so that opening a table of
/// a million rows does not read a million ids.
struct RowIds {
    std::vector<qint64> list;
    qint64 first = 0;
    qint64 count = -1; ///< >= 0 for a gapless run

    int size() const { return count >= 0 ? int(count) : int(list.size()); }
    qint64 at(int row) const { return count >= 0 ? first + row : list[std::size_t(row)]; }
};

/// One open SQLite handle, shared by a database and the record sets made from it.
class Connection {
public:
    explicit Connection(sqlite3 *db)
        : m_db(db)
    {
    }
    ~Connection() { sqlite3_close(m_db); }
    Q_DISABLE_COPY_MOVE(Connection)
    sqlite3 *handle() const { return m_db; }

private:
    sqlite3 *m_db;
};

/// A finalising prepared statement.
class Statement {
public:
    Statement(sqlite3 *db, const QString &sql)
    {
        const QByteArray utf8 = sql.toUtf8();
        if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_statement, nullptr) != SQLITE_OK) {
            m_error = QString::fromUtf8(sqlite3_errmsg(db));
            m_statement = nullptr;
        }
    }
    ~Statement() { sqlite3_finalize(m_statement); }
    Q_DISABLE_COPY_MOVE(Statement)

    bool isValid() const { return m_statement != nullptr; }
    QString error() const { return m_error; }
    sqlite3_stmt *get() const { return m_statement; }

private:
    sqlite3_stmt *m_statement = nullptr;
    QString m_error;
};

struct TableSchema {
    QString name;
    QStringList columns; ///< visible columns, in table order
    QStringList foldColumns; ///< names of the "<column>_fold" helpers present
    QStringList notNull; ///< visible columns declared NOT NULL

    std::optional<QString> column(const QString &name) const
    {
        for (const QString &c : columns) {
            if (c.compare(name, Qt::CaseInsensitive) == 0)
                return c;
        }
        return std::nullopt;
    }
};

Error ioError(const QString &path, sqlite3 *db)
{
    return Error{ErrorCode::UnrecognizedDatabaseFormat,
                 QStringLiteral("%1: %2").arg(path, QString::fromUtf8(db ? sqlite3_errmsg(db) : "cannot read"))};
}

class SqlCipherRecordset final : public Recordset {
public:
    SqlCipherRecordset(std::shared_ptr<Connection> connection, QString table, QStringList fields, RowIds rowIds)
        : m_connection(std::move(connection))
        , m_table(std::move(table))
        , m_fields(std::move(fields))
        , m_rowIds(std::move(rowIds))
        , m_position(m_rowIds.size() == 0 ? -1 : 0)
    {
    }

    QStringList fieldNames() const override { return m_fields; }
    int recordCount() const override { return m_rowIds.size(); }
    bool bof() const override { return recordCount() == 0 || m_position < 0; }
    bool eof() const override { return recordCount() == 0 || m_position >= recordCount(); }
    int position() const override { return bof() || eof() ? -1 : m_position; }

    Status moveFirst() override { return moveTo(0); }
    Status moveLast() override { return moveTo(recordCount() - 1); }
    Status moveNext() override
    {
        if (eof())
            return fail(ErrorCode::NoCurrentRecord, QStringLiteral("already after the last record"));
        ++m_position;
        return ok();
    }
    Status movePrevious() override
    {
        if (bof())
            return fail(ErrorCode::NoCurrentRecord, QStringLiteral("already before the first record"));
        --m_position;
        return ok();
    }
    Status moveTo(int row) override
    {
        if (row < 0 || row >= recordCount())
            return fail(ErrorCode::NoCurrentRecord,
                        QStringLiteral("no record %1 in a set of %2").arg(row).arg(recordCount()));
        m_position = row;
        return ok();
    }

    Result<QString> value(const QString &field) const override
    {
        if (bof() || eof())
            return Error{ErrorCode::NoCurrentRecord, QStringLiteral("no current record")};
        return valueAt(m_position, field);
    }

    Result<QString> valueAt(int row, const QString &field) const override
    {
        int column = -1;
        for (int i = 0; i < m_fields.size(); ++i) {
            if (m_fields.at(i).compare(field, Qt::CaseInsensitive) == 0) {
                column = i;
                break;
            }
        }
        if (column < 0)
            return Error{ErrorCode::ItemNotFound, QStringLiteral("field \"%1\" is not in the record set").arg(field)};
        if (row < 0 || row >= recordCount())
            return Error{ErrorCode::NoCurrentRecord, QStringLiteral("no record %1").arg(row)};
        if (row != m_cachedRow) {
            if (Status status = fetch(row); status.failed())
                return status.error();
        }
        if (m_cachedTooLong.value(column))
            return Error{ErrorCode::FieldTooLong,
                         QStringLiteral("field %1 of record %2 in table %3 holds more than %4 characters")
                             .arg(m_fields.at(column))
                             .arg(row + 1)
                             .arg(m_table)
                             .arg(kMaxFieldLength)};
        return m_cachedValues.value(column);
    }

private:
    // Rows are read one at a time when asked for, so a set over a million rows costs only
    // its id list until someone looks at a row.
    Status fetch(int row) const
    {
        if (!m_fetch) {
            QStringList columns;
            for (const QString &field : m_fields)
                columns << quoted(field);
            m_fetch = std::make_unique<Statement>(m_connection->handle(),
                                                  QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                                                      .arg(columns.join(QLatin1Char(',')), quoted(m_table)));
        }
        if (!m_fetch->isValid())
            return fail(ErrorCode::UnrecognizedDatabaseFormat, m_fetch->error());
        sqlite3_stmt *statement = m_fetch->get();
        sqlite3_reset(statement);
        sqlite3_bind_int64(statement, 1, m_rowIds.at(row));
        m_cachedValues.clear();
        m_cachedTooLong.fill(false, m_fields.size());
        const int rc = sqlite3_step(statement);
        if (rc == SQLITE_ROW) {
            for (int i = 0; i < m_fields.size(); ++i) {
                // A text of more UTF-8 bytes than four per character allows is refused
                // before it is decoded.
                const bool tooLong = sqlite3_column_bytes(statement, i) > 4 * kMaxFieldLength;
                const QString text = tooLong ? QString() : textColumn(statement, i);
                m_cachedTooLong[i] = tooLong || text.size() > kMaxFieldLength;
                m_cachedValues << (m_cachedTooLong[i] ? QString() : text);
            }
        } else if (rc != SQLITE_DONE) {
            m_cachedRow = -1;
            return fail(ErrorCode::UnrecognizedDatabaseFormat,
                        QString::fromUtf8(sqlite3_errmsg(m_connection->handle())));
        } else {
            for (int i = 0; i < m_fields.size(); ++i)
                m_cachedValues << QString();
        }
        m_cachedRow = row;
        return ok();
    }

    std::shared_ptr<Connection> m_connection;
    QString m_table;
    QStringList m_fields;
    RowIds m_rowIds;
    int m_position;
    mutable std::unique_ptr<Statement> m_fetch;
    mutable int m_cachedRow = -1;
    mutable QStringList m_cachedValues;
    mutable QList<bool> m_cachedTooLong;
};

class SqlCipherDatabase final : public Database {
public:
    SqlCipherDatabase(QString path, std::shared_ptr<Connection> connection, QList<TableSchema> tables)
        : m_path(std::move(path))
        , m_connection(std::move(connection))
        , m_tables(std::move(tables))
    {
    }

    QString path() const override { return m_path; }

    QStringList tableNames() const override
    {
        QStringList names;
        for (const TableSchema &table : m_tables)
            names << table.name;
        return names;
    }

    Result<std::unique_ptr<Recordset>> openRecordset(const QString &source) override
    {
        const Result<JetQuery> parsed = JetQuery::parse(source);
        if (!parsed)
            return parsed.error();
        const JetQuery &query = *parsed;
        const TableSchema *table = findTable(query.table);
        if (!table)
            return Error{ErrorCode::TableNotFound,
                         QStringLiteral("%1: no table or query named \"%2\"").arg(m_path, query.table.left(200))};
        QStringList fields;
        for (const QString &requested : query.columns) {
            const auto column = table->column(requested);
            if (!column)
                return Error{ErrorCode::TooFewParameters,
                             QStringLiteral("table %1 has no column \"%2\"").arg(table->name, requested.left(200))};
            fields << *column;
        }
        if (query.columns.isEmpty())
            fields = table->columns;

        Result<RowIds> rows = RowIds();
        if (query.whereColumn) {
            const auto column = table->column(*query.whereColumn);
            if (!column)
                return Error{
                    ErrorCode::TooFewParameters,
                    QStringLiteral("table %1 has no column \"%2\"").arg(table->name, query.whereColumn->left(200))};
            QString reason;
            const auto pattern = JetPattern::parse(query.pattern, &reason);
            if (!pattern)
                return Error{ErrorCode::SyntaxError, QStringLiteral("invalid Like pattern: %1").arg(reason)};
            rows = matchingRows(*table, *column, *pattern);
        } else {
            rows = allRows(*table, QString());
        }
        if (!rows)
            return rows.error();
        return std::unique_ptr<Recordset>(
            std::make_unique<SqlCipherRecordset>(m_connection, table->name, fields, std::move(*rows)));
    }

private:
    const TableSchema *findTable(const QString &name) const
    {
        for (const TableSchema &table : m_tables) {
            if (table.name.compare(name, Qt::CaseInsensitive) == 0)
                return &table;
        }
        return nullptr;
    }

    Result<std::vector<qint64>> collect(const QString &sql, const QList<QByteArray> &parameters,
                                        const std::function<bool(sqlite3_stmt *)> &accept = {}) const
    {
        Statement statement(m_connection->handle(), sql);
        if (!statement.isValid())
            return Error{ErrorCode::UnrecognizedDatabaseFormat, statement.error()};
        for (int i = 0; i < parameters.size(); ++i)
            sqlite3_bind_text(statement.get(), i + 1, parameters.at(i).constData(), int(parameters.at(i).size()),
                              SQLITE_TRANSIENT);
        std::vector<qint64> ids;
        int rc;
        while ((rc = sqlite3_step(statement.get())) == SQLITE_ROW) {
            if (!accept || accept(statement.get()))
                ids.push_back(sqlite3_column_int64(statement.get(), 0));
        }
        if (rc != SQLITE_DONE)
            return ioError(m_path, m_connection->handle());
        return ids;
    }

    std::optional<qint64> single(const QString &sql) const
    {
        Statement statement(m_connection->handle(), sql);
        if (!statement.isValid() || sqlite3_step(statement.get()) != SQLITE_ROW)
            return std::nullopt;
        return sqlite3_column_int64(statement.get(), 0);
    }

    // Every row, or every row whose \a column holds a value, in table order.
    Result<RowIds> allRows(const TableSchema &table, const QString &column) const
    {
        if (column.isEmpty() || table.notNull.contains(column)) {
            // min and max by rowid are single index look-ups, a count needs no row contents;
            // when they agree the ids run without gaps and need not be read at all.
            const QString name = quoted(table.name);
            const auto count = single(QStringLiteral("SELECT count(*) FROM %1").arg(name));
            const auto low = single(QStringLiteral("SELECT min(rowid) FROM %1").arg(name));
            const auto high = single(QStringLiteral("SELECT max(rowid) FROM %1").arg(name));
            if (count && *count == 0)
                return RowIds{{}, 0, 0};
            if (count && low && high && *high - *low + 1 == *count && *count <= std::numeric_limits<int>::max())
                return RowIds{{}, *low, *count};
        }
        QString sql = QStringLiteral("SELECT rowid FROM %1").arg(quoted(table.name));
        if (!column.isEmpty())
            sql += QStringLiteral(" WHERE %1 IS NOT NULL").arg(quoted(column));
        auto ids = collect(sql + QStringLiteral(" ORDER BY rowid"), {});
        if (!ids)
            return ids.error();
        return RowIds{std::move(*ids), 0, -1};
    }

    Result<RowIds> matchingRows(const TableSchema &table, const QString &column, const JetPattern &pattern) const
    {
        if (pattern.matchesEverything())
            return allRows(table, column);
        auto ids = matchingRowList(table, column, pattern);
        if (!ids)
            return ids.error();
        return RowIds{std::move(*ids), 0, -1};
    }

    Result<std::vector<qint64>> matchingRowList(const TableSchema &table, const QString &column,
                                                const JetPattern &pattern) const
    {
        const QString prefix = pattern.literalPrefix();
        const QString fold = foldColumnName(column);
        const bool indexed = !prefix.isEmpty() && table.foldColumns.contains(fold);
        if (indexed) {
            // Every text that starts with the prefix sorts between the prefix and the prefix
            // followed by a byte no UTF-8 text holds.
            const QByteArray low = prefix.toUtf8();
            const QByteArray high = low + QByteArray("\xF4\x90", 2);
            Result<std::vector<qint64>> ids = std::vector<qint64>();
            if (pattern.isPrefixOnly()) {
                ids = collect(QStringLiteral("SELECT rowid FROM %1 WHERE %2 >= ?1 AND %2 < ?2")
                                  .arg(quoted(table.name), quoted(fold)),
                              {low, high});
            } else {
                ids = collect(QStringLiteral("SELECT rowid, %3 FROM %1 WHERE %2 >= ?1 AND %2 < ?2")
                                  .arg(quoted(table.name), quoted(fold), quoted(column)),
                              {low, high}, [&pattern](sqlite3_stmt *row) {
                                  return sqlite3_column_type(row, 1) != SQLITE_NULL
                                      && pattern.matches(textColumn(row, 1));
                              });
            }
            if (ids)
                std::sort(ids->begin(), ids->end());
            return ids;
        }
        return collect(
            QStringLiteral("SELECT rowid, %2 FROM %1 ORDER BY rowid").arg(quoted(table.name), quoted(column)), {},
            [&pattern](sqlite3_stmt *row) {
                return sqlite3_column_type(row, 1) != SQLITE_NULL && pattern.matches(textColumn(row, 1));
            });
    }

    QString m_path;
    std::shared_ptr<Connection> m_connection;
    QList<TableSchema> m_tables;
};

// Reads the schema; fails on a file that is not a database or a wrong key.
std::optional<QList<TableSchema>> readSchema(sqlite3 *db)
{
    Statement tables(db, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid"));
    if (!tables.isValid())
        return std::nullopt;
    QStringList names;
    int rc;
    while ((rc = sqlite3_step(tables.get())) == SQLITE_ROW)
        names << textColumn(tables.get(), 0);
    if (rc != SQLITE_DONE)
        return std::nullopt;
    QList<TableSchema> schema;
    for (const QString &name : std::as_const(names)) {
        if (name.startsWith(QLatin1String("sqlite_"), Qt::CaseInsensitive))
            continue;
        TableSchema table;
        table.name = name;
        Statement info(db, QStringLiteral("PRAGMA table_info(%1)").arg(quoted(name)));
        if (!info.isValid())
            return std::nullopt;
        QStringList all;
        while (sqlite3_step(info.get()) == SQLITE_ROW) {
            all << textColumn(info.get(), 1);
            if (sqlite3_column_int(info.get(), 3) != 0)
                table.notNull << all.last();
        }
        for (const QString &column : std::as_const(all)) {
            if (column.endsWith(QLatin1String("_fold")) && all.contains(column.chopped(5)))
                table.foldColumns << column;
            else
                table.columns << column;
        }
        schema << table;
    }
    return schema;
}

enum class OpenOutcome { Opened, WrongKey, NotADatabase };

struct Opened {
    OpenOutcome outcome = OpenOutcome::NotADatabase;
    std::shared_ptr<Connection> connection;
    QList<TableSchema> schema;
    QString detail;
};

/// Opens \a path, with \a rawKey (SQLCipher's "x'…'" form) when it is encrypted.
Opened openWith(const QString &path, const std::optional<QByteArray> &rawKey)
{
    Opened result;
    sqlite3 *db = nullptr;
    // Read-only whatever the caller asked: the programs never write a course file.
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    auto connection = std::make_shared<Connection>(db);
    if (rc != SQLITE_OK) {
        result.detail = QString::fromUtf8(sqlite3_errmsg(db));
        return result;
    }
    if (rawKey)
        sqlite3_key(db, rawKey->constData(), int(rawKey->size()));
    auto schema = readSchema(db);
    if (!schema) {
        result.detail = QString::fromUtf8(sqlite3_errmsg(db));
        result.outcome = sqlite3_errcode(db) == SQLITE_NOTADB ? OpenOutcome::WrongKey : OpenOutcome::NotADatabase;
        return result;
    }
    result.outcome = OpenOutcome::Opened;
    result.connection = std::move(connection);
    result.schema = std::move(*schema);
    return result;
}

} // namespace

ConnectText ConnectText::parse(const QString &connect)
{
    ConnectText result;
    const QStringList parts = connect.split(QLatin1Char(';'));
    for (const QString &part : parts) {
        const qsizetype equals = part.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        const QString key = part.left(equals).trimmed();
        const QString value = part.mid(equals + 1);
        if (key.compare(QLatin1String("DATABASE"), Qt::CaseInsensitive) == 0)
            result.database = value.trimmed();
        else if (key.compare(QLatin1String("PWD"), Qt::CaseInsensitive) == 0)
            result.password = value;
    }
    return result;
}

SqlCipherDatabaseEngine::SqlCipherDatabaseEngine(int encryptedKeyRounds)
    : m_keys(encryptedKeyRounds)
{
}

void SqlCipherDatabaseEngine::prepareKey(const QString &path, const QString &password)
{
    m_keys.prepare(path, password);
}

SqlCipherDatabaseEngine::~SqlCipherDatabaseEngine() = default;

void SqlCipherDatabaseEngine::forgetPasswords()
{
    m_keyring.clear();
}

Result<std::shared_ptr<Database>> SqlCipherDatabaseEngine::openDatabase(const QString &name, bool exclusive,
                                                                        bool readOnly, const QString &connect)
{
    Q_UNUSED(exclusive)
    Q_UNUSED(readOnly)
    const ConnectText parsed = ConnectText::parse(connect);
    const QString path = name.isEmpty() ? parsed.database : name;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return Error{ErrorCode::FileNotFound, QStringLiteral("could not find file \"%1\"").arg(path)};

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error{ErrorCode::FileNotFound, QStringLiteral("%1: %2").arg(path, file.errorString())};
    const QByteArray header = file.read(kPlainHeader.size());
    const qint64 size = file.size();
    file.close();

    const bool plain = header == kPlainHeader;
    if (!plain && size == 0)
        return Error{ErrorCode::UnrecognizedDatabaseFormat, QStringLiteral("%1: the file is empty").arg(path)};

    const QString keyringKey = info.canonicalFilePath();
    std::optional<QString> password;
    if (!plain) {
        password = parsed.password;
        if (!password && m_keyring.contains(keyringKey))
            password = m_keyring.value(keyringKey);
    }
    // An encrypted file is whole pages of random-looking bytes; anything else without the
    // plain header is not a database at all.
    const bool looksEncrypted = !plain && size >= 512 && size % 512 == 0;
    if (!plain && !password) {
        if (looksEncrypted)
            return Error{ErrorCode::NotValidPassword,
                         QStringLiteral("%1 is encrypted and no password was given").arg(path)};
        return Error{ErrorCode::UnrecognizedDatabaseFormat, QStringLiteral("%1 is not a database").arg(path)};
    }

    std::optional<QByteArray> rawKey;
    if (password)
        rawKey = m_keys.rawKey(header, *password);
    Opened opened = openWith(path, rawKey);
    if (opened.outcome == OpenOutcome::Opened) {
        if (password)
            m_keyring.insert(keyringKey, *password);
        qCDebug(lcDatabase) << "opened" << path << (password ? "with a password" : "");
        return std::shared_ptr<Database>(
            std::make_shared<SqlCipherDatabase>(path, std::move(opened.connection), std::move(opened.schema)));
    }
    if (!plain && looksEncrypted)
        return Error{ErrorCode::NotValidPassword, QStringLiteral("%1: not a valid password").arg(path)};
    return Error{ErrorCode::UnrecognizedDatabaseFormat, QStringLiteral("%1: %2").arg(path, opened.detail)};
}

} // namespace Platform
