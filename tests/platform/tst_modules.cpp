// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// The adapter modules as the course program loads them. This program links only the light
// platform library and exports it, as the course program does, so a module that needs a
// symbol the program does not export fails here.
#include <cmath>

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QtEndian>

#include "platform/audio/soundmodule.h"
#include "platform/modules/adaptermodules.h"
#include "platform/modules/deferredadapters.h"
#include "platform/modules/deferredcharacterservice.h"
#include "platform/modules/deferredsound.h"

using namespace Platform;
using namespace Qt::StringLiterals;

class TestModules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        // No sound server answers: speech has to fail at the device.
        qputenv("PULSE_SERVER", "unix:/nonexistent/veskora-test-no-sound");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_scratch.path()));
    }

    // First: a module once loaded stays in the process.
    void anAccessorBeforeTheWarmUpLoadsItsOwnModuleOnly()
    {
        AdapterModules modules(AdapterModules::folderBeside(qEnvironmentVariable("VESKORA_APP_DIR")));
        QVERIFY(modules.databases());
        QVERIFY(isMapped("plugins/database.so"));
        QVERIFY(!isMapped("plugins/agent.so"));
        QVERIFY(!isMapped("plugins/report.so"));
        modules.warmUp();
        QTRY_VERIFY_WITH_TIMEOUT(modules.isReady(), 30000);
        QVERIFY(modules.characters() && modules.reports() && modules.help());
        QVERIFY(isMapped("plugins/agent.so"));
    }

    void modulesServeThroughTheDeferredAdapters()
    {
        const QString appDir = qEnvironmentVariable("VESKORA_APP_DIR");
        const QString trace = m_scratch.filePath(u"trace.txt"_s);
        qputenv("VESKORA_AGENT_TRACE", QFile::encodeName(trace));
        AdapterModules modules(AdapterModules::folderBeside(appDir));
        modules.warmUp();
        QTRY_VERIFY_WITH_TIMEOUT(modules.isReady(), 30000);
        QVERIFY(modules.characters() && modules.databases() && modules.reports() && modules.help());

        DeferredCharacterService characters(modules, AppPaths(appDir));
        QSignalSpy soundUnavailable(&characters, &CharacterService::soundUnavailable);
        QVERIFY(characters.load(u"Genie"_s, u"Genie.acs"_s).ok());
        QVERIFY(characters.isLoaded(u"Genie"_s));
        QVERIFY(characters.setLanguageId(u"Genie"_s, 1049).ok());
        QVERIFY(characters.speak(u"Genie"_s, uR"(\spd=150\Привет)"_s).ok());
        // The real service's signal comes out of the deferred one.
        QTRY_COMPARE_WITH_TIMEOUT(soundUnavailable.count(), 1, 30000);
        modules.characters()->setTimeScale(*characters.target(), 1000);
        QTRY_VERIFY_WITH_TIMEOUT(!modules.characters()->isBusy(*characters.target(), u"Genie"_s), 30000);
        QFile lines(trace);
        QVERIFY(lines.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(lines.readAll()).split(u'\n').mid(0, 3),
                 (QStringList{u"Load Genie Genie.acs"_s, u"LanguageID 1049"_s, uR"(Speak \spd=150\Привет)"_s}));
        qunsetenv("VESKORA_AGENT_TRACE");

        DeferredDatabaseEngine databases(modules, 4000);
        auto lexicon = databases.openDatabase(appDir + u"/Lexikon.mdb"_s, false, true, {});
        QVERIFY2(lexicon.hasValue(), lexicon.hasValue() ? "" : qPrintable(lexicon.error().detail));
        QVERIFY(!(*lexicon)->tableNames().isEmpty());

        // The progress store says where it is and that it is closed without being made.
        DeferredProgressStore progress(modules, m_scratch.filePath(u"progress.sqlite"_s));
        QVERIFY(!progress.isOpen());
        QCOMPARE(progress.dueCount(QDate(2026, 3, 1)).error().code, ErrorCode::ProgressNotOpen);
        QVERIFY(!QFile::exists(progress.path()));
        QVERIFY(progress.open().hasValue());
        QVERIFY(progress.isWritable());
        ProgressAnswer answer{
            QDateTime(QDate(2026, 3, 1), QTime(9, 0), Qt::UTC), QDate(2026, 3, 1), 2, 5, u"choice"_s, 3, 1200};
        ProgressItemState state{2, 5, 3.0, 5.0, QDate(2026, 3, 1), QDate(2026, 3, 1), QDate(2026, 3, 1), 1, 0};
        QVERIFY(progress.recordAnswer(answer, state).ok());
        QCOMPARE(*progress.dueCount(QDate(2026, 3, 1)), 1);

        // Texts the shell gives the help viewer reach the window the module makes, even when
        // given after the viewer was made.
        DeferredHelpViewer help(modules);
        QVERIFY(help.target());
        help.setProblemTexts([](HelpProblem problem) {
            return problem == HelpProblem::FileMissing ? u"The help file went astray"_s : QString();
        });
        help.showHelp(u"Missing.chm::/Start.htm"_s);
        bool told = false;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            for (const QTextBrowser *page : window->findChildren<QTextBrowser *>())
                told = told || page->toPlainText().contains(u"The help file went astray"_s);
        }
        QVERIFY(told);
    }

    void missingModulesRefuseEveryRequest()
    {
        QTemporaryDir empty;
        AdapterModules modules(empty.path());
        for (int module = 0; module < 4; ++module)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^cannot load "_s));
        DeferredCharacterService characters(modules, AppPaths(empty.path()));
        QCOMPARE(characters.load(u"Genie"_s, u"Genie.acs"_s).code(), ErrorCode::NotSupported);
        QVERIFY(!characters.isLoaded(u"Genie"_s));
        QVERIFY(!characters.balloonStyle(u"Genie"_s).hasValue());
        QVERIFY(characters.registerControl() != characters.registerControl());

        DeferredDatabaseEngine databases(modules, 4000);
        const auto opened = databases.openDatabase(empty.filePath(u"Russian.mdb"_s), false, true, {});
        QVERIFY(!opened.hasValue());
        QCOMPARE(opened.error().code, ErrorCode::NotSupported);
        DeferredReportEngine reports(modules, databases);
        QCOMPARE(reports.printReport().code(), ReportErrorCode::OutputFailed);
        DeferredHelpViewer help(modules);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^no help viewer"_s));
        help.showHelp(u"RussianUserHelp.chm::/User.htm"_s);
        DeferredProgressStore progress(modules, empty.filePath(u"progress.sqlite"_s));
        QCOMPARE(progress.open().error().code, ErrorCode::ProgressUnavailable);
        QCOMPARE(progress.recordAnswer({}, {}).code(), ErrorCode::ProgressNotOpen);
        QVERIFY(!QFile::exists(progress.path()));
    }

    void theSoundModuleServesThroughTheDeferredRecorderAndPlayer()
    {
        QVERIFY(!isMapped("libaubio"));
        const SoundModule *sound =
            loadSoundModule(AdapterModules::folderBeside(qEnvironmentVariable("VESKORA_APP_DIR")) + u"/sound.so"_s);
        QVERIFY(sound);
        QVERIFY(isMapped("libaubio"));
        useSoundModule(sound);

        // Half a second at 200 Hz is followed at 200 Hz.
        const RecordedSound tone{sine(200, 500), 16000};
        const PitchTrack track = soundModule()->trackPitch(tone.pcm, tone.sampleRate);
        QVERIFY(track.hz.size() > 30);
        QVERIFY2(std::abs(track.hz.at(track.hz.size() / 2) - 200) < 5,
                 qPrintable(QString::number(track.hz.at(track.hz.size() / 2))));

        // No sound server answers: the real recorder and player say so through the deferred ones.
        DeferredSoundRecorder recorder;
        QSignalSpy failed(&recorder, &SoundRecorder::failed);
        if (recorder.availability()) {
            QVERIFY(!recorder.start());
            QCOMPARE(failed.size(), 1);
        }
        QVERIFY(!recorder.isRecording());
        DeferredSoundPlayer player;
        QVERIFY(!player.play(tone));
        QVERIFY(!player.isPlaying());
        useSoundModule(nullptr);
    }

    void withoutTheSoundModuleNothingIsRecordedOrPlayed()
    {
        // None is beside the test program.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^cannot load "_s));
        QVERIFY(!soundModule());
        DeferredSoundRecorder recorder;
        QSignalSpy failed(&recorder, &SoundRecorder::failed);
        QCOMPARE(recorder.availability(), SoundRecorder::InputProblem::NoDevice);
        QVERIFY(!recorder.start());
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.first().first().value<SoundRecorder::InputProblem>(), SoundRecorder::InputProblem::NoDevice);
        recorder.stop();
        recorder.cancel();
        QVERIFY(!recorder.isRecording());
        DeferredSoundPlayer player;
        QVERIFY(!player.play({sine(200, 100), 16000}));
        player.stop();
        QVERIFY(!player.isPlaying());
    }

private:
    static QByteArray sine(double hz, int ms)
    {
        QByteArray pcm(16 * ms * 2, Qt::Uninitialized);
        for (int i = 0; i < 16 * ms; ++i)
            qToLittleEndian(qint16(8000 * std::sin(2 * M_PI * hz * i / 16000)), pcm.data() + 2 * i);
        return pcm;
    }

    static bool isMapped(const char *file)
    {
        QFile maps(u"/proc/self/maps"_s);
        return maps.open(QIODevice::ReadOnly | QIODevice::Text) && maps.readAll().contains(file);
    }

    QTemporaryDir m_scratch;
};

QTEST_MAIN(TestModules)
#include "tst_modules.moc"
