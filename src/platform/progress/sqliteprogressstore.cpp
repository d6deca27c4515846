// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/progress/sqliteprogressstore.h"

#include <optional>

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStandardPaths>

Q_LOGGING_CATEGORY(lcProgress, "veskora.platform.progress", QtInfoMsg)

namespace Platform {

namespace {

const char *const kSchema = R"sql(
CREATE TABLE review_log (
    id INTEGER PRIMARY KEY,
    reviewed_at TEXT NOT NULL,
    review_day TEXT NOT NULL,
    lesson INTEGER NOT NULL,
    record INTEGER NOT NULL,
    exercise TEXT NOT NULL,
    grade INTEGER NOT NULL CHECK (grade BETWEEN 1 AND 4),
    answer_ms INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX review_log_by_day ON review_log (review_day, grade);
CREATE TABLE item_state (
    lesson INTEGER NOT NULL,
    record INTEGER NOT NULL,
    stability REAL NOT NULL,
    difficulty REAL NOT NULL,
    due_day TEXT NOT NULL,
    last_review_day TEXT NOT NULL,
    first_review_day TEXT NOT NULL,
    reviews INTEGER NOT NULL,
    lapses INTEGER NOT NULL,
    PRIMARY KEY (lesson, record)
) WITHOUT ROWID;
CREATE INDEX item_state_by_due ON item_state (due_day);
CREATE INDEX item_state_by_first ON item_state (first_review_day);
)sql";

// The files SQLite keeps beside a database in WAL mode.
const char *const kCompanions[] = {"-wal", "-shm", "-journal"};

QString dayText(QDate day)
{
    return day.toString(Qt::ISODate);
}

QDate dayFrom(const unsigned char *text)
{
    return text ? QDate::fromString(QString::fromUtf8(reinterpret_cast<const char *>(text)), Qt::ISODate) : QDate();
}

/// A prepared statement that finalises itself.
class Statement {
public:
    Statement(sqlite3 *db, const char *sql) { m_rc = sqlite3_prepare_v2(db, sql, -1, &m_statement, nullptr); }
    ~Statement() { sqlite3_finalize(m_statement); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    bool prepared() const { return m_rc == SQLITE_OK; }
    void bind(int index, const QString &text)
    {
        const QByteArray utf8 = text.toUtf8();
        sqlite3_bind_text(m_statement, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
    void bind(int index, qint64 value) { sqlite3_bind_int64(m_statement, index, value); }
    void bind(int index, double value) { sqlite3_bind_double(m_statement, index, value); }
    /// Steps once: SQLITE_ROW, SQLITE_DONE or an error code.
    int step() { return sqlite3_step(m_statement); }
    qint64 integer(int column) const { return sqlite3_column_int64(m_statement, column); }
    double real(int column) const { return sqlite3_column_double(m_statement, column); }
    QDate day(int column) const { return dayFrom(sqlite3_column_text(m_statement, column)); }
    QString text(int column) const
    {
        const auto *value = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
        return value ? QString::fromUtf8(value) : QString();
    }

private:
    sqlite3_stmt *m_statement = nullptr;
    int m_rc = SQLITE_ERROR;
};

bool execute(sqlite3 *db, const char *sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

} // namespace

SqliteProgressStore::SqliteProgressStore(QString path)
    : m_path(std::move(path))
{
}

SqliteProgressStore::~SqliteProgressStore()
{
    close();
}

QString SqliteProgressStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/Veskora/progress.sqlite");
}

Status SqliteProgressStore::failure(qint64 code, const QString &what) const
{
    const QString detail = m_db ? what + QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(m_db)) : what;
    qCWarning(lcProgress).noquote() << m_path << detail;
    return fail(code, detail);
}

void SqliteProgressStore::close()
{
    if (m_db)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_writable = false;
}

Status SqliteProgressStore::openFile(OpenMode mode)
{
    close();
    const QByteArray name = QFile::encodeName(m_path);
    const int flags = mode == OpenMode::Read ? SQLITE_OPEN_READONLY
        : mode == OpenMode::Write            ? SQLITE_OPEN_READWRITE
                                             : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    if (sqlite3_open_v2(name.constData(), &m_db, flags, nullptr) != SQLITE_OK) {
        const Status status = failure(ErrorCode::ProgressUnavailable, QStringLiteral("cannot open"));
        close();
        return status;
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, 2000);
    m_writable = sqlite3_db_readonly(m_db, "main") == 0;
    return ok();
}

SqliteProgressStore::Verdict SqliteProgressStore::examine() const
{
    // Reading the header fails at once for a file that is not a database at all.
    const auto number = [this](const char *sql) -> std::optional<qint64> {
        Statement query(m_db, sql);
        if (!query.prepared() || query.step() != SQLITE_ROW)
            return std::nullopt;
        return query.integer(0);
    };
    const std::optional<qint64> applicationId = number("PRAGMA application_id");
    const std::optional<qint64> version = number("PRAGMA user_version");
    const std::optional<qint64> objects = number("SELECT count(*) FROM sqlite_master");
    if (!applicationId || !version || !objects)
        return Verdict::Unreadable;
    if (*applicationId == 0 && *version == 0 && *objects == 0)
        return Verdict::Empty;
    if (*applicationId != kApplicationId)
        return Verdict::Unreadable;
    if (*version > kSchemaVersion)
        return Verdict::Newer;
    // A file cut short or damaged inside fails the quick check; a file of ours without
    // our tables is as useless.
    Statement check(m_db, "PRAGMA quick_check");
    if (!check.prepared() || check.step() != SQLITE_ROW || check.text(0) != QLatin1String("ok"))
        return Verdict::Unreadable;
    Statement tables(m_db,
                     "SELECT count(*) FROM sqlite_master WHERE type = 'table'"
                     " AND name IN ('review_log', 'item_state')");
    if (!tables.prepared() || tables.step() != SQLITE_ROW || tables.integer(0) != 2)
        return Verdict::Unreadable;
    return Verdict::Usable;
}

Status SqliteProgressStore::useDurableJournal()
{
    // WAL with full sync: a commit is on the disk before it returns.
    Statement journal(m_db, "PRAGMA journal_mode = WAL");
    if (!journal.prepared() || journal.step() != SQLITE_ROW
        || journal.text(0).compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
        return failure(ErrorCode::ProgressUnavailable, QStringLiteral("cannot use the write-ahead log"));
    if (!execute(m_db, "PRAGMA synchronous = FULL"))
        return failure(ErrorCode::ProgressUnavailable, QStringLiteral("cannot set full sync"));
    return ok();
}

Status SqliteProgressStore::createSchema()
{
    if (!execute(m_db, "BEGIN IMMEDIATE"))
        return failure(ErrorCode::ProgressUnavailable, QStringLiteral("cannot start the schema"));
    const QByteArray pragmas = QStringLiteral("PRAGMA application_id = %1; PRAGMA user_version = %2;")
                                   .arg(kApplicationId)
                                   .arg(kSchemaVersion)
                                   .toLatin1();
    if (!execute(m_db, kSchema) || !execute(m_db, pragmas.constData()) || !execute(m_db, "COMMIT")) {
        const Status status = failure(ErrorCode::ProgressUnavailable, QStringLiteral("cannot create the schema"));
        execute(m_db, "ROLLBACK");
        return status;
    }
    return ok();
}

Result<QString> SqliteProgressStore::moveAside()
{
    close();
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QString target = m_path + QStringLiteral(".unreadable-") + stamp;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = m_path + QStringLiteral(".unreadable-") + stamp + u'-' + QString::number(n);
    if (!QFile::rename(m_path, target))
        return Error{ErrorCode::ProgressUnavailable,
                     QStringLiteral("cannot move the unreadable file aside to ") + target};
    // The log and index files belong to the old file: left in place, they would be read
    // into the fresh one. They keep their endings beside the moved file.
    for (const char *ending : kCompanions) {
        const QString companion = m_path + QLatin1String(ending);
        if (QFileInfo::exists(companion) && !QFile::rename(companion, target + QLatin1String(ending)))
            QFile::remove(companion);
    }
    qCWarning(lcProgress).noquote() << "unreadable progress file moved to" << target;
    return target;
}

Result<ProgressOpenReport> SqliteProgressStore::open()
{
    if (m_db)
        return ProgressOpenReport{};
    ProgressOpenReport report;
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return Error{ErrorCode::ProgressUnavailable, QStringLiteral("cannot create the folder of ") + m_path};

    Verdict verdict = Verdict::Empty;
    if (QFileInfo::exists(m_path)) {
        // A file is looked at read-only first: a connection that may write would fold the
        // log beside a file that is not ours into it, or delete it, on closing.
        if (const Status status = openFile(OpenMode::Read); status.failed())
            return status.error();
        verdict = examine();
        close();
    }
    if (verdict == Verdict::Newer)
        return Error{ErrorCode::ProgressNewerVersion, m_path + QStringLiteral(" was written by a newer version")};
    if (verdict == Verdict::Unreadable) {
        const Result<QString> moved = moveAside();
        if (!moved)
            return moved.error();
        report.movedAsideTo = *moved;
        verdict = Verdict::Empty;
    }
    if (openFile(QFileInfo::exists(m_path) ? OpenMode::Write : OpenMode::Create).failed() || !m_writable) {
        // Progress that can be read stays open for reading; nothing can be recorded.
        if (verdict == Verdict::Empty || openFile(OpenMode::Read).failed()) {
            close();
            return Error{ErrorCode::ProgressUnavailable, m_path + QStringLiteral(" cannot be created")};
        }
        m_writable = false;
        return Error{ErrorCode::ProgressReadOnly, m_path + QStringLiteral(" cannot be written")};
    }
    if (const Status status = useDurableJournal(); status.failed()) {
        close();
        return status.error();
    }
    if (verdict == Verdict::Empty) {
        if (const Status status = createSchema(); status.failed()) {
            close();
            return status.error();
        }
        report.created = true;
    }
    return report;
}

Status SqliteProgressStore::recordAnswer(const ProgressAnswer &answer, const ProgressItemState &state)
{
    if (!m_db)
        return fail(ErrorCode::ProgressNotOpen, QStringLiteral("the progress store is not open"));
    if (!m_writable)
        return fail(ErrorCode::ProgressReadOnly, m_path + QStringLiteral(" cannot be written"));
    if (!execute(m_db, "BEGIN IMMEDIATE"))
        return failure(ErrorCode::ProgressUnavailable, QStringLiteral("cannot start an answer"));
    Statement log(m_db,
                  "INSERT INTO review_log (reviewed_at, review_day, lesson, record, exercise, grade, answer_ms)"
                  " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    Statement item(m_db,
                   "INSERT OR REPLACE INTO item_state (lesson, record, stability, difficulty, due_day,"
                   " last_review_day, first_review_day, reviews, lapses)"
                   " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)");
    bool stored = log.prepared() && item.prepared();
    if (stored) {
        log.bind(1, answer.reviewedAt.toUTC().toString(Qt::ISODateWithMs));
        log.bind(2, dayText(answer.reviewDay));
        log.bind(3, qint64(answer.lesson));
        log.bind(4, qint64(answer.record));
        log.bind(5, answer.exercise);
        log.bind(6, qint64(answer.grade));
        log.bind(7, answer.answerMs);
        item.bind(1, qint64(state.lesson));
        item.bind(2, qint64(state.record));
        item.bind(3, state.stability);
        item.bind(4, state.difficulty);
        item.bind(5, dayText(state.due));
        item.bind(6, dayText(state.lastReview));
        item.bind(7, dayText(state.firstReview));
        item.bind(8, qint64(state.reviews));
        item.bind(9, qint64(state.lapses));
        stored = log.step() == SQLITE_DONE && item.step() == SQLITE_DONE;
    }
    if (!stored || !execute(m_db, "COMMIT")) {
        const Status status = failure(ErrorCode::ProgressUnavailable, QStringLiteral("answer not recorded"));
        execute(m_db, "ROLLBACK");
        return status;
    }
    return ok();
}

Result<QList<ProgressItemState>> SqliteProgressStore::itemStates() const
{
    if (!m_db)
        return Error{ErrorCode::ProgressNotOpen, QStringLiteral("the progress store is not open")};
    Statement query(m_db,
                    "SELECT lesson, record, stability, difficulty, due_day, last_review_day,"
                    " first_review_day, reviews, lapses FROM item_state ORDER BY lesson, record");
    if (!query.prepared())
        return failure(ErrorCode::ProgressUnavailable, QStringLiteral("cannot read item states")).error();
    QList<ProgressItemState> states;
    int rc = SQLITE_ROW;
    while ((rc = query.step()) == SQLITE_ROW) {
        states.append({int(query.integer(0)), int(query.integer(1)), query.real(2), query.real(3), query.day(4),
                       query.day(5), query.day(6), int(query.integer(7)), int(query.integer(8))});
    }
    if (rc != SQLITE_DONE)
        return failure(ErrorCode::ProgressUnavailable, QStringLiteral("cannot read item states")).error();
    return states;
}

Result<int> SqliteProgressStore::dueCount(QDate day) const
{
    if (!m_db)
        return Error{ErrorCode::ProgressNotOpen, QStringLiteral("the progress store is not open")};
    Statement query(m_db, "SELECT count(*) FROM item_state WHERE due_day <= ?1");
    if (!query.prepared())
        return failure(ErrorCode::ProgressUnavailable, QStringLiteral("cannot count due items")).error();
    query.bind(1, dayText(day));
    if (query.step() != SQLITE_ROW)
        return failure(ErrorCode::ProgressUnavailable, QStringLiteral("cannot count due items")).error();
    return int(query.integer(0));
}

Result<int> SqliteProgressStore::firstAnsweredOn(QDate day) const
{
    if (!m_db)
        return Error{ErrorCode::ProgressNotOpen, QStringLiteral("the progress store is not open")};
    Statement query(m_db, "SELECT count(*) FROM item_state WHERE first_review_day = ?1");
    if (!query.prepared())
        return failure(ErrorCode::ProgressUnavailable, QStringLiteral("cannot count new items")).error();
    query.bind(1, dayText(day));
    if (query.step() != SQLITE_ROW)
        return failure(ErrorCode::ProgressUnavailable, QStringLiteral("cannot count new items")).error();
    return int(query.integer(0));
}

Result<QList<ProgressDayTally>> SqliteProgressStore::answersPerDay(QDate first, QDate last) const
{
    if (!m_db)
        return Error{ErrorCode::ProgressNotOpen, QStringLiteral("the progress store is not open")};
    Statement query(m_db,
                    "SELECT review_day, count(*), sum(grade >= 2) FROM review_log"
                    " WHERE review_day BETWEEN ?1 AND ?2 GROUP BY review_day ORDER BY review_day");
    if (!query.prepared())
        return failure(ErrorCode::ProgressUnavailable, QStringLiteral("cannot read answers")).error();
    query.bind(1, dayText(first));
    query.bind(2, dayText(last));
    QList<ProgressDayTally> days;
    int rc = SQLITE_ROW;
    while ((rc = query.step()) == SQLITE_ROW)
        days.append({query.day(0), int(query.integer(1)), int(query.integer(2))});
    if (rc != SQLITE_DONE)
        return failure(ErrorCode::ProgressUnavailable, QStringLiteral("cannot read answers")).error();
    return days;
}

Result<QList<ProgressDueDay>> SqliteProgressStore::dueForecast(QDate first, QDate last) const
{
    if (!m_db)
        return Error{ErrorCode::ProgressNotOpen, QStringLiteral("the progress store is not open")};
    Statement query(m_db,
                    "SELECT max(due_day, ?1) AS day, count(*) FROM item_state WHERE due_day <= ?2"
                    " GROUP BY day ORDER BY day");
    if (!query.prepared())
        return failure(ErrorCode::ProgressUnavailable, QStringLiteral("cannot read the forecast")).error();
    query.bind(1, dayText(first));
    query.bind(2, dayText(last));
    QList<ProgressDueDay> days;
    int rc = SQLITE_ROW;
    while ((rc = query.step()) == SQLITE_ROW)
        days.append({query.day(0), int(query.integer(1))});
    if (rc != SQLITE_DONE)
        return failure(ErrorCode::ProgressUnavailable, QStringLiteral("cannot read the forecast")).error();
    return days;
}

Result<QList<QDate>> SqliteProgressStore::practiceDays(QDate last, int limit) const
{
    if (!m_db)
        return Error{ErrorCode::ProgressNotOpen, QStringLiteral("the progress store is not open")};
    Statement query(m_db,
                    "SELECT DISTINCT review_day FROM review_log WHERE review_day <= ?1"
                    " ORDER BY review_day DESC LIMIT ?2");
    if (!query.prepared())
        return failure(ErrorCode::ProgressUnavailable, QStringLiteral("cannot read practice days")).error();
    query.bind(1, dayText(last));
    query.bind(2, qint64(limit));
    QList<QDate> days;
    int rc = SQLITE_ROW;
    while ((rc = query.step()) == SQLITE_ROW)
        days.append(query.day(0));
    if (rc != SQLITE_DONE)
        return failure(ErrorCode::ProgressUnavailable, QStringLiteral("cannot read practice days")).error();
    return days;
}

} // namespace Platform
