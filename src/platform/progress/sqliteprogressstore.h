// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include "platform/progress/progressstore.h"

struct sqlite3;

namespace Platform {

/// The progress store in an SQLite file: tables review_log (one row per answer) and
/// item_state (one row per item), in WAL mode with full sync, so an answer that was
/// recorded survives a crash or a power cut. The file carries its own application id and
/// schema version (PRAGMA application_id, user_version).
///
/// Not thread-safe: the store belongs to the thread that uses it.
class SqliteProgressStore final : public ProgressStore {
public:
    /// The schema this program writes.
    static constexpr int kSchemaVersion = 1;
    /// "VSKP" in the file header: a file without it (and not empty) is not ours.
    static constexpr int kApplicationId = 0x56534B50;

    /// A store over the file at \a path; nothing is opened yet.
    explicit SqliteProgressStore(QString path);
    ~SqliteProgressStore() override;
    SqliteProgressStore(const SqliteProgressStore &) = delete;
    SqliteProgressStore &operator=(const SqliteProgressStore &) = delete;

    /// $XDG_DATA_HOME/Veskora/progress.sqlite (by default ~/.local/share/Veskora/…).
    static QString defaultPath();

    QString path() const override { return m_path; }
    Result<ProgressOpenReport> open() override;
    bool isOpen() const override { return m_db != nullptr; }
    bool isWritable() const override { return m_db != nullptr && m_writable; }
    Status recordAnswer(const ProgressAnswer &answer, const ProgressItemState &state) override;
    Result<QList<ProgressItemState>> itemStates() const override;
    Result<int> dueCount(QDate day) const override;
    Result<int> firstAnsweredOn(QDate day) const override;
    Result<QList<ProgressDayTally>> answersPerDay(QDate first, QDate last) const override;
    Result<QList<ProgressDueDay>> dueForecast(QDate first, QDate last) const override;
    Result<QList<QDate>> practiceDays(QDate last, int limit) const override;

private:
    enum class Verdict { Usable, Empty, Unreadable, Newer };
    enum class OpenMode { Read, Write, Create };

    Status openFile(OpenMode mode);
    Verdict examine() const;
    Status createSchema();
    Status useDurableJournal();
    Result<QString> moveAside();
    void close();
    Status failure(qint64 code, const QString &what) const;

    QString m_path;
    sqlite3 *m_db = nullptr;
    bool m_writable = false;
};

} // namespace Platform
