// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "platform/modules/linkedmodules.h"
#include "shell/courseservices.h"
#include "shell/frmsplash.h"
#include "shelltestbed.h"

using TestSupport::FakeProcessLauncher;

class TestStartup : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    // Over an empty application folder of the test's own.
    std::unique_ptr<ShellTestBed> m_bed;

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
        m_bed = std::make_unique<ShellTestBed>(m_folder->path());
    }
    void cleanup() { m_bed.reset(); }

    void componentsInstalledShowsTheMainWindow()
    {
        m_bed->markComponentsInstalled();
        QVERIFY(m_bed->launch());
        QVERIFY(!m_bed->launcher.exitRequested);
        QVERIFY(m_bed->launcher.started.isEmpty());
        QVERIFY(!m_bed->startup->splashLoaded());
        QVERIFY(m_bed->main().isVisible());
        QCOMPARE(m_bed->main().windowTitle(), QStringLiteral("Veskora"));
        QCOMPARE(m_bed->state.helpReference, m_folder->path() + QStringLiteral("/RussianUserHelp.chm::/User.htm"));
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
            m_bed->settings.preset(QStringLiteral("Agent"), agent);
        if (checkProgramPresent)
            makeCheckProgram();
        QVERIFY(!m_bed->launch());
        const FakeProcessLauncher &launcher = m_bed->launcher;
        QVERIFY(launcher.exitRequested);
        QCOMPARE(launcher.started.size(), 1);
        const QString folder = m_folder->path() + QStringLiteral("/Tamrelon/");
        QCOMPARE(launcher.started.first(),
                 folder + (checkProgramPresent ? QStringLiteral("Kivrostep") : QStringLiteral("Kivrostep.EXE")));
        QVERIFY(!m_bed->startup->splashLoaded());
        QVERIFY(!m_bed->startup->mainWindow() || !m_bed->startup->mainWindow()->isVisible());
        QVERIFY(m_bed->settings.saves().isEmpty());
    }

    void settingsThatCannotBeSavedAreToldOnceInTheLearnersLanguage()
    {
        m_bed->markComponentsInstalled();
        m_bed->settings.preset(QStringLiteral("Language"), QStringLiteral("140"));
        m_bed->settings.failSaves = true;
        Platform::AdapterModules modules(Platform::linkedModules());
        Shell::CourseServices course(m_bed->services.paths, m_bed->state, m_bed->settings, m_bed->launcher, 0x0409,
                                     modules);
        Shell::ProgramLaunch startup(course.services());
        // Loading the start dialog saves the language again, and that save fails.
        QVERIFY(startup.run());
        QVERIFY(m_bed->settings.saves().contains(QStringLiteral("Language=140")));
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
