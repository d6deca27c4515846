// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "contents/contentswindow.h"
#include "dictionary/frmlexiconeng.h"
#include "installer/componentprobe.h"
#include "installer/install.h"
#include "installer/kivrostepwindow.h"
#include "lessons/lektion1.h"
#include "lessons/lektion2.h"
#include "lessons/lektion3.h"
#include "lessontestbed.h"
#include "platform/agent/agentsettingsdialog.h"
#include "platform/help/chmhelpviewer.h"
#include "resources/installerstrings.h"
#include "resources/localeid.h"
#include "resources/stringtable.h"
#include "shell/frmabout.h"
#include "shell/frmmain.h"
#include "shell/services.h"
#include "shell/startdialog.h"

namespace {

// A control a learner can reach with Tab but that a screen reader would announce without a
// name. Parts of composite controls (the edit inside a spin box) speak through their owner.
QStringList unnamedControls(const QWidget *window)
{
    QStringList unnamed;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window) || widget->focusPolicy() == Qt::NoFocus || widget->focusProxy())
            continue;
        if (qobject_cast<QAbstractSpinBox *>(widget->parentWidget())
            || qobject_cast<QComboBox *>(widget->parentWidget()))
            continue;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << widget->objectName() + u'(' + QString::fromLatin1(widget->metaObject()->className()) + u')';
    }
    return unnamed;
}

// The main window over doubles, with the speech components installed, loaded and shown.
struct MainWindowHarness {
    explicit MainWindowHarness(quint32 localeId = 0x0409)
    {
        settings.preset(QStringLiteral("Agent"), QStringLiteral("OK"));
        services.state = &state;
        services.settings = &settings;
        services.launcher = &launcher;
        services.strings = Resources::StringTable::menuStrings().forLocale(localeId);
        main = std::make_unique<Shell::FrmMain>(services);
        main->load();
        main->show();
    }
    Course::ProgramState state;
    TestSupport::InMemorySettingsStore settings;
    TestSupport::FakeProcessLauncher launcher;
    Shell::Services services;
    std::unique_ptr<Shell::FrmMain> main;
};

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// The controls Tab visits from \a first until focus comes back round, by object name.
QStringList tabChain(QWidget *first)
{
    QStringList names;
    QWidget *widget = first;
    do {
        if (widget->isVisibleTo(first->window()) && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus))
            names << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != first && names.size() < 100);
    return names;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void lessonWindowsNameEveryControl_data();
    void lessonWindowsNameEveryControl();
    void lessonTabOrderFollowsTheCommands();
    void startDialogAndMainWindowNameEveryControl();
    void dialogsNameEveryControl();
    void contentsWorksFromTheKeyboard();
    void escapeClosesTopLevelWindows();
    void enterInTheStartDialog_data();
    void enterInTheStartDialog();
    void enterOnTheInstallersStatusLinePerformsTheStep();
    void menuOpensWithF10();
    void dictionaryReadsRussianAsCyrillic();
};

void TestAccessibility::lessonWindowsNameEveryControl_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("textName");
    // The names follow the interface language the window reads at load.
    QTest::newRow("alphabet, English") << 1 << 110 << QStringLiteral("Russian text");
    QTest::newRow("alphabet, Swedish") << 1 << 120 << QStringLiteral("Rysk text");
    QTest::newRow("lesson, German") << 2 << 140 << QStringLiteral("Russischer Text");
    QTest::newRow("lesson, Finnish") << 2 << 130 << QStringLiteral("Venäjänkielinen teksti");
    QTest::newRow("third, Spanish") << 3 << 160 << QStringLiteral("Texto ruso");
    QTest::newRow("third, French") << 3 << 150 << QStringLiteral("Texte russe");
}

void TestAccessibility::lessonWindowsNameEveryControl()
{
    QFETCH(int, window);
    QFETCH(int, language);
    QFETCH(QString, textName);
    LessonTestBed bed;
    bed.state.interfaceLanguage = language;
    QWidget *lesson = window == 1 ? static_cast<QWidget *>(bed.open<Lessons::Lektion1>(1))
        : window == 2             ? static_cast<QWidget *>(bed.open<Lessons::Lektion2>(2))
                                  : static_cast<QWidget *>(bed.open<Lessons::Lektion3>(12));
    lesson->show();
    QCOMPARE(unnamedControls(lesson).join(u','), QString());
    QCOMPARE(accessibleName(LessonTestBed::control(lesson, "txtTexten")), textName);
    // A button is announced by its caption in one piece, not by the lines it is broken into.
    auto *next = LessonTestBed::control<QPushButton>(lesson, "cmdNext");
    QVERIFY(!accessibleName(next).contains(u'\n'));
    QCOMPARE(accessibleName(next), LessonTestBed::caption(next));
}

