// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <functional>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "fakeprocesslauncher.h"
#include "inmemorysettingsstore.h"
#include "installer/install.h"
#include "resources/localeid.h"

using Resources::InstallerStrings;

namespace {

const QStringList kPrograms{QStringLiteral("MSAgent"),  QStringLiteral("Genie"),    QStringLiteral("tv_enua"),
                            QStringLiteral("lhttsrur"), QStringLiteral("AgtX0419"), QStringLiteral("spchcpl")};

// The recording launcher, plus a look at the window at the moment each program starts and
// a switch that makes raising a window fail.
class ObservingLauncher final : public Platform::ProcessLauncher {
public:
    Platform::Result<qint64> start(const QString &path) override
    {
        if (onStart)
            onStart();
        return recorder.start(path);
    }
    bool canBringToFront() const override { return recorder.canBringToFront(); }
    Platform::Status bringToFront(qint64 taskId) override
    {
        const Platform::Status status = recorder.bringToFront(taskId);
        if (failBringToFront)
            return Platform::fail(Platform::ErrorCode::ProgramNotStarted, QStringLiteral("no such window"));
        return status;
    }
    Platform::Status openUrl(const QUrl &url) override { return recorder.openUrl(url); }
    void exitNow(int code) override { recorder.exitNow(code); }

    TestSupport::FakeProcessLauncher recorder;
    std::function<void()> onStart;
    bool failBringToFront = false;
};

// A store whose writes fail, as a read-only configuration folder makes them.
class ReadOnlySettingsStore final : public Platform::SettingsStore {
public:
    QString read(const QString &, const QString &, const QString &) const override { return {}; }
    bool save(const QString &, const QString &, const QString &, const QString &) override { return false; }
};

} // namespace

