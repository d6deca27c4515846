// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "platform/ui/twips.h"
#include "shell/startdialog.h"
#include "shelltestbed.h"

using Course::LessonWindowKind;

Q_DECLARE_METATYPE(Course::LessonWindowKind)

class TestFrmMain : public QObject {
    Q_OBJECT

private:
    // The main window on its own, without the start-up sequence and the window director.
    std::unique_ptr<ShellTestBed> m_bed;
    std::unique_ptr<Shell::FrmMain> m_main;

    Shell::FrmMain &loadMain(quint32 lcid = 0x0409)
    {
        m_bed->services.strings = Resources::StringTable::menuStrings().forLocale(lcid);
        m_main = std::make_unique<Shell::FrmMain>(m_bed->services);
        m_main->load();
        m_main->show();
        if (!QTest::qWaitForWindowExposed(m_main.get()))
            qWarning("main window not exposed");
        return *m_main;
    }
    Shell::Start *start() { return m_main->start().get(); }
    template<typename T>
    T *control(const char *name)
    {
        return start()->findChild<T *>(QString::fromLatin1(name));
    }
    static LessonWindowKind kindOf(const QSignalSpy &spy, int i = 0)
    {
        return spy.at(i).at(0).value<LessonWindowKind>();
    }

private Q_SLOTS:
    void initTestCase() { qRegisterMetaType<Course::LessonWindowKind>(); }
    void init()
    {
        m_bed = std::make_unique<ShellTestBed>();
        m_bed->markComponentsInstalled();
    }
    void cleanup()
    {
        m_main.reset();
        m_bed.reset();
    }

    void childWindowsFitTheClientAreaOrScroll()
    {
        Shell::FrmMain &main = loadMain();
        QMdiArea *area = main.mdiArea();
        // Room on the screen: the frame grows until the child fits.
        main.move(0, 0);
        main.resize(400, 300);
        auto *child = new QWidget;
        child->resize(520, 380);
        main.showChild(child);
        QTRY_VERIFY(area->viewport()->width() >= 520 && area->viewport()->height() >= 380);
        QVERIFY(main.frameGeometry().bottom() <= main.screen()->availableGeometry().bottom());
        // No room left: the client area scrolls to the child's far edges.
        auto *large = new QWidget;
        large->resize(3000, 3000);
        main.showChild(large);
        QTRY_VERIFY(area->verticalScrollBar()->isVisible());
        QVERIFY(area->horizontalScrollBar()->isVisible());
        QVERIFY(main.frameGeometry().bottom() <= main.screen()->availableGeometry().bottom());
    }

    void firstStartIsEnglishAndWritesNothing()
    {
        Shell::FrmMain &main = loadMain();
        QCOMPARE(m_bed->state.interfaceLanguage, std::optional<int>(110));
        QVERIFY(m_bed->settings.saves().isEmpty());
        QCOMPARE(control<QPushButton>("cmdRecent")->text(), QStringLiteral("Begin the recent lesson. "));
        QVERIFY(main.entry(QStringLiteral("printer"))->isEnabled());
        for (const char *name : {"english", "swedish", "finnish", "germany", "france", "spain"})
            QVERIFY(main.entry(QString::fromLatin1(name))->isEnabled());
        QCOMPARE(m_bed->state.currentLesson, 0);
        QVERIFY(start()->isVisible());
        QCOMPARE(control<QLabel>("Label2")->text(),
                 QStringLiteral("Welcome to Russian for tourists with Genie. Select your lesson from &File above. "));
        QVERIFY(control<QPushButton>("cmdStart")->isHidden());
    }

    void savedGermanPressesItsFlagAndIsWrittenAgain()
    {
        m_bed->settings.preset(QStringLiteral("Language"), QStringLiteral("140"));
        loadMain();
        QCOMPARE(m_bed->state.interfaceLanguage, std::optional<int>(140));
        QCOMPARE(m_bed->settings.saves(), QStringList{QStringLiteral("Language=140")});
        QCOMPARE(control<QPushButton>("cmdRecent")->text(), QStringLiteral("Fangen Sie neue Lektion an."));
    }

