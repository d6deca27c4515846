// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "contents/contentswindow.h"
#include "dictionary/frmlexiconeng.h"
#include "lessons/lessonwindowbase.h"
#include "shell/frmabout.h"
#include "shelltestbed.h"

using Course::LessonWindowKind;

Q_DECLARE_METATYPE(Course::LessonWindowKind)

// The whole course program wired as at start-up, with recording doubles for the character,
// the settings and processes, over the compiled fixture course.
class TestWindowDirector : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ShellTestBed> m_bed;

    Shell::FrmMain &main() { return m_bed->main(); }
    Shell::WindowDirector &director() { return m_bed->director(); }
    QWidget *lesson(LessonWindowKind kind) { return director().lessonWindow(kind); }
    int lessonWindowsOpen()
    {
        int count = 0;
        for (QMdiSubWindow *sub : main().mdiArea()->subWindowList())
            count += qobject_cast<Lessons::LessonWindowBase *>(sub->widget()) != nullptr;
        return count;
    }

private Q_SLOTS:
    void init()
    {
        m_bed = std::make_unique<ShellTestBed>();
        m_bed->markComponentsInstalled();
        QVERIFY(m_bed->launch());
    }
    void cleanup() { m_bed.reset(); }

    void lessonWindowsAreWhollyShown_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<LessonWindowKind>("kind");
        QTest::newRow("alphabet") << "first" << LessonWindowKind::Alphabet;
        QTest::newRow("lesson 2") << "second" << LessonWindowKind::Lesson;
        QTest::newRow("lesson 12") << "twelve" << LessonWindowKind::Third;
    }
    void lessonWindowsAreWhollyShown()
    {
        // Every control a lesson window shows lies inside it, and the window inside the main
        // window's client area, or the client area scrolls to it.
        QFETCH(QString, entry);
        QFETCH(LessonWindowKind, kind);
        main().entry(entry)->trigger();
        QWidget *window = lesson(kind);
        QVERIFY(window);
        for (const QWidget *control : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (control->isVisibleTo(window))
                QVERIFY2(window->rect().contains(control->geometry()), qPrintable(control->objectName()));
        }
        QMdiArea *area = main().mdiArea();
        const QWidget *frame = window->parentWidget();
        QCOMPARE(frame->pos(), QPoint(0, 0));
        QVERIFY(frame->width() <= area->viewport()->width() + area->horizontalScrollBar()->maximum());
        QVERIFY(frame->height() <= area->viewport()->height() + area->verticalScrollBar()->maximum());
    }

    void menuOpensTheRightWindowKind()
    {
        main().entry(QStringLiteral("fifth"))->trigger();
        QVERIFY(lesson(LessonWindowKind::Lesson));
        QCOMPARE(lesson(LessonWindowKind::Lesson)->objectName(), QStringLiteral("Lektion2"));
        QCOMPARE(m_bed->state.selectedLesson, QStringLiteral("5"));
        QCOMPARE(m_bed->settings.value(QStringLiteral("Lesson")), QStringLiteral("5"));
        main().entry(QStringLiteral("twelve"))->trigger();
        QCOMPARE(lesson(LessonWindowKind::Third)->objectName(), QStringLiteral("Lektion3"));
        main().entry(QStringLiteral("first"))->trigger();
        QCOMPARE(lesson(LessonWindowKind::Alphabet)->objectName(), QStringLiteral("Lektion1"));
        QCOMPARE(lessonWindowsOpen(), 3);
    }

    void sameKindAgainKeepsTheOpenWindowAndItsLesson()
    {
        main().entry(QStringLiteral("third"))->trigger();
        QWidget *first = lesson(LessonWindowKind::Lesson);
        m_bed->characters.clear();
        main().entry(QStringLiteral("sevent"))->trigger();
        QCOMPARE(lesson(LessonWindowKind::Lesson), first);
        QCOMPARE(m_bed->state.currentLesson, 7);
        QCOMPARE(m_bed->state.selectedLesson, QStringLiteral("3"));
        QVERIFY(m_bed->characters.spoken().isEmpty());
        QCOMPARE(lessonWindowsOpen(), 1);
    }

    void nextLessonFromNineReloadsTheSameKind()
    {
        main().entry(QStringLiteral("nneth"))->trigger();
        QPointer<QWidget> nine = lesson(LessonWindowKind::Lesson);
        QTest::mouseClick(nine->findChild<QPushButton *>(QStringLiteral("cmdNextLesson")), Qt::LeftButton);
        QTRY_VERIFY(nine.isNull());
        QTRY_VERIFY(lesson(LessonWindowKind::Lesson));
        QCOMPARE(m_bed->state.currentLesson, 10);
        QCOMPARE(m_bed->state.selectedLesson, QStringLiteral("10"));
        QCOMPARE(m_bed->settings.value(QStringLiteral("Lesson")), QStringLiteral("10"));
        QVERIFY(!lesson(LessonWindowKind::Third));
        QCOMPARE(lessonWindowsOpen(), 1);
        // A later request for that kind keeps the one window.
        main().entry(QStringLiteral("second"))->trigger();
        QCOMPARE(lessonWindowsOpen(), 1);
    }

    void alphabetHandsOverToTheLessonWindow()
    {
        main().entry(QStringLiteral("first"))->trigger();
        QPointer<QWidget> alphabet = lesson(LessonWindowKind::Alphabet);
        QTest::mouseClick(alphabet->findChild<QPushButton *>(QStringLiteral("cmdNextLesson")), Qt::LeftButton);
        QTRY_VERIFY(lesson(LessonWindowKind::Lesson));
        QVERIFY(alphabet.isNull());
        QCOMPARE(m_bed->state.currentLesson, 2);
        QCOMPARE(m_bed->settings.value(QStringLiteral("Lesson")), QStringLiteral("2"));
    }

    void contentsEntryOpensItsLessonAndCloses()
    {
        main().entry(QStringLiteral("content"))->trigger();
        QPointer<QWidget> contents = director().contents();
        QVERIFY(contents && contents->isVisible());
        QVERIFY(!main().entry(QStringLiteral("english"))->isEnabled());
        main().entry(QStringLiteral("content"))->trigger();
        QCOMPARE(static_cast<QWidget *>(director().contents()), contents.data());
        QTest::mouseClick(contents->findChild<QLabel *>(QStringLiteral("Label10")), Qt::LeftButton);
        QTRY_VERIFY(contents.isNull());
        QCOMPARE(lesson(LessonWindowKind::Third)->objectName(), QStringLiteral("Lektion3"));
        QCOMPARE(m_bed->state.currentLesson, 10);
    }

    void endLessonBringsBackTheStartDialog()
    {
        main().entry(QStringLiteral("fifth"))->trigger();
        QPointer<QWidget> five = lesson(LessonWindowKind::Lesson);
        QTest::mouseClick(five->findChild<QPushButton *>(QStringLiteral("cmdEnd")), Qt::LeftButton);
        QTRY_VERIFY(five.isNull());
        QVERIFY(main().start().get());
        QVERIFY(main().start().get()->isVisible());
        QCOMPARE(m_bed->settings.value(QStringLiteral("Lesson")), QStringLiteral("5"));
    }

    void dictionaryAndAboutAreSingleInstances()
    {
        main().entry(QStringLiteral("fifth"))->trigger();
        auto *dictionaryButton = lesson(LessonWindowKind::Lesson)->findChild<QPushButton *>(QStringLiteral("Command1"));
        QTest::mouseClick(dictionaryButton, Qt::LeftButton);
        QPointer<QWidget> dictionary = director().dictionary();
        QVERIFY(dictionary && dictionary->isVisible());
        QTest::mouseClick(dictionaryButton, Qt::LeftButton);
        QCOMPARE(static_cast<QWidget *>(director().dictionary()), dictionary.data());

        main().entry(QStringLiteral("About"))->trigger();
        QPointer<QWidget> about = director().about();
        QVERIFY(about && about->isVisible());
        main().entry(QStringLiteral("About"))->trigger();
        QCOMPARE(static_cast<QWidget *>(director().about()), about.data());

        // Closing the frame closes the top-level windows and releases every window object.
        main().close();
        QTRY_VERIFY(dictionary.isNull() || !dictionary->isVisible());
        QTRY_VERIFY(about.isNull() || !about->isVisible());
        QVERIFY(!director().dictionary());
        QVERIFY(!director().about());
    }
};

QTEST_MAIN(TestWindowDirector)
#include "tst_windowdirector.moc"
