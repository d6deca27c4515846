// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "course/programstate.h"
#include "fakeprocesslauncher.h"
#include "inmemorysettingsstore.h"
#include "shell/courseservices.h"
#include "shell/frmmain.h"
#include "shell/frmsplash.h"
#include "shell/programlaunch.h"
#include "shell/services.h"

using TestSupport::FakeProcessLauncher;
using TestSupport::InMemorySettingsStore;

class TestStartup : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    Course::ProgramState m_state;
    InMemorySettingsStore m_settings;
    FakeProcessLauncher m_launcher;
    Shell::Services m_services;

    void makeCheckProgram()
    {
        QDir().mkpath(m_folder->path() + QStringLiteral("/Tamrelon"));
        QFile program(m_folder->path() + QStringLiteral("/Tamrelon/Kivrostep"));
        QVERIFY(program.open(QIODevice::WriteOnly));
        program.close();
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_state = {};
        m_settings = {};
        m_launcher = {};
        m_services = {};
        m_services.state = &m_state;
        m_services.settings = &m_settings;
        m_services.launcher = &m_launcher;
        m_services.paths = Platform::AppPaths(m_folder->path());
        m_services.strings = Resources::StringTable::menuStrings().forLocale(0x0409);
    }

    void componentsInstalledShowsTheMainWindow()
    {
        m_settings.preset(QStringLiteral("Agent"), QStringLiteral("OK"));
        Shell::ProgramLaunch startup(m_services);
        QVERIFY(startup.run());
        QVERIFY(!m_launcher.exitRequested);
        QVERIFY(m_launcher.started.isEmpty());
        QVERIFY(!startup.splashLoaded());
        QVERIFY(startup.mainWindow()->isVisible());
        QCOMPARE(startup.mainWindow()->windowTitle(), QStringLiteral("Veskora"));
        QCOMPARE(m_state.helpReference, m_folder->path() + QStringLiteral("/RussianUserHelp.chm::/User.htm"));
    }

    void componentCheck_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("agent");
        QTest::addColumn<bool>("checkProgramPresent");
        QTest::newRow("lower-case ok, program present") << true << "ok" << true;
        QTest::newRow("lower-case ok, program missing") << true << "ok" << false;
        QTest::newRow("absent, program present") << false << "" << true;
        QTest::newRow("absent, program missing") << false << "" << false;
        QTest::newRow("OK with a blank") << true << "OK " << true;
    }
    void componentCheck()
    {
        QFETCH(bool, present);
        QFETCH(QString, agent);
        QFETCH(bool, checkProgramPresent);
        if (present)
            m_settings.preset(QStringLiteral("Agent"), agent);
        if (checkProgramPresent)
            makeCheckProgram();
        Shell::ProgramLaunch startup(m_services);
        QVERIFY(!startup.run());
        QVERIFY(m_launcher.exitRequested);
        QCOMPARE(m_launcher.started.size(), 1);
        const QString folder = m_folder->path() + QStringLiteral("/Tamrelon/");
        QCOMPARE(m_launcher.started.first(),
                 folder + (checkProgramPresent ? QStringLiteral("Kivrostep") : QStringLiteral("Kivrostep.EXE")));
        QVERIFY(!startup.splashLoaded());
        QVERIFY(!startup.mainWindow() || !startup.mainWindow()->isVisible());
        QVERIFY(m_settings.saves().isEmpty());
    }

    void settingsThatCannotBeSavedAreToldOnceInTheLearnersLanguage()
    {
        m_settings.preset(QStringLiteral("Agent"), QStringLiteral("OK"));
        m_settings.preset(QStringLiteral("Language"), QStringLiteral("140"));
        m_settings.failSaves = true;
        Shell::CourseServices course(m_services.paths, m_state, m_settings, m_launcher, 0x0409);
        Shell::ProgramLaunch startup(course.services());
        // Loading the start dialog saves the language again, and that save fails.
        QVERIFY(startup.run());
        QVERIFY(m_settings.saves().contains(QStringLiteral("Language=140")));
        Platform::SettingsStore &store = *course.services().settings;
        QVERIFY(!store.save(QStringLiteral("Veskora"), QStringLiteral("Settings"), QStringLiteral("Lesson"),
                            QStringLiteral("7")));
        QCOMPARE(store.read(QStringLiteral("Veskora"), QStringLiteral("Settings"), QStringLiteral("Lesson")),
                 QStringLiteral("7"));
        QTest::qWait(20);

        QList<QMessageBox *> notices;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == u"settingsNotSaved" && widget->isVisible())
                notices << static_cast<QMessageBox *>(widget);
        }
        QCOMPARE(notices.size(), 1);
        QVERIFY2(
            notices.first()->text().startsWith(QStringLiteral("Ihre Einstellungen konnten nicht gespeichert werden.")),
            qPrintable(notices.first()->text()));
        QVERIFY(notices.first()->text().endsWith(QStringLiteral("the test's store cannot be written")));
        QVERIFY(!notices.first()->isModal());
        startup.mainWindow()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void splashShowsTheVersion()
    {
        QCOMPARE(Shell::FrmSplash::versionText(1, 0), QStringLiteral("Version 1.0."));
        Shell::FrmSplash splash;
        auto *version = splash.findChild<QLabel *>(QStringLiteral("lblVersion"));
        QVERIFY(version);
        QCOMPARE(version->text(), QStringLiteral("Version 1.0."));
        QCOMPARE(splash.findChild<QLabel *>(QStringLiteral("lblProductName"))->text(),
                 QStringLiteral(" hosted by Genie"));
        QCOMPARE(splash.findChild<QLabel *>(QStringLiteral("lblPlatform"))->text(),
                 QStringLiteral("Windows 95/98/ME/2000"));
        QVERIFY(splash.findChild<QTimer *>(QStringLiteral("Timer1")));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