    void savedLanguageOutsideTheSix()
    {
        m_bed->settings.preset(QStringLiteral("Language"), QStringLiteral("999"));
        loadMain();
        QVERIFY(!m_bed->state.interfaceLanguage.has_value());
        QVERIFY(m_bed->settings.saves().isEmpty());
        QCOMPARE(control<QPushButton>("cmdRecent")->text(), QStringLiteral("Begin the recent lesson. "));
    }

    void choosingALanguageSavesIt()
    {
        loadMain();
        QTest::mouseClick(control<QPushButton>("Command3"), Qt::LeftButton);
        QCOMPARE(m_bed->state.interfaceLanguage, std::optional<int>(130));
        QCOMPARE(m_bed->settings.value(QStringLiteral("Language")), QStringLiteral("130"));
        QCOMPARE(control<QPushButton>("cmdRecent")->text(), QStringLiteral("Starttaa viimekertainen oppitunti"));
        QTest::mouseClick(control<QLabel>("Label5"), Qt::LeftButton);
        QCOMPARE(m_bed->state.interfaceLanguage, std::optional<int>(150));
        QCOMPARE(m_bed->settings.value(QStringLiteral("Language")), QStringLiteral("150"));
        QCOMPARE(control<QPushButton>("cmdRecent")->text(), QStringLiteral("Commencer la leçon récente."));
    }

    void recentLesson_data()
    {
        QTest::addColumn<QString>("saved");
        QTest::addColumn<bool>("present");
        QTest::addColumn<int>("lesson");
        QTest::addColumn<LessonWindowKind>("kind");
        QTest::newRow("none") << "" << false << 2 << LessonWindowKind::Lesson;
        QTest::newRow("9") << "9" << true << 9 << LessonWindowKind::Lesson;
        QTest::newRow("10") << "10" << true << 10 << LessonWindowKind::Third;
        QTest::newRow("38") << "38" << true << 38 << LessonWindowKind::Third;
        QTest::newRow("1") << "1" << true << 1 << LessonWindowKind::Alphabet;
        QTest::newRow("abc") << "abc" << true << 2 << LessonWindowKind::Lesson;
        QTest::newRow("-3") << "-3" << true << 2 << LessonWindowKind::Lesson;
        QTest::newRow("0") << "0" << true << 2 << LessonWindowKind::Lesson;
        QTest::newRow("39") << "39" << true << 2 << LessonWindowKind::Lesson;
        QTest::newRow("99999999999") << "99999999999" << true << 2 << LessonWindowKind::Lesson;
        QTest::newRow("7.5") << "7.5" << true << 2 << LessonWindowKind::Lesson;
    }
    void recentLesson()
    {
        QFETCH(QString, saved);
        QFETCH(bool, present);
        QFETCH(int, lesson);
        QFETCH(LessonWindowKind, kind);
        if (present)
            m_bed->settings.preset(QStringLiteral("Lesson"), saved);
        Shell::FrmMain &main = loadMain();
        QSignalSpy requests(&main, &Shell::FrmMain::lessonWindowRequested);
        QTest::mouseClick(control<QPushButton>("cmdRecent"), Qt::LeftButton);
        QCOMPARE(requests.size(), 1);
        QCOMPARE(kindOf(requests), kind);
        QCOMPARE(m_bed->state.currentLesson, lesson);
        QCOMPARE(m_bed->state.selectedLesson, QString::number(lesson));
    }

