// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "course/lessonrules.h"
#include "platform/progress/sqliteprogressstore.h"
#include "practice/chartdrawing.h"
#include "practice/practicewindow.h"
#include "practice/progresswindow.h"
#include "shell/learningcommands.h"
#include "shelltestbed.h"

using namespace Qt::StringLiterals;

// The Learning menu and the start dialog's due line in the course program wired as at
// start-up, over the fixture course, with a progress file in a temporary folder.
class TestPracticeCommands : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Platform::SqliteProgressStore> m_progress;
    std::unique_ptr<ShellTestBed> m_bed;

    Shell::FrmMain &main() { return m_bed->main(); }
    Shell::LearningCommands &learning() { return m_bed->director().practiceCommands(); }
    QString progressPath() const { return m_dir.filePath(u"Veskora/progress.sqlite"_s); }
    QString dueLine() { return main().start().get()->findChild<QLabel *>(u"lblDueToday"_s)->text(); }

    void start(const QString &language)
    {
        Practice::useChartDrawing(&Practice::qtChartDrawing());
        m_progress = std::make_unique<Platform::SqliteProgressStore>(progressPath());
        m_bed = std::make_unique<ShellTestBed>();
        m_bed->markComponentsInstalled();
        m_bed->settings.preset(u"Language"_s, language);
        m_bed->services.progress = m_progress.get();
        QVERIFY(m_bed->launch());
        QCoreApplication::processEvents();
    }

private Q_SLOTS:
    void cleanup()
    {
        m_bed.reset();
        m_progress.reset();
        QDir(m_dir.filePath(u"Veskora"_s)).removeRecursively();
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
        m_bed->settings.preset(u"Lesson"_s, u"9"_s);
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
