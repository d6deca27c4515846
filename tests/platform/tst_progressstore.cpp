// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include "platform/progress/sqliteprogressstore.h"

using Platform::ProgressAnswer;
using Platform::ProgressItemState;
using Platform::SqliteProgressStore;
namespace ErrorCode = Platform::ErrorCode;

namespace {

const QDate kDay(2026, 3, 10);

ProgressAnswer answer(int record, QDate day, int grade)
{
    return {QDateTime(day, QTime(10, 30), Qt::UTC), day, 5, record, QStringLiteral("recall"), grade, 2000};
}

ProgressItemState state(int record, QDate due, double stability = 3.173)
{
    return {5, record, stability, 5.28, due, kDay, kDay, 1, 0};
}

// A progress file holding one answer, closed again.
void writeSample(const QString &path)
{
    SqliteProgressStore store(path);
    QVERIFY(store.open());
    QVERIFY(store.recordAnswer(answer(2, kDay, 3), state(2, kDay.addDays(3))).ok());
}

// Overwrites four bytes of the file header, big-endian (SQLite keeps user_version at 60 and
// application_id at 68).
void patchHeader(const QString &path, qint64 offset, quint32 value)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.seek(offset));
    const char bytes[] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    QCOMPARE(file.write(bytes, 4), 4);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestProgressStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(m_dir.isValid()); }
    void cleanup();
    void missingFileStartsAFreshDurableStore();
    void answersAndStatesRoundTrip();
    void answerIsAllOrNothing();
    void unusableFileIsMovedAside_data();
    void unusableFileIsMovedAside();
    void emptyFileBecomesTheStore();
    void oldLogDoesNotFollowIntoTheFreshFile();
    void newerVersionIsLeftAlone();
    void readOnlyFileIsReadButNeverWritten();
    void answersSurviveAKill();

private:
    QString path() const { return m_dir.filePath(QStringLiteral("Veskora/progress.sqlite")); }
    QTemporaryDir m_dir;
    QString m_immutable;
};

void TestProgressStore::cleanup()
{
    if (!m_immutable.isEmpty())
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_immutable});
    m_immutable.clear();
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
    QDir(m_dir.filePath(QStringLiteral("Veskora"))).removeRecursively();
}

void TestProgressStore::missingFileStartsAFreshDurableStore()
{
    {
        SqliteProgressStore store(path());
        const auto report = store.open();
        QVERIFY(report);
        QVERIFY(report->created);
        QVERIFY(report->movedAsideTo.isEmpty());
        QVERIFY(store.isWritable());
        QCOMPARE(store.itemStates()->size(), 0);
        QVERIFY(store.recordAnswer(answer(2, kDay, 3), state(2, kDay)).ok());
        // Until the store closes, the answer lives in the write-ahead log beside the file.
        QVERIFY(QFile(path() + QStringLiteral("-wal")).size() > 0);
        QVERIFY(!store.open()->created);
    }
    const QByteArray header = contents(path()).left(72);
    // Bytes 18 and 19 are 2 in a database that uses the write-ahead log.
    QCOMPARE(int(header.at(18)), 2);
    QCOMPARE(int(header.at(19)), 2);
    QCOMPARE(header.mid(68, 4), QByteArray("VSKP"));
    QCOMPARE(int(header.at(63)), SqliteProgressStore::kSchemaVersion);
}

