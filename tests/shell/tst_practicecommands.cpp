// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "course/coursefiles.h"
#include "course/lessonrules.h"
#include "course/programstate.h"
#include "fakecharacterservice.h"
#include "fakeprocesslauncher.h"
#include "inmemorysettingsstore.h"
#include "platform/database/sqlcipherdatabaseengine.h"
#include "platform/progress/sqliteprogressstore.h"
#include "practice/practicewindow.h"
#include "practice/progresswindow.h"
#include "shell/frmmain.h"
#include "shell/learningcommands.h"
#include "shell/programlaunch.h"
#include "shell/services.h"
#include "shell/windowdirector.h"

using namespace Qt::StringLiterals;

// The Learning menu and the start dialog's due line in the course program wired as at
// start-up, over the fixture course, with a progress file in a temporary folder.
class TestPracticeCommands : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    Course::ProgramState m_state;
    TestSupport::InMemorySettingsStore m_settings;
    TestSupport::FakeProcessLauncher m_launcher;
    TestSupport::FakeCharacterService m_characters;
    Platform::SqlCipherDatabaseEngine m_databases{Course::Files::kKeyRounds};
    std::unique_ptr<Platform::SqliteProgressStore> m_progress;
    Shell::Services m_services;
    std::unique_ptr<Shell::ProgramLaunch> m_startup;

    Shell::FrmMain &main() { return *m_startup->mainWindow(); }
    Shell::LearningCommands &learning() { return m_startup->director()->practiceCommands(); }
    QString progressPath() const { return m_dir.filePath(u"Veskora/progress.sqlite"_s); }
    QString dueLine() { return main().start().get()->findChild<QLabel *>(u"lblDueToday"_s)->text(); }

    void start(const QString &language)
    {
        m_settings.preset(u"Agent"_s, u"OK"_s);
        m_settings.preset(u"Language"_s, language);
        m_progress = std::make_unique<Platform::SqliteProgressStore>(progressPath());
        m_services = {};
        m_services.state = &m_state;
        m_services.settings = &m_settings;
        m_services.launcher = &m_launcher;
        m_services.characters = &m_characters;
        m_services.databases = &m_databases;
        m_services.progress = m_progress.get();
        m_services.paths = Platform::AppPaths(qEnvironmentVariable("VESKORA_FIXTURE_DIR"));
        m_services.strings = Resources::StringTable::menuStrings().forLocale(0x0409);
        m_startup = std::make_unique<Shell::ProgramLaunch>(m_services);
        QVERIFY(m_startup->run());
        QCoreApplication::processEvents();
    }

private Q_SLOTS:
    void cleanup()
    {
        m_startup.reset();
        m_progress.reset();
        QDir(m_dir.filePath(u"Veskora"_s)).removeRecursively();
        m_state = {};
        m_settings = {};
    }

    void menuSpeaksTheInterfaceLanguage()
    {
        start(u"140"_s);
        QCOMPARE(main().entry(u"mnuLearning"_s)->text(), u"Lernen"_s);
        QCOMPARE(main().entry(u"mnuPractiseLesson"_s)->text(), u"Diese Lektion üben"_s);
        QCOMPARE(main().entry(u"mnuReviewDue"_s)->text(), u"Fällige Ausdrücke wiederholen (0)"_s);
        QVERIFY(!main().entry(u"mnuReviewDue"_s)->isEnabled());
        // Nothing is said before the first practice, and counting creates no file.
        QVERIFY(dueLine().isEmpty());
        QVERIFY(!QFile::exists(progressPath()));
    }

    void practiseTakesTheOpenLessonElseTheRecentOne()
    {
        start(u"110"_s);
        QCOMPARE(learning().practiceLesson(), Course::kDefaultLesson);
        m_settings.preset(u"Lesson"_s, u"9"_s);
        QCOMPARE(learning().practiceLesson(), 9);
        main().entry(u"fifth"_s)->trigger();
        QCOMPARE(learning().practiceLesson(), 5);

        main().entry(u"mnuPractiseLesson"_s)->trigger();
        Practice::PracticeWindow *window = learning().practice();
        QVERIFY(window);
        QCOMPARE(main().mdiArea()->activeSubWindow()->widget(), window);
        QCOMPARE(window->session().current().item.key.lesson, 5);
        window->findChild<QPushButton *>(u"cmdChoice%1"_s.arg(window->session().current().choices.right + 1))->click();
        // A wrong answer would be due tomorrow; a first right one later still: nothing today.
        QCOMPARE(main().entry(u"mnuReviewDue"_s)->text(), u"Review due phrases (0)"_s);
        QVERIFY(QFile::exists(progressPath()));
    }

    void dueCountsAppearInMenuAndStartDialog()
    {
        {
            Platform::SqliteProgressStore store(progressPath());
            QVERIFY(store.open());
            const QDate today = QDate::currentDate();
            for (int record = 2; record <= 4; ++record) {
                QVERIFY(store
                            .recordAnswer({QDateTime::currentDateTimeUtc().addDays(-3), today.addDays(-3), 5, record,
                                           u"recall"_s, 3, 100},
                                          {5, record, 3, 5, today, today.addDays(-3), today.addDays(-3), 1, 0})
                            .ok());
            }
        }
        start(u"120"_s);
        QCOMPARE(dueLine(), u"3 fraser att repetera i dag"_s);
        QCOMPARE(main().entry(u"mnuReviewDue"_s)->text(), u"Repetera fraser (3)"_s);
        main().entry(u"mnuReviewDue"_s)->trigger();
        Practice::PracticeWindow *window = learning().practice();
        QCOMPARE(window->session().size(), 3);
        main().entry(u"mnuMyProgress"_s)->trigger();
        QVERIFY(learning().progress());
        QCOMPARE(learning().progress()->windowTitle(), u"Mina framsteg"_s);
        window->findChild<QPushButton *>(u"cmdEnd"_s)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!learning().practice());
    }
};

QTEST_MAIN(TestPracticeCommands)
#include "tst_practicecommands.moc"