    void recentLessonInSwedishDisablesTheOtherRows()
    {
        m_bed->settings.preset(QStringLiteral("Language"), QStringLiteral("120"));
        Shell::FrmMain &main = loadMain();
        QTest::mouseClick(control<QPushButton>("cmdRecent"), Qt::LeftButton);
        for (int i = 1; i <= 6; ++i) {
            const bool swedish = i == 1;
            QCOMPARE(start()->findChild<QLabel *>(QStringLiteral("Label%1").arg(i))->isEnabled(), swedish);
            QCOMPARE(start()->findChild<QPushButton *>(QStringLiteral("Command%1").arg(i))->isEnabled(), swedish);
        }
        // The menu's language entries are not touched by the recent-lesson command.
        QVERIFY(main.entry(QStringLiteral("english"))->isEnabled());
    }

    void lessonTwelveFromTheMenu()
    {
        m_bed->settings.preset(QStringLiteral("Language"), QStringLiteral("150"));
        Shell::FrmMain &main = loadMain();
        QSignalSpy requests(&main, &Shell::FrmMain::lessonWindowRequested);
        main.entry(QStringLiteral("twelve"))->trigger();
        QCOMPARE(requests.size(), 1);
        QCOMPARE(kindOf(requests), LessonWindowKind::Third);
        QCOMPARE(m_bed->state.currentLesson, 12);
        for (const char *name : {"english", "swedish", "finnish", "germany", "france", "spain"})
            QVERIFY(!main.entry(QString::fromLatin1(name))->isEnabled());
        for (int i = 1; i <= 6; ++i) {
            const bool french = i == 5;
            QCOMPARE(start()->findChild<QLabel *>(QStringLiteral("Label%1").arg(i))->isEnabled(), french);
            QCOMPARE(start()->findChild<QPushButton *>(QStringLiteral("Command%1").arg(i))->isEnabled(), french);
        }
        QVERIFY(main.entry(QStringLiteral("printer"))->isEnabled());
    }

