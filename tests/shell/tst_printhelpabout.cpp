// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
// The Help menu's side of the shell: the print entry's calls on the report engine, the two
// help entries with the program-wide help reference and F1, and the about box.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "course/learningchoices.h"
#include "course/programstate.h"
#include "course/stresstable.h"
#include "fakehelpviewer.h"
#include "fakeprocesslauncher.h"
#include "inmemorysettingsstore.h"
#include "platform/report/reportengine.h"
#include "platform/ui/twips.h"
#include "shell/frmabout.h"
#include "shell/helpcommands.h"
#include "shell/printlesson.h"

using namespace Platform;
using Course::ProgramState;
namespace Language = Course::Language;

namespace {

/// A report engine that records each call as a line and prints nothing.
class RecordingReportEngine final : public ReportEngine {
public:
    void setDataFiles(const QString &path) override { calls.append(QStringLiteral("data ") + path); }
    void setConnect(const QString &connect) override { calls.append(QStringLiteral("connect ") + connect); }
    void setReportFileName(const QString &path) override { calls.append(QStringLiteral("layout ") + path); }
    void replaceSelectionFormula(const QString &formula) override
    {
        calls.append(QStringLiteral("formula ") + formula);
    }
    void setTextFilter(const QString &field, TextFilter filter) override { filters.insert(field, filter); }
    Status printReport() override
    {
        calls.append(QStringLiteral("print"));
        return failure;
    }

    QStringList calls;
    QHash<QString, TextFilter> filters;
    Status failure;
};

const QString kFolder = QStringLiteral("/opt/veskora");

QStringList printCalls(int layout, const QString &lesson)
{
    return {QStringLiteral("data /opt/veskora/Print.mdb"), QStringLiteral("connect PWD=vorpentaluki"),
            QStringLiteral("layout /opt/veskora/report%1.rpt").arg(layout),
            QStringLiteral("formula {Kursen.Lektion} ='%1'").arg(lesson), QStringLiteral("print")};
}

} // namespace

class TestPrintHelpAbout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void printsWithTheLanguagesLayout_data();
    void printsWithTheLanguagesLayout();
    void secondPrintUsesTheNewLanguage();
    void noLanguageNoPrint();
    void russianColumnIsPrintedWithStressMarksAsChosen();
    void beforeAnyLessonTheRecentLessonIsPrinted_data();
    void beforeAnyLessonTheRecentLessonIsPrinted();
    void failureTextInTheLearnersLanguage();

    void f1AfterStartUpOpensTheUserGuide();
    void helpEntriesReplaceTheReference_data();
    void helpEntriesReplaceTheReference();
    void laterF1OpensTheSamePageAgain();
    void languageOutsideTheSixKeepsTheReference();
    void f1OnAWidgetOpensHelpOnce();

    void aboutBoxTextsAndPlaces();
    void aboutBoxClosesWithKeys_data();
    void aboutBoxClosesWithKeys();
    void doubleClicksOpenOneBrowserEach();
};

void TestPrintHelpAbout::printsWithTheLanguagesLayout_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("lesson");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("formulaLesson");
    QTest::newRow("German, lesson 12") << int(Language::German) << "12" << 4 << "12";
    QTest::newRow("English, lesson 3") << int(Language::English) << "3" << 1 << "3";
    QTest::newRow("Swedish") << int(Language::Swedish) << "1" << 2 << "1";
    QTest::newRow("Finnish") << int(Language::Finnish) << "38" << 3 << "38";
    QTest::newRow("French") << int(Language::French) << "9" << 5 << "9";
    QTest::newRow("Spanish") << int(Language::Spanish) << "10" << 6 << "10";
    // The lesson goes in as plain decimal text, whatever the settings held.
    QTest::newRow("blanks and zeros dropped") << int(Language::English) << " 03 " << 1 << "3";
    QTest::newRow("quote cannot end the text") << int(Language::English) << "3' OR '1'='1" << 1 << "3'' OR ''1''=''1";
}