void TestAccessibility::lessonTabOrderFollowsTheCommands()
{
    LessonTestBed bed;
    QWidget *lesson = bed.open<Lessons::Lektion2>(2);
    lesson->show();
    const QStringList chain = tabChain(LessonTestBed::control(lesson, "cmdBack"));
    // Record commands left to right, then the texts, then the lesson's own controls.
    const QStringList expected = {
        QStringLiteral("cmdBack"),     QStringLiteral("cmdRepeat"),    QStringLiteral("cmdNext"),
        QStringLiteral("cmdLast"),     QStringLiteral("txtTexten"),    QStringLiteral("txtNative"),
        QStringLiteral("txtInneholl"), QStringLiteral("Slider1"),      QStringLiteral("Command1"),
        QStringLiteral("cmdEnd"),      QStringLiteral("cmdNextLesson")};
    QCOMPARE(chain, expected);
    QCOMPARE(lesson->focusWidget(), LessonTestBed::control(lesson, "cmdNext"));
}

void TestAccessibility::startDialogAndMainWindowNameEveryControl()
{
    MainWindowHarness harness(0x041D);
    Shell::FrmMain &main = *harness.main;
    Shell::Start *start = main.start().get();
    QVERIFY(start);
    QCOMPARE(unnamedControls(&main).join(u','), QString());
    QCOMPARE(accessibleName(start->findChild<QPushButton *>(QStringLiteral("Command1"))), QStringLiteral("Svenska"));

    // Each welcome text's mnemonic moves focus to the flag beside it.
    auto *label = start->findChild<QLabel *>(QStringLiteral("Label2"));
    QCOMPARE(label->buddy(), start->findChild<QWidget *>(QStringLiteral("Command2")));
    // Enter on the start dialog begins the recent lesson.
    auto *recent = start->findChild<QPushButton *>(QStringLiteral("cmdRecent"));
    QVERIFY(recent->isDefault() || recent->autoDefault());
}

void TestAccessibility::dialogsNameEveryControl()
{
    TestSupport::FakeProcessLauncher launcher;
    Shell::FrmAbout about(launcher);
    about.show();
    QCOMPARE(unnamedControls(&about).join(u','), QString());

    Platform::HelpWindow help;
    help.show();
    QCOMPARE(unnamedControls(&help).join(u','), QString());

    QTemporaryDir folder;
    Installer::ComponentProbe probe(folder.path());
    Installer::KivrostepWindow check(probe, launcher, folder.path() + QStringLiteral("/Tamrelon"), 0x041D);
    check.show();
    QCOMPARE(unnamedControls(&check).join(u','), QString());

    Platform::AgentSettingsDialog settings;
    settings.show();
    QCOMPARE(unnamedControls(&settings).join(u','), QString());

    LessonTestBed bed;
    Dictionary::DictionaryServices services;
    services.state = &bed.state;
    services.databases = &bed.engine;
    services.paths = bed.services.paths;
    Dictionary::FrmLexiconEng dictionary(services);
    dictionary.load();
    dictionary.show();
    QCOMPARE(unnamedControls(&dictionary).join(u','), QString());

    TestSupport::InMemorySettingsStore store;
    const auto texts = Resources::InstallerStrings::forLocale(0x0409, Resources::InstallerStrings::Choice::ListedOnly);
    Installer::Install install(launcher, store, texts, QDir::tempPath());
    install.show();
    QCOMPARE(unnamedControls(&install).join(u','), QString());
}

void TestAccessibility::contentsWorksFromTheKeyboard()
{
    Course::ProgramState state;
    state.interfaceLanguage = 110;
    Contents::ContentsWindow contents(state);
    contents.load();
    contents.show();
    QCOMPARE(unnamedControls(&contents).join(u','), QString());
    QSignalSpy started(&contents, &Contents::ContentsWindow::startCommandRequested);
    contents.entry(1)->setFocus();
    // Down moves to the next entry; Enter chooses the entry that has focus.
    QTest::keyClick(contents.entry(1), Qt::Key_Down);
    QCOMPARE(contents.focusWidget(), contents.entry(2));
    QTest::keyClick(contents.entry(2), Qt::Key_Down);
    QCOMPARE(contents.focusWidget(), contents.entry(3));
    QTest::keyClick(contents.entry(3), Qt::Key_Return);
    QCOMPARE(started.count(), 1);
    QCOMPARE(state.currentLesson, 3);
}