void TestProgressStore::answersAndStatesRoundTrip()
{
    {
        SqliteProgressStore store(path());
        QVERIFY(store.open());
        QVERIFY(store.recordAnswer(answer(2, kDay.addDays(-3), 3), state(2, kDay.addDays(-1))).ok());
        QVERIFY(store.recordAnswer(answer(2, kDay, 1), state(2, kDay.addDays(1), 1.05)).ok());
        QVERIFY(store.recordAnswer(answer(3, kDay, 4), state(3, kDay.addDays(16), 15.7)).ok());
        QVERIFY(store.recordAnswer(answer(4, kDay, 2), state(4, kDay.addDays(-2))).ok());
    }
    SqliteProgressStore store(path());
    QVERIFY(store.open());
    const auto states = store.itemStates();
    QVERIFY(states);
    QCOMPARE(states->size(), 3);
    QCOMPARE(states->at(0), state(2, kDay.addDays(1), 1.05));
    QCOMPARE(*store.dueCount(kDay), 1);
    QCOMPARE(*store.dueCount(kDay.addDays(1)), 2);
    QCOMPARE(*store.firstAnsweredOn(kDay), 3);
    const QList<Platform::ProgressDayTally> tallies{{kDay.addDays(-3), 1, 1}, {kDay, 3, 2}};
    QCOMPARE(*store.answersPerDay(kDay.addDays(-29), kDay), tallies);
    // The overdue item counts on the first day of the forecast.
    const QList<Platform::ProgressDueDay> forecast{{kDay, 1}, {kDay.addDays(1), 1}};
    QCOMPARE(*store.dueForecast(kDay, kDay.addDays(13)), forecast);
    QCOMPARE(*store.practiceDays(kDay, 10), (QList<QDate>{kDay, kDay.addDays(-3)}));
    QCOMPARE(*store.practiceDays(kDay.addDays(-1), 10), (QList<QDate>{kDay.addDays(-3)}));
}

void TestProgressStore::answerIsAllOrNothing()
{
    SqliteProgressStore store(path());
    QVERIFY(store.open());
    // A state the item table refuses (no stability) takes the answer's row back with it.
    const Platform::Status refused =
        store.recordAnswer(answer(2, kDay, 3), state(2, kDay, std::numeric_limits<double>::quiet_NaN()));
    QVERIFY(refused.failed());
    QCOMPARE(refused.code(), ErrorCode::ProgressUnavailable);
    QCOMPARE(store.answersPerDay(kDay, kDay)->size(), 0);
    QVERIFY(store.recordAnswer(answer(2, kDay, 9), state(2, kDay)).failed());
    QCOMPARE(store.itemStates()->size(), 0);
    // The store goes on working after a refused answer.
    QVERIFY(store.recordAnswer(answer(2, kDay, 3), state(2, kDay)).ok());
    QCOMPARE(store.answersPerDay(kDay, kDay)->size(), 1);
}

void TestProgressStore::unusableFileIsMovedAside_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("random bytes") << QStringLiteral("random");
    QTest::newRow("cut short") << QStringLiteral("truncated");
    QTest::newRow("another program's database") << QStringLiteral("foreign");
    QTest::newRow("text file") << QStringLiteral("text");
}

void TestProgressStore::unusableFileIsMovedAside()
{
    QFETCH(QString, kind);
    QDir().mkpath(QFileInfo(path()).absolutePath());
    if (kind == u"random") {
        QByteArray bytes(8192, Qt::Uninitialized);
        for (char &byte : bytes)
            byte = char(QRandomGenerator::global()->bounded(256));
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    } else if (kind == u"truncated") {
        writeSample(path());
        QFile::remove(path() + QStringLiteral("-wal"));
        QFile::remove(path() + QStringLiteral("-shm"));
        QFile file(path());
        QVERIFY(file.size() > 4096);
        QVERIFY(file.resize(file.size() - 4096 + 100));
    } else if (kind == u"foreign") {
        writeSample(path());
        patchHeader(path(), 68, 0x12345678);
    } else {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("review_log,item_state\n1,2,3\n");
    }
    const QByteArray before = contents(path());

    SqliteProgressStore store(path());
    const auto report = store.open();
    QVERIFY(report);
    QVERIFY(report->created);
    QVERIFY(report->movedAsideTo.startsWith(path() + QStringLiteral(".unreadable-")));
    QCOMPARE(contents(report->movedAsideTo), before);
    QCOMPARE(store.itemStates()->size(), 0);
    QVERIFY(store.recordAnswer(answer(2, kDay, 3), state(2, kDay)).ok());
}