void TestPrintHelpAbout::printsWithTheLanguagesLayout()
{
    QFETCH(int, language);
    QFETCH(QString, lesson);
    QFETCH(int, layout);
    QFETCH(QString, formulaLesson);
    RecordingReportEngine engine;
    ProgramState state;
    state.interfaceLanguage = language;
    state.selectedLesson = lesson;
    Shell::PrintLesson printer(engine, state, AppPaths(kFolder));
    QVERIFY(printer.print().ok());
    QCOMPARE(engine.calls, printCalls(layout, formulaLesson));
    QVERIFY(printer.errorText().isEmpty());
}

void TestPrintHelpAbout::secondPrintUsesTheNewLanguage()
{
    RecordingReportEngine engine;
    ProgramState state;
    state.interfaceLanguage = Language::Swedish;
    state.selectedLesson = QStringLiteral("5");
    Shell::PrintLesson printer(engine, state, AppPaths(kFolder));
    QVERIFY(printer.print().ok());
    state.interfaceLanguage = Language::Spanish;
    state.selectedLesson = QStringLiteral("6");
    QVERIFY(printer.print().ok());
    QCOMPARE(engine.calls, printCalls(2, QStringLiteral("5")) + printCalls(6, QStringLiteral("6")));
}

void TestPrintHelpAbout::noLanguageNoPrint()
{
    RecordingReportEngine engine;
    ProgramState state;
    state.selectedLesson = QStringLiteral("5");
    Shell::PrintLesson printer(engine, state, AppPaths(kFolder));
    QVERIFY(printer.print().ok());
    state.interfaceLanguage = 170;
    QVERIFY(printer.print().ok());
    QVERIFY(engine.calls.isEmpty());
}

void TestPrintHelpAbout::russianColumnIsPrintedWithStressMarksAsChosen()
{
    Course::StressTable stress;
    stress.read(QStringLiteral("word\tstress\nзамок\tза\u0301мок замо\u0301к\n"
                               "place\ttext\tstress\nlesson07\tВот замок.\tза\u0301мок\n"));
    Course::LearningChoicesNotifier choices;
    RecordingReportEngine engine;
    ProgramState state;
    state.interfaceLanguage = Language::English;
    state.selectedLesson = QStringLiteral("7");
    Shell::PrintLesson printer(engine, state, AppPaths(kFolder));
    printer.setStress(&stress, &choices);
    QVERIFY(printer.print().ok());
    // The row's lesson picks its record's own decision.
    const ReportEngine::TextFilter filter = engine.filters.value(QStringLiteral("RussianText"));
    QVERIFY(filter);
    QCOMPARE(filter(QStringLiteral("Вот замок."), QStringLiteral("7")), QStringLiteral("Вот за\u0301мок."));
    QCOMPARE(filter(QStringLiteral("Вот замок."), QStringLiteral("8")), QStringLiteral("Вот замок."));

    choices.setChoices({false, true});
    QVERIFY(printer.print().ok());
    QVERIFY(!engine.filters.value(QStringLiteral("RussianText")));
}

void TestPrintHelpAbout::beforeAnyLessonTheRecentLessonIsPrinted_data()
{
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("printed");
    QTest::newRow("saved lesson") << "17"
                                  << "17";
    QTest::newRow("nothing saved") << ""
                                   << "2";
    QTest::newRow("saved text that is no lesson") << "forty"
                                                  << "2";
}