    void lessonEntriesChooseTheirWindowKinds_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("lesson");
        QTest::addColumn<LessonWindowKind>("kind");
        QTest::newRow("first") << "first" << 1 << LessonWindowKind::Alphabet;
        QTest::newRow("second") << "second" << 2 << LessonWindowKind::Lesson;
        QTest::newRow("nneth") << "nneth" << 9 << LessonWindowKind::Lesson;
        QTest::newRow("tenth") << "tenth" << 10 << LessonWindowKind::Third;
        QTest::newRow("twentytre") << "twentytre" << 23 << LessonWindowKind::Third;
        QTest::newRow("thirtyeight") << "thirtyeight" << 38 << LessonWindowKind::Third;
    }
    void lessonEntriesChooseTheirWindowKinds()
    {
        QFETCH(QString, entry);
        QFETCH(int, lesson);
        QFETCH(LessonWindowKind, kind);
        Shell::FrmMain &main = loadMain();
        QSignalSpy requests(&main, &Shell::FrmMain::lessonWindowRequested);
        main.entry(entry)->trigger();
        QCOMPARE(kindOf(requests), kind);
        QCOMPARE(m_bed->state.currentLesson, lesson);
    }

    void languageEntryBeforeALessonChangesTheLanguageOnly()
    {
        Shell::FrmMain &main = loadMain();
        main.entry(QStringLiteral("germany"))->trigger();
        QCOMPARE(m_bed->state.interfaceLanguage, std::optional<int>(140));
        QVERIFY(m_bed->settings.saves().isEmpty());
        QCOMPARE(control<QPushButton>("cmdRecent")->text(), QStringLiteral("Begin the recent lesson. "));
    }

    void contentsEntryLocksTheLanguageChoice()
    {
        Shell::FrmMain &main = loadMain();
        QSignalSpy contents(&main, &Shell::FrmMain::contentsRequested);
        main.entry(QStringLiteral("content"))->trigger();
        QCOMPARE(contents.size(), 1);
        QVERIFY(!main.entry(QStringLiteral("spain"))->isEnabled());
        QVERIFY(control<QPushButton>("Command2")->isEnabled());
        QVERIFY(!control<QPushButton>("Command1")->isEnabled());
    }

    void englishHoverException()
    {
        m_bed->settings.preset(QStringLiteral("Language"), QStringLiteral("120"));
        loadMain();
        auto *label = control<QLabel>("Label2");
        auto *flag = control<QPushButton>("Command2");
        const QSize resting = flag->size();
        QTest::mouseMove(label);
        QVERIFY(label->font().bold());
        QCOMPARE(flag->size(), resting);
        QTest::mouseMove(control<QLabel>("Label7"), QPoint(2, 2));
        QVERIFY(!label->font().bold());

        m_bed->state.interfaceLanguage = 110;
        QTest::mouseMove(label);
        QCOMPARE(flag->width(), Platform::Twips::toPixels(835, flag));
        QCOMPARE(flag->height(), Platform::Twips::toPixels(550, flag));
        QTest::mouseMove(control<QLabel>("Label7"), QPoint(2, 2));
        QCOMPARE(flag->size(), resting);

        auto *swedishFlag = control<QPushButton>("Command1");
        QTest::mouseMove(swedishFlag);
        QVERIFY(control<QLabel>("Label1")->font().bold());
        QCOMPARE(swedishFlag->width(), Platform::Twips::toPixels(835, swedishFlag));
    }

    void menuCaptions_data()
    {
        QTest::addColumn<uint>("lcid");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("lesson1");
        QTest::addColumn<QString>("lesson12");
        QTest::addColumn<QString>("french");
        QTest::newRow("Swedish") << 0x041Du << "&Arkiv"
                                 << "Lektion1"
                                 << "Lektion 12"
                                 << "Français";
        QTest::newRow("Catalan") << 0x0403u << "&Menú"
                                 << "Lección 1"
                                 << "Lección 12"
                                 << "Francés";
        QTest::newRow("English") << 0x0409u << "File"
                                 << "Lesson 1"
                                 << "Lesson 12"
                                 << "Français";
    }
    void menuCaptions()
    {
        QFETCH(uint, lcid);
        QFETCH(QString, file);
        QFETCH(QString, lesson1);
        QFETCH(QString, lesson12);
        QFETCH(QString, french);
        Shell::FrmMain &main = loadMain(lcid);
        QCOMPARE(main.entry(QStringLiteral("mnuFile"))->text(), file);
        QCOMPARE(main.entry(QStringLiteral("first"))->text(), lesson1);
        QCOMPARE(main.entry(QStringLiteral("twelve"))->text(), lesson12);
        QCOMPARE(main.entry(QStringLiteral("france"))->text(), french);
        QCOMPARE(main.entry(QStringLiteral("streck1"))->text(), QStringLiteral("     __________"));
        QCOMPARE(main.entry(QStringLiteral("strek"))->text(), QStringLiteral("    __________"));
        QCOMPARE(main.windowTitle(), QStringLiteral("Veskora"));
        QVERIFY(main.entry(QStringLiteral("mnuFile3140"), 3) != main.entry(QStringLiteral("mnuFile3140"), 4));
    }

    void endEntryEndsAtOnce()
    {
        Shell::FrmMain &main = loadMain();
        main.entry(QStringLiteral("mnuExit"), 6)->trigger();
        QVERIFY(m_bed->launcher.exitRequested);
        QVERIFY(m_bed->settings.saves().isEmpty());
    }

    void startDialogHasItsFixedControls()
    {
        loadMain();
        for (const char *name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Picture2"})
            QVERIFY2(control<QLabel>(name), name);
        for (const char *name :
             {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "cmdRecent", "cmdStart"})
            QVERIFY2(control<QPushButton>(name), name);
        for (const char *name : {"txtLang", "txtLesson", "txtAgents"})
            QVERIFY2(start()->findChild<QWidget *>(QString::fromLatin1(name))->isHidden(), name);
        QCOMPARE(start()->width(), Platform::Twips::toPixels(8300, start()));
        QCOMPARE(start()->height(), Platform::Twips::toPixels(7800, start()));
    }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