void TestProgressStore::emptyFileBecomesTheStore()
{
    QDir().mkpath(QFileInfo(path()).absolutePath());
    QFile empty(path());
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    SqliteProgressStore store(path());
    const auto report = store.open();
    QVERIFY(report);
    QVERIFY(report->created);
    QVERIFY(report->movedAsideTo.isEmpty());
    QVERIFY(store.recordAnswer(answer(2, kDay, 3), state(2, kDay)).ok());
}

void TestProgressStore::oldLogDoesNotFollowIntoTheFreshFile()
{
    // A damaged file with its log beside it: the log goes aside with it, where the two can
    // still be read together, and the fresh file starts empty.
    writeSample(path());
    QByteArray log;
    {
        SqliteProgressStore store(path());
        QVERIFY(store.open());
        QVERIFY(store.recordAnswer(answer(3, kDay, 3), state(3, kDay)).ok());
        log = contents(path() + QStringLiteral("-wal"));
    }
    QVERIFY(!log.isEmpty());
    QFile damaged(path());
    QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write(QByteArray(512, 'x'));
    damaged.close();
    QFile kept(path() + QStringLiteral("-wal"));
    QVERIFY(kept.open(QIODevice::WriteOnly));
    kept.write(log);
    kept.close();

    SqliteProgressStore store(path());
    const auto report = store.open();
    QVERIFY(report);
    QVERIFY(!report->movedAsideTo.isEmpty());
    QCOMPARE(contents(report->movedAsideTo + QStringLiteral("-wal")), log);
    QCOMPARE(store.itemStates()->size(), 0);
    QCOMPARE(store.answersPerDay(kDay, kDay)->size(), 0);
}

void TestProgressStore::newerVersionIsLeftAlone()
{
    writeSample(path());
    patchHeader(path(), 60, SqliteProgressStore::kSchemaVersion + 1);
    const QByteArray before = contents(path());
    SqliteProgressStore store(path());
    const auto report = store.open();
    QVERIFY(!report);
    QCOMPARE(report.error().code, ErrorCode::ProgressNewerVersion);
    QVERIFY(!store.isOpen());
    QCOMPARE(contents(path()), before);
    QCOMPARE(QDir(QFileInfo(path()).absolutePath()).entryList({QStringLiteral("*.unreadable-*")}, QDir::Files).size(),
             0);
    QCOMPARE(store.recordAnswer(answer(2, kDay, 3), state(2, kDay)).code(), ErrorCode::ProgressNotOpen);
}

void TestProgressStore::readOnlyFileIsReadButNeverWritten()
{
    writeSample(path());
    QVERIFY(QFile::setPermissions(path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    if (QFile(path()).open(QIODevice::ReadWrite)) {
        // Permissions do not bind the superuser; an immutable file does.
        if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path()}) != 0)
            QSKIP("the file cannot be made read-only for this user");
        m_immutable = path();
    }
    const QByteArray before = contents(path());
    SqliteProgressStore store(path());
    const auto report = store.open();
    QVERIFY(!report);
    QCOMPARE(report.error().code, ErrorCode::ProgressReadOnly);
    QVERIFY(store.isOpen());
    QVERIFY(!store.isWritable());
    QCOMPARE(store.itemStates()->size(), 1);
    QCOMPARE(store.recordAnswer(answer(3, kDay, 3), state(3, kDay)).code(), ErrorCode::ProgressReadOnly);
    QCOMPARE(contents(path()), before);
}

void TestProgressStore::answersSurviveAKill()
{
    QProcess writer;
    writer.start(QStringLiteral(PROGRESS_WRITER), {path(), QStringLiteral("5")});
    QVERIFY(writer.waitForFinished(30000));
    QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
    QVERIFY(writer.readAllStandardOutput().contains("recorded 5"));
    SqliteProgressStore store(path());
    QVERIFY(store.open());
    QCOMPARE(store.answersPerDay(QDate(2026, 3, 10), QDate(2026, 3, 10))->value(0).answers, 5);
    QCOMPARE(store.itemStates()->size(), 5);
    QCOMPARE(*store.dueCount(QDate(2026, 3, 13)), 5);
}

QTEST_GUILESS_MAIN(TestProgressStore)
#include "tst_progressstore.moc"