class TestInstall : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    ObservingLauncher *m_launcher = nullptr;
    TestSupport::InMemorySettingsStore *m_settings = nullptr;

    std::unique_ptr<Installer::Install> makeWindow(const char *posixLocale, Platform::SettingsStore *store = nullptr)
    {
        const auto texts = InstallerStrings::forLocale(Resources::localeIdFromName(QString::fromLatin1(posixLocale)),
                                                       InstallerStrings::Choice::ListedOnly);
        auto window =
            std::make_unique<Installer::Install>(*m_launcher, store ? *store : *m_settings, texts, m_folder.path());
        window->setFocusWaitLimit(std::chrono::milliseconds(100));
        return window;
    }

    static void showActive(QWidget &window)
    {
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    static QPushButton *command1(QWidget &w) { return w.findChild<QPushButton *>(QStringLiteral("Command1")); }
    static QLineEdit *text1(QWidget &w) { return w.findChild<QLineEdit *>(QStringLiteral("Text1")); }
    static QLabel *label(QWidget &w, const char *name) { return w.findChild<QLabel *>(QString::fromLatin1(name)); }

    static void click(Installer::Install &window)
    {
        QTest::mouseClick(command1(window), Qt::LeftButton);
        QTRY_VERIFY(!window.isWaitingForFocus());
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_folder.isValid());
        // The setup programs lie beside the installer without the ".EXE" ending.
        for (const QString &program : kPrograms) {
            QFile file(m_folder.filePath(program));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        m_launcher = new ObservingLauncher;
        m_settings = new TestSupport::InMemorySettingsStore;
    }
    void cleanup()
    {
        delete m_launcher;
        delete m_settings;
    }

    void windowHasItsElementsAndTitle()
    {
        auto window = makeWindow("en_US.UTF-8");
        QCOMPARE(window->objectName(), QStringLiteral("Install"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Install Agent components"));
        QVERIFY(command1(*window));
        QVERIFY(text1(*window));
        QVERIFY(label(*window, "Label1"));
        QVERIFY(label(*window, "Label2"));
        QVERIFY(label(*window, "Label2")->text().isEmpty());
        QCOMPARE(label(*window, "Label2")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(label(*window, "Label1")->palette().color(QPalette::Window), QColor(255, 192, 192));
        QCOMPARE(window->step(), 1);
    }

    void loadShowsTheDesktopLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("instructionStart");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("status");
        QTest::newRow("Swedish") << "sv_SE.UTF-8"
                                 << "Detta program installerar"
                                 << "Fortsätt"
                                 << "Installerar MS-Agent komponenterna. 1 av 6";
        QTest::newRow("Italian has no table") << "it_IT.UTF-8"
                                              << "This program installs  components"
                                              << "Continue"
                                              << "Installs MS Agent, component 1 of 6";
        QTest::newRow("Catalan reads Spanish") << "ca_ES.UTF-8"
                                               << "Este programa"
                                               << "Continúa"
                                               << "Instala a MS-Agent, componente 1 de 6";
        QTest::newRow("Russian: 101 only") << "ru_RU.UTF-8"
                                           << "Ruskij"
                                           << "Continue"
                                           << "Installs MS Agent, component 1 of 6";
    }
    void loadShowsTheDesktopLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, instructionStart);
        QFETCH(QString, caption);
        QFETCH(QString, status);
        auto window = makeWindow(qPrintable(locale));
        QVERIFY2(label(*window, "Label1")->text().startsWith(instructionStart),
                 qPrintable(label(*window, "Label1")->text()));
        QCOMPARE(command1(*window)->text(), caption);
        QCOMPARE(text1(*window)->text(), status);
    }

    void firstClickStartsTheAgentCoreAndShowsText104_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text104");
        QTest::newRow("English") << "en_US.UTF-8"
                                 << "Installs MS Agent figure 'GENIE'   2 of 6 ";
        QTest::newRow("Swedish") << "sv_SE.UTF-8"
                                 << "Installerar MS-Agent figuren 'Genie'. 2 av 6";
        QTest::newRow("Austrian German") << "de_AT.UTF-8"
                                         << "Installiert MS-Agent-Figur ' GENIE' 2 von 6";
        QTest::newRow("French") << "fr_FR.UTF-8"
                                << "Installe le  nombre de MS-Agent ' GENIE' 2 de 6";
        QTest::newRow("Russian sees English") << "ru_RU.UTF-8"
                                              << "Installs MS Agent figure 'GENIE'   2 of 6 ";
    }
    void firstClickStartsTheAgentCoreAndShowsText104()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text104);
        auto window = makeWindow(qPrintable(locale));
        showActive(*window);
        click(*window);
        QCOMPARE(m_launcher->recorder.started, QStringList{m_folder.filePath(QStringLiteral("MSAgent"))});
        QCOMPARE(m_launcher->recorder.broughtToFront, QList<qint64>{1001});
        QCOMPARE(text1(*window)->text(), text104);
        QVERIFY(text1(*window)->isVisible());
        QVERIFY(command1(*window)->isEnabled());
        QCOMPARE(window->step(), 2);
        QVERIFY(m_settings->saves().isEmpty());
    }

    void sevenClicksStartTheSixProgramsThenRecordAndEnd()
    {
        auto window = makeWindow("en_US.UTF-8");
        showActive(*window);
        QStringList statusAtStart;
        QList<bool> buttonEnabledAtStart;
        QList<bool> statusVisibleAtStart;
        m_launcher->onStart = [&] {
            statusAtStart.append(text1(*window)->text());
            buttonEnabledAtStart.append(command1(*window)->isEnabled());
            statusVisibleAtStart.append(text1(*window)->isVisible());
        };
        for (int i = 0; i < 6; ++i)
            click(*window);

        QStringList expectedPaths;
        for (const QString &program : kPrograms)
            expectedPaths.append(m_folder.filePath(program));
        QCOMPARE(m_launcher->recorder.started, expectedPaths);
        QCOMPARE(statusAtStart,
                 (QStringList{QStringLiteral("Installs MS Agent    1 of 6"),
                              QStringLiteral("Installs MS Agent figure 'GENIE'   2 of 6 "),
                              QStringLiteral("Installs English (American) TrueVoice TTS Engine  3 of 6"),
                              QStringLiteral("Installs Russian TTS 3000 Engine   4 of 6 "),
                              QStringLiteral("Installs Russian language component DLL's   5 of 6"),
                              QStringLiteral("Installs Speech Controll Panel   6 of 6")}));
        QCOMPARE(buttonEnabledAtStart, (QList<bool>{false, true, false, false, false, false}));
        QCOMPARE(statusVisibleAtStart, QList<bool>(6, false));
        // Steps 1 and 4 raise the programs they started (the fake numbers tasks from 1001).
        QCOMPARE(m_launcher->recorder.broughtToFront, (QList<qint64>{1001, 1004}));
        QVERIFY(!m_settings->contains(QStringLiteral("Agent")));
        QVERIFY(!m_launcher->recorder.exitRequested);

        click(*window);
        QCOMPARE(m_settings->saves(), QStringList{QStringLiteral("Agent=OK")});
        QVERIFY(m_launcher->recorder.exitRequested);
        QCOMPARE(m_launcher->recorder.exitCode, 0);
        QCOMPARE(m_launcher->recorder.started.size(), 6);

        // Clicks after the end (a double click racing the exit) change nothing.
        click(*window);
        QCOMPARE(m_settings->saves().size(), 1);
        QCOMPARE(m_launcher->recorder.started.size(), 6);
    }

    void sixthClickShowsEndAndTheClosingNote()
    {
        auto window = makeWindow("en_US.UTF-8");
        showActive(*window);
        for (int i = 0; i < 5; ++i)
            click(*window);
        QVERIFY(label(*window, "Label2")->text().isEmpty());
        click(*window);
        QCOMPARE(text1(*window)->text(), QStringLiteral("End"));
        QCOMPARE(label(*window, "Label2")->text(),
                 QStringLiteral("You can restart your computer after this installation"));
        QVERIFY(label(*window, "Label2")->isVisible());
        QVERIFY(text1(*window)->isVisible());
    }

    void closingBeforeTheLastClickRecordsNothing()
    {
        auto window = makeWindow("en_US.UTF-8");
        showActive(*window);
        for (int i = 0; i < 3; ++i)
            click(*window);
        QVERIFY(window->close());
        QVERIFY(!m_settings->contains(QStringLiteral("Agent")));
        QVERIFY(m_settings->saves().isEmpty());
        QVERIFY(!m_launcher->recorder.exitRequested);
    }

    void focusWaitIsBoundedAndEndsWithTheWindow()
    {
        // A window that never becomes active: the wait gives up after its limit and asks
        // for the raise all the same, keeping the button disabled meanwhile.
        auto window = makeWindow("en_US.UTF-8");
        QTest::mouseClick(command1(*window), Qt::LeftButton);
        QVERIFY(window->isWaitingForFocus());
        QVERIFY(!command1(*window)->isEnabled());
        QVERIFY(m_launcher->recorder.broughtToFront.isEmpty());
        QCOMPARE(window->step(), 1);
        QTRY_COMPARE(m_launcher->recorder.broughtToFront, QList<qint64>{1001});
        QCOMPARE(window->step(), 2);
        QVERIFY(command1(*window)->isEnabled());

        // Closing during the wait of step 4 cancels the raise.
        for (int i = 0; i < 2; ++i)
            click(*window);
        QTest::mouseClick(command1(*window), Qt::LeftButton);
        QVERIFY(window->isWaitingForFocus());
        window->close();
        QTest::qWait(300);
        QCOMPARE(m_launcher->recorder.broughtToFront, QList<qint64>{1001});
        QVERIFY(!m_settings->contains(QStringLiteral("Agent")));
    }

    void windowSystemThatCannotRaiseWindowsNeitherWaitsNorAsks()
    {
        // The installer's window is not even active, which would otherwise start the wait.
        m_launcher->recorder.canRaise = false;
        auto window = makeWindow("en_US.UTF-8");
        QTest::mouseClick(command1(*window), Qt::LeftButton);
        QVERIFY(!window->isWaitingForFocus());
        QCOMPARE(window->step(), 2);
        QVERIFY(command1(*window)->isEnabled());
        QVERIFY(m_launcher->recorder.broughtToFront.isEmpty());
        QVERIFY(!window->findChild<QMessageBox *>(QStringLiteral("msgFailure")));
    }

    void programWindowThatAppearsLateIsRaisedWhenItComes()
    {
        const Platform::Status notYet =
            Platform::fail(Platform::ErrorCode::WindowNotFound, QStringLiteral("not shown"));
        m_launcher->recorder.frontResults = {notYet, notYet};
        auto window = makeWindow("en_US.UTF-8");
        showActive(*window);
        QTest::mouseClick(command1(*window), Qt::LeftButton);
        QTRY_COMPARE(window->step(), 2);
        QCOMPARE(m_launcher->recorder.broughtToFront, (QList<qint64>{1001, 1001, 1001}));
        QVERIFY(!window->findChild<QMessageBox *>(QStringLiteral("msgFailure")));
    }

    void programWindowThatNeverAppearsIsReported()
    {
        const Platform::Status notYet =
            Platform::fail(Platform::ErrorCode::WindowNotFound, QStringLiteral("no window of task 1001"));
        m_launcher->recorder.frontResults = QList<Platform::Status>(1000, notYet);
        auto window = makeWindow("en_US.UTF-8");
        showActive(*window);
        QTest::mouseClick(command1(*window), Qt::LeftButton);
        QVERIFY(window->isWaitingForFocus());
        QTRY_VERIFY(window->findChild<QMessageBox *>(QStringLiteral("msgFailure")));
        const auto *box = window->findChild<QMessageBox *>(QStringLiteral("msgFailure"));
        QVERIFY2(box->text().contains(QStringLiteral("no window of task 1001")), qPrintable(box->text()));
        QCOMPARE(window->step(), 1);
    }

    void failuresAreReportedAndEndWithoutRecording_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("failingProgram");
        QTest::addColumn<bool>("raiseFails");
        QTest::addColumn<int>("clicksBefore");
        QTest::addColumn<QString>("messageStart");
        QTest::newRow("core missing") << "en_US.UTF-8"
                                      << "MSAgent" << false << 0 << "The setup program could not be started:";
        QTest::newRow("voice missing, Swedish desktop")
            << "sv_SE.UTF-8"
            << "tv_enua" << false << 2 << "Installationsprogrammet kunde inte startas:";
        QTest::newRow("character missing in the step that keeps the button")
            << "fi_FI.UTF-8"
            << "Genie" << false << 1 << "Asennusohjelmaa ei voitu käynnistää:";
        QTest::newRow("window not raised")
            << "de_DE.UTF-8" << QString() << true << 0 << "Das Fenster des Installationsprogramms";
        QTest::newRow("Russian desktop") << "ru_RU.UTF-8"
                                         << "spchcpl" << false << 5 << "Не удалось запустить программу установки:";
    }
    void failuresAreReportedAndEndWithoutRecording()
    {
        QFETCH(QString, locale);
        QFETCH(QString, failingProgram);
        QFETCH(bool, raiseFails);
        QFETCH(int, clicksBefore);
        QFETCH(QString, messageStart);
        // A missing program is reported under the name it is delivered with here.
        if (!failingProgram.isEmpty()) {
            QVERIFY(QFile::remove(m_folder.filePath(failingProgram)));
            m_launcher->recorder.failing.insert(m_folder.filePath(failingProgram));
        }
        m_launcher->failBringToFront = raiseFails;
        auto window = makeWindow(qPrintable(locale));
        showActive(*window);
        for (int i = 0; i < clicksBefore; ++i)
            click(*window);
        QVERIFY(!window->findChild<QMessageBox *>(QStringLiteral("msgFailure")));
        QTest::mouseClick(command1(*window), Qt::LeftButton);

        auto *box = window->findChild<QMessageBox *>(QStringLiteral("msgFailure"));
        QVERIFY(box);
        QTRY_VERIFY(box->isVisible());
        QVERIFY2(box->text().startsWith(messageStart), qPrintable(box->text()));
        if (!failingProgram.isEmpty())
            QVERIFY2(box->text().contains(m_folder.filePath(failingProgram)), qPrintable(box->text()));
        QCOMPARE(window->step(), clicksBefore + 1);
        QVERIFY(!command1(*window)->isEnabled());
        QVERIFY(!m_launcher->recorder.exitRequested);

        // The program ends only once the learner has read the message.
        QMetaObject::invokeMethod(
            box, [box] { box->button(QMessageBox::Ok)->click(); }, Qt::QueuedConnection);
        QTRY_VERIFY(m_launcher->recorder.exitRequested);
        QCOMPARE(m_launcher->recorder.exitCode, 1);
        QVERIFY(!m_settings->contains(QStringLiteral("Agent")));
        QVERIFY(m_settings->saves().isEmpty());
    }

    void aSettingThatCannotBeWrittenIsNotReportedAsDone()
    {
        ReadOnlySettingsStore readOnly;
        auto window = makeWindow("en_US.UTF-8", &readOnly);
        showActive(*window);
        for (int i = 0; i < 7; ++i)
            click(*window);
        auto *box = window->findChild<QMessageBox *>(QStringLiteral("msgFailure"));
        QVERIFY(box);
        QVERIFY2(box->text().startsWith(QStringLiteral("The installation could not be recorded")),
                 qPrintable(box->text()));
        QVERIFY(!m_launcher->recorder.exitRequested);
        box->button(QMessageBox::Ok)->click();
        QTRY_VERIFY(m_launcher->recorder.exitRequested);
        QCOMPARE(m_launcher->recorder.exitCode, 1);
    }
};

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