void TestAccessibility::escapeClosesTopLevelWindows()
{
    Course::ProgramState state;
    state.interfaceLanguage = 110;
    auto *contents = new Contents::ContentsWindow(state);
    contents->setAttribute(Qt::WA_DeleteOnClose, false);
    contents->load();
    contents->show();
    contents->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(contents));
    QTest::keyClick(contents, Qt::Key_Escape);
    QVERIFY(!contents->isVisible());
    QSignalSpy spy(contents, &QObject::destroyed);
    delete contents;

    LessonTestBed bed;
    Dictionary::DictionaryServices services;
    services.state = &bed.state;
    services.databases = &bed.engine;
    services.paths = bed.services.paths;
    Dictionary::FrmLexiconEng dictionary(services);
    dictionary.load();
    dictionary.show();
    dictionary.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dictionary));
    QTest::keyClick(&dictionary, Qt::Key_Escape);
    QVERIFY(!dictionary.isVisible());

    TestSupport::FakeProcessLauncher launcher;
    Shell::FrmAbout about(launcher);
    about.show();
    about.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QTest::keyClick(&about, Qt::Key_Escape);
    QVERIFY(!about.isVisible());
}

void TestAccessibility::enterInTheStartDialog_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("lessonRequests");
    // Enter presses the button that has focus, as in a dialog; the default button begins
    // the recent lesson.
    QTest::newRow("on a flag") << QStringLiteral("Command3") << 130 << 0;
    QTest::newRow("on the recent lesson") << QStringLiteral("cmdRecent") << 110 << 1;
}

void TestAccessibility::enterInTheStartDialog()
{
    QFETCH(QString, focus);
    QFETCH(int, language);
    QFETCH(int, lessonRequests);
    qRegisterMetaType<Course::LessonWindowKind>();
    MainWindowHarness harness;
    Shell::FrmMain &main = *harness.main;
    Course::ProgramState &state = harness.state;
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    Shell::Start *start = main.start().get();
    QSignalSpy requests(start, &Shell::Start::lessonWindowRequested);
    auto *button = start->findChild<QPushButton *>(focus);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    QCOMPARE(state.interfaceLanguage, std::optional<int>(language));
    QCOMPARE(requests.count(), lessonRequests);
}

void TestAccessibility::menuOpensWithF10()
{
    MainWindowHarness harness;
    Shell::FrmMain &main = *harness.main;
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    // The start dialog's flags take the welcome texts' Alt keys, so the menu needs its own.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
    QCOMPARE(main.menuBar()->activeAction(), main.entry(QStringLiteral("mnuFile")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
}

void TestAccessibility::enterOnTheInstallersStatusLinePerformsTheStep()
{
    TestSupport::FakeProcessLauncher launcher;
    TestSupport::InMemorySettingsStore store;
    const auto texts = Resources::InstallerStrings::forLocale(0x0409, Resources::InstallerStrings::Choice::ListedOnly);
    Installer::Install install(launcher, store, texts, QDir::tempPath());
    install.setFocusWaitLimit(std::chrono::milliseconds(10));
    install.show();
    install.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&install));
    auto *status = install.findChild<QWidget *>(QStringLiteral("Text1"));
    status->setFocus();
    QTest::keyClick(status, Qt::Key_Return);
    QCOMPARE(install.step(), 2);
    // Enter with a modifier is not the default button's key.
    QTest::keyClick(status, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(install.step(), 2);
}

void TestAccessibility::dictionaryReadsRussianAsCyrillic()
{
    LessonTestBed bed;
    bed.state.interfaceLanguage = 120;
    Dictionary::DictionaryServices services;
    services.state = &bed.state;
    services.databases = &bed.engine;
    services.paths = bed.services.paths;
    Dictionary::FrmLexiconEng dictionary(services);
    dictionary.load();
    dictionary.show();
    auto *search = dictionary.findChild<QLineEdit *>(QStringLiteral("txtOrt"));
    QCOMPARE(accessibleName(search), QStringLiteral("Sök"));
    QTest::keyClicks(search, QStringLiteral("h"));
    auto *grid = dictionary.findChild<QWidget *>(QStringLiteral("DBGrid1"));
    QCOMPARE(accessibleName(grid), QStringLiteral("Träffar"));
    QAccessibleTableInterface *table = QAccessible::queryAccessibleInterface(grid)->tableInterface();
    QVERIFY(table && table->rowCount() > 0);
    // The stored form (one Latin-1 character per Cyrillic letter) would be read out as
    // gibberish; the reader must get the letters the grid shows.
    const QString russian = table->cellAt(0, 1)->text(QAccessible::Name);
    QVERIFY(!russian.isEmpty());
    for (const QChar c : russian)
        QVERIFY2(c.unicode() < 0xC0 || (c.unicode() >= 0x400 && c.unicode() < 0x500), qPrintable(russian));
    QVERIFY(std::any_of(russian.begin(), russian.end(), [](QChar c) { return c.unicode() >= 0x400; }));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