void TestPrintHelpAbout::beforeAnyLessonTheRecentLessonIsPrinted()
{
    // Right after start-up no lesson has been opened and SelectedLesson is empty: the print
    // takes the lesson the start dialog offers as the recent one, never an empty selection.
    QFETCH(QString, saved);
    QFETCH(QString, printed);
    RecordingReportEngine engine;
    TestSupport::InMemorySettingsStore settings;
    if (!saved.isEmpty())
        settings.preset(QStringLiteral("Lesson"), saved);
    ProgramState state;
    state.interfaceLanguage = Language::French;
    Shell::PrintLesson printer(engine, state, AppPaths(kFolder), &settings);
    QVERIFY(printer.print().ok());
    QCOMPARE(engine.calls, printCalls(5, printed));
    // Once a lesson has been opened, that lesson is printed.
    state.selectedLesson = QStringLiteral("4");
    engine.calls.clear();
    QVERIFY(printer.print().ok());
    QCOMPARE(engine.calls, printCalls(5, QStringLiteral("4")));
}

void TestPrintHelpAbout::failureTextInTheLearnersLanguage()
{
    RecordingReportEngine engine;
    engine.failure = fail(ErrorCode::FileNotFound, QStringLiteral("report layout /opt/veskora/report1.rpt not found"));
    ProgramState state;
    state.interfaceLanguage = Language::German;
    state.selectedLesson = QStringLiteral("2");
    Shell::PrintLesson printer(engine, state, AppPaths(kFolder));
    const Status status = printer.print();
    QVERIFY(status.failed());
    QCOMPARE(status.error().code, ErrorCode::FileNotFound);
    QVERIFY(printer.errorText().startsWith(QStringLiteral("Die Lektion konnte nicht gedruckt werden.")));
    QVERIFY(printer.errorText().endsWith(QStringLiteral("not found")));
    // A successful print clears the old message.
    engine.failure = Status{};
    QVERIFY(printer.print().ok());
    QVERIFY(printer.errorText().isEmpty());
}

void TestPrintHelpAbout::f1AfterStartUpOpensTheUserGuide()
{
    TestSupport::FakeHelpViewer viewer;
    ProgramState state;
    state.interfaceLanguage = Language::German;
    state.helpReference = AppPaths(kFolder).join(QStringLiteral("\\RussianUserHelp.chm::/User.htm"));
    Shell::HelpKeyFilter filter(viewer, state);
    qApp->installEventFilter(&filter);
    Shell::HelpCommands::pressF1();
    QTRY_COMPARE(viewer.shown, QStringList{QStringLiteral("/opt/veskora/RussianUserHelp.chm::/User.htm")});
    qApp->removeEventFilter(&filter);
}

void TestPrintHelpAbout::helpEntriesReplaceTheReference_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("grammar");
    QTest::addColumn<QString>("reference");
    const QString user = QStringLiteral("/opt/veskora/RussianUserHelp.chm::/");
    const QString grammar = QStringLiteral("/opt/veskora/RussianHelp.chm::/");
    QTest::newRow("Help2 English") << int(Language::English) << false << user + "Eng intro.htm";
    QTest::newRow("Help2 Swedish") << int(Language::Swedish) << false << user + "Swe Intro.htm";
    QTest::newRow("Help2 Finnish") << int(Language::Finnish) << false << user + "Fin intro.htm";
    QTest::newRow("Help2 German") << int(Language::German) << false << user + "Ger intro.htm";
    QTest::newRow("Help2 French") << int(Language::French) << false << user + "Fra intro.htm";
    QTest::newRow("Help2 Spanish") << int(Language::Spanish) << false << user + "Spain intro.htm";
    QTest::newRow("Help3 English") << int(Language::English) << true << grammar + "England.htm";
    QTest::newRow("Help3 Swedish") << int(Language::Swedish) << true << grammar + "Ryska minigrammatik.htm";
    QTest::newRow("Help3 Finnish") << int(Language::Finnish) << true << grammar + "Suomi.htm";
    QTest::newRow("Help3 German") << int(Language::German) << true << grammar + "German.htm";
    QTest::newRow("Help3 French") << int(Language::French) << true << grammar + "France.htm";
    QTest::newRow("Help3 Spanish") << int(Language::Spanish) << true << grammar + "Spain.htm";
}

