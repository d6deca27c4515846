// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "course/coursefiles.h"
#include "course/programstate.h"
#include "fakecharacterservice.h"
#include "inmemorysettingsstore.h"
#include "platform/audio/soundmodule.h"
#include "platform/database/sqlcipherdatabaseengine.h"
#include "platform/progress/sqliteprogressstore.h"
#include "practice/coursereader.h"
#include "practice/practiceservices.h"

/// A progress store over a real file whose recording can be made to fail.
class FlakyProgressStore final : public Platform::ProgressStore {
public:
    explicit FlakyProgressStore(const QString &path)
        : m_store(path)
    {
    }
    QString path() const override { return m_store.path(); }
    Platform::Result<Platform::ProgressOpenReport> open() override { return m_store.open(); }
    bool isOpen() const override { return m_store.isOpen(); }
    bool isWritable() const override { return m_store.isWritable(); }
    Platform::Status recordAnswer(const Platform::ProgressAnswer &answer,
                                  const Platform::ProgressItemState &state) override
    {
        if (failRecording)
            return Platform::fail(Platform::ErrorCode::ProgressUnavailable, QStringLiteral("disk full"));
        return m_store.recordAnswer(answer, state);
    }
    Platform::Result<QList<Platform::ProgressItemState>> itemStates() const override { return m_store.itemStates(); }
    Platform::Result<int> dueCount(QDate day) const override { return m_store.dueCount(day); }
    Platform::Result<int> firstAnsweredOn(QDate day) const override { return m_store.firstAnsweredOn(day); }
    Platform::Result<QList<Platform::ProgressDayTally>> answersPerDay(QDate first, QDate last) const override
    {
        return m_store.answersPerDay(first, last);
    }
    Platform::Result<QList<Platform::ProgressDueDay>> dueForecast(QDate first, QDate last) const override
    {
        return m_store.dueForecast(first, last);
    }
    Platform::Result<QList<QDate>> practiceDays(QDate last, int limit) const override
    {
        return m_store.practiceDays(last, limit);
    }

    bool failRecording = false;

private:
    Platform::SqliteProgressStore m_store;
};

/// Everything the practice windows need, over the compiled fixture course: a recording
/// character service, settings in memory, the real database engine, a progress file in a
/// temporary folder, a clock the test sets and a fixed seed.
struct PracticeTestBed {
    PracticeTestBed()
        : progress(dir.filePath(QStringLiteral("Veskora/progress.sqlite")))
    {
        state.interfaceLanguage = Course::Language::English;
        services.state = &state;
        services.settings = &settings;
        services.characters = &characters;
        services.databases = &engine;
        services.progress = &progress;
        services.paths = Platform::AppPaths(qEnvironmentVariable("VESKORA_FIXTURE_DIR"));
        services.clock = [this] { return now; };
        services.seed = 11;
        Platform::useSoundModule(&Platform::qtSoundModule());
    }

    QDate today() const { return services.today(); }

    /// Every fixture item answered \a daysAgo days ago and due today; items in odd places
    /// are well known, so that every kind of exercise turns up.
    void makeEverythingDue(int daysAgo = 5)
    {
        Platform::SqliteProgressStore store(progress.path());
        QVERIFY(store.open());
        const QDate answered = today().addDays(-daysAgo);
        int place = 0;
        for (const Course::PracticeItem &item : Practice::readPracticeItems(engine, services.paths)) {
            const Platform::ProgressAnswer answer{now.addDays(-daysAgo),
                                                  answered,
                                                  item.key.lesson,
                                                  item.key.record,
                                                  QStringLiteral("read-choose"),
                                                  3,
                                                  1000};
            const double stability = place++ % 2 ? 30 : 3;
            QVERIFY(store
                        .recordAnswer(
                            answer, {item.key.lesson, item.key.record, stability, 5, today(), answered, answered, 1, 0})
                        .ok());
        }
    }

    /// Answers recorded today so far.
    int answersToday() const
    {
        Platform::SqliteProgressStore store(progress.path());
        if (!store.open())
            return -1;
        const auto tallies = store.answersPerDay(today(), today());
        return tallies && !tallies->isEmpty() ? tallies->first().answers : 0;
    }

    void present(QWidget *, const QString &title, const QString &text)
    {
        messages << title + QStringLiteral(": ") + text;
    }
    /// A window's message box that keeps each message in \c messages instead.
    Practice::MessagePresenter presenter()
    {
        return [this](QWidget *parent, const QString &title, const QString &text) { present(parent, title, text); };
    }

    /// Replaces the progress file with \a bytes, which are no progress database.
    void spoilProgressFile(const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(progress.path()).absolutePath());
        QFile garbage(progress.path());
        QVERIFY(garbage.open(QIODevice::WriteOnly | QIODevice::Truncate));
        garbage.write(bytes);
    }

    /// Makes the progress file one that a newer version of the program wrote: its schema
    /// version (the database header's user version) beyond this program's.
    void makeProgressFileNewer()
    {
        {
            Platform::SqliteProgressStore store(progress.path());
            QVERIFY(store.open());
        }
        QFile file(progress.path());
        QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(63) && file.putChar(char(9)));
    }

    QTemporaryDir dir;
    QDateTime now{QDate(2026, 3, 10), QTime(10, 0), Qt::UTC};
    Course::ProgramState state;
    TestSupport::InMemorySettingsStore settings;
    TestSupport::FakeCharacterService characters;
    Platform::SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
    FlakyProgressStore progress;
    Practice::PracticeServices services;
    QStringList messages;
};