void TestPrintHelpAbout::helpEntriesReplaceTheReference()
{
    QFETCH(int, language);
    QFETCH(bool, grammar);
    QFETCH(QString, reference);
    TestSupport::FakeHelpViewer viewer;
    ProgramState state;
    state.interfaceLanguage = language;
    state.helpReference = QStringLiteral("/opt/veskora/RussianUserHelp.chm::/User.htm");
    Shell::HelpKeyFilter filter(viewer, state);
    qApp->installEventFilter(&filter);
    Shell::HelpCommands commands(state, AppPaths(kFolder));
    if (grammar)
        commands.chooseGrammarHelp();
    else
        commands.chooseProgramHelp();
    QCOMPARE(state.helpReference, reference);
    // The entry only presses F1; the viewer opens when the event loop delivers it.
    QVERIFY(viewer.shown.isEmpty());
    QTRY_COMPARE(viewer.shown, QStringList{reference});
    qApp->removeEventFilter(&filter);
}

void TestPrintHelpAbout::laterF1OpensTheSamePageAgain()
{
    TestSupport::FakeHelpViewer viewer;
    ProgramState state;
    state.interfaceLanguage = Language::Finnish;
    state.helpReference = QStringLiteral("/opt/veskora/RussianUserHelp.chm::/User.htm");
    Shell::HelpKeyFilter filter(viewer, state);
    qApp->installEventFilter(&filter);
    Shell::HelpCommands commands(state, AppPaths(kFolder));
    commands.chooseGrammarHelp();
    QTRY_COMPARE(viewer.shown.size(), 1);
    Shell::HelpCommands::pressF1();
    QTRY_COMPARE(viewer.shown.size(), 2);
    const QString suomi = QStringLiteral("/opt/veskora/RussianHelp.chm::/Suomi.htm");
    QCOMPARE(viewer.shown, (QStringList{suomi, suomi}));
    qApp->removeEventFilter(&filter);
}

void TestPrintHelpAbout::languageOutsideTheSixKeepsTheReference()
{
    TestSupport::FakeHelpViewer viewer;
    ProgramState state;
    state.interfaceLanguage = 170;
    const QString previous = QStringLiteral("/opt/veskora/RussianHelp.chm::/German.htm");
    state.helpReference = previous;
    Shell::HelpKeyFilter filter(viewer, state);
    qApp->installEventFilter(&filter);
    Shell::HelpCommands commands(state, AppPaths(kFolder));
    commands.chooseProgramHelp();
    commands.chooseGrammarHelp();
    QCOMPARE(state.helpReference, previous);
    // F1 is still pressed each time and opens the previous page.
    QTRY_COMPARE(viewer.shown, (QStringList{previous, previous}));
    state.interfaceLanguage.reset();
    commands.chooseProgramHelp();
    QTRY_COMPARE(viewer.shown.size(), 3);
    QCOMPARE(state.helpReference, previous);
    qApp->removeEventFilter(&filter);
}

void TestPrintHelpAbout::f1OnAWidgetOpensHelpOnce()
{
    TestSupport::FakeHelpViewer viewer;
    ProgramState state;
    state.helpReference = QStringLiteral("/opt/veskora/RussianUserHelp.chm::/User.htm");
    Shell::HelpKeyFilter filter(viewer, state);
    qApp->installEventFilter(&filter);
    QWidget window;
    auto *edit = new QLineEdit(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    edit->setFocus();
    // A key press as the window system delivers it: through the window to the focus widget.
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.windowHandle(), Qt::Key_F1);
    QCOMPARE(viewer.shown.size(), 1);
    QTest::keyClick(window.windowHandle(), Qt::Key_A);
    QCOMPARE(viewer.shown.size(), 1);
    QCOMPARE(edit->text(), QStringLiteral("a"));
    qApp->removeEventFilter(&filter);
}

void TestPrintHelpAbout::aboutBoxTextsAndPlaces()
{
    TestSupport::FakeProcessLauncher launcher;
    Shell::FrmAbout about(launcher);
    QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(about.windowTitle(), QStringLiteral("About Veskora"));
    QVERIFY(!about.isModal());
    for (const char *name : {"Image1", "lblTitle", "Label1", "lblVersion", "lblDescription", "Line1", "Label3", "Text1",
                             "lblDisclaimer", "cmdOK"})
        QVERIFY2(about.findChild<QWidget *>(QString::fromLatin1(name)), name);
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Version"));
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("lblVersion"))->text(), QStringLiteral("1.0"));
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("Label3"))->text(), QStringLiteral("Webbsite:"));
    QVERIFY(about.findChild<QLabel *>(QStringLiteral("lblTitle"))->text().contains(QStringLiteral("Genie")));
    const QString description = about.findChild<QLabel *>(QStringLiteral("lblDescription"))->text();
    QVERIFY(description.contains(QStringLiteral("eSpeak NG")));
    const QString disclaimer = about.findChild<QLabel *>(QStringLiteral("lblDisclaimer"))->text();
    QVERIFY(disclaimer.startsWith(QStringLiteral("Microsoft Agent is Trademark of Microsoft Corp")));
    for (const char *credit : {"iso-flags-svg", "Twemoji", "CC-BY 4.0", "eSpeak NG", "dictionary"})
        QVERIFY2(disclaimer.contains(QString::fromLatin1(credit)), credit);
    auto *text1 = about.findChild<QLineEdit *>(QStringLiteral("Text1"));
    QCOMPARE(text1->text(), QStringLiteral("https://veskora.example.org"));
    QVERIFY(text1->isReadOnly() && !text1->hasFrame() && text1->font().underline());
    auto *ok = about.findChild<QPushButton *>(QStringLiteral("cmdOK"));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isDefault());
    // Places are twips turned into pixels.
    QCOMPARE(ok->geometry(),
             QRect(Twips::toPixels(4320, ok), Twips::toPixels(3000, ok), Twips::toPixels(1467, ok),
                   Twips::toPixels(345, ok)));
    QCOMPARE(about.size(), QSize(Twips::toPixels(5868, &about), Twips::toPixels(3624, &about)));
}

void TestPrintHelpAbout::aboutBoxClosesWithKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
}

void TestPrintHelpAbout::aboutBoxClosesWithKeys()
{
    QFETCH(int, key);
    TestSupport::FakeProcessLauncher launcher;
    QWidget mainWindow;
    mainWindow.show();
    QPointer<Shell::FrmAbout> about = new Shell::FrmAbout(launcher);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    // Modeless: the main window stays usable while the box is open.
    QVERIFY(mainWindow.isEnabled());
    QVERIFY(!QApplication::activeModalWidget());
    QTest::keyClick(about, Qt::Key(key));
    QTRY_VERIFY(about.isNull());
    QVERIFY(launcher.openedUrls.isEmpty());
}

void TestPrintHelpAbout::doubleClicksOpenOneBrowserEach()
{
    TestSupport::FakeProcessLauncher launcher;
    Shell::FrmAbout about(launcher);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    auto *text1 = about.findChild<QLineEdit *>(QStringLiteral("Text1"));
    QTest::mouseClick(text1, Qt::LeftButton);
    QVERIFY(launcher.openedUrls.isEmpty());
    QTest::mouseDClick(text1, Qt::LeftButton);
    QTest::mouseDClick(text1, Qt::LeftButton);
    QCOMPARE(launcher.openedUrls, (QList<QUrl>{Shell::FrmAbout::webSite(), Shell::FrmAbout::webSite()}));
    QVERIFY(about.isVisible());
}

QTEST_MAIN(TestPrintHelpAbout)
#include "tst_printhelpabout.moc"
