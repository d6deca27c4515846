// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <cmath>

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QtEndian>

#include "course/pitchcomparison.h"
#include "geniespeech.h"
#include "pipefeeder.h"
#include "platform/audio/pitchtracker.h"
#include "platform/audio/qtsoundplayer.h"
#include "platform/audio/qtsoundrecorder.h"
#include "platform/audio/silencedetector.h"
#include "soundserver.h"

using namespace Platform;
using namespace Qt::StringLiterals;

namespace {

constexpr int kFedRate = 22050;

Course::PitchContour contourOf(const QByteArray &pcm, int sampleRate)
{
    const PitchTrack track = trackPitch(pcm, sampleRate);
    return {track.startMs, track.frameMs, track.hz};
}

} // namespace

// Recording through a real sound server: a private PulseAudio whose default input is a
// pipe source that the test feeds with the genie saying a phrase, as if it came from a
// microphone. The server must start; a machine where it cannot fails this test.
class TestAudioRecorder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        m_pipe = m_server.microphonePipe();
        QVERIFY2(m_server.startWithMicrophone(kFedRate), qPrintable(m_server.errorString()));
        // Before anything in this process has asked for sound devices.
        m_server.useInThisProcess();
    }

    void aSpokenPhraseIsRecordedUntilTheSilenceAfterIt()
    {
        const std::optional<Utterance> phrase =
            TestSupport::russianGenieSpeech(uR"(\spd=100\\pit=74\Добрый день! Как дела?)"_s);
        QVERIFY(phrase && !phrase->pcm.isEmpty());
        QCOMPARE(phrase->sampleRate, kFedRate);

        // Half a second of room before the phrase, three seconds after it.
        const QByteArray fed = QByteArray(kFedRate, '\0') + phrase->pcm + QByteArray(kFedRate * 6, '\0');
        const auto [first, last] = speechSpan(fed, kFedRate);
        const qint64 fedMs = (last - first) / 2 * 1000 / kFedRate;

        QtSoundRecorder recorder;
        QCOMPARE(recorder.availability(), std::nullopt);
        QSignalSpy finished(&recorder, &SoundRecorder::finished);
        QSignalSpy failed(&recorder, &SoundRecorder::failed);
        TestSupport::PipeFeeder feeder(m_pipe, fed, kFedRate);
        QVERIFY(recorder.start());
        QVERIFY(feeder.start());
        QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty() || !failed.isEmpty(), 15000);
        QVERIFY2(failed.isEmpty(), failed.isEmpty() ? "" : qPrintable(failed.first().at(1).toString()));
        QCOMPARE(finished.first().at(1).value<SoundRecorder::StopReason>(), SoundRecorder::StopReason::Silence);
        QVERIFY(!recorder.isRecording());

        const auto take = finished.first().at(0).value<RecordedSound>();
        QVERIFY2(std::abs(take.durationMs() - fedMs) <= fedMs / 10,
                 qPrintable(u"recorded %1 ms, fed %2 ms"_s.arg(take.durationMs()).arg(fedMs)));

        // The recording's melody is the fed one's, at the same height.
        const Course::PitchContour fedCurve = contourOf(phrase->pcm, kFedRate);
        const Course::PitchContour recordedCurve = contourOf(take.pcm, take.sampleRate);
        const Course::PitchAlignment alignment = Course::alignPitch(fedCurve, recordedCurve);
        QVERIFY(!alignment.isEmpty());
        QVERIFY2(alignment.meanDifference < 1.0, qPrintable(QString::number(alignment.meanDifference)));
        QVERIFY2(std::abs(double(alignment.learner.size()) / alignment.genie.size() - 1) < 0.2,
                 qPrintable(
                     u"%1 voiced frames recorded, %2 fed"_s.arg(alignment.learner.size()).arg(alignment.genie.size())));
    }

    void aTakeStoppedByTheLearnerEndsAtOnce()
    {
        QtSoundRecorder recorder;
        QSignalSpy finished(&recorder, &SoundRecorder::finished);
        TestSupport::PipeFeeder feeder(m_pipe, QByteArray(kFedRate * 2 * 2, '\0'), kFedRate);
        QVERIFY(recorder.start());
        QVERIFY(feeder.start());
        QTest::qWait(600);
        recorder.stop();
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.first().at(1).value<SoundRecorder::StopReason>(), SoundRecorder::StopReason::Stopped);
        QVERIFY(!recorder.isRecording());
    }

    void aClipIsPlayedToItsEnd()
    {
        // Half a second of a tone, heard through the server's null sink.
        RecordedSound clip{QByteArray(kFedRate, '\0'), kFedRate};
        for (qsizetype i = 0; i < clip.pcm.size() / 2; ++i)
            qToLittleEndian(qint16(8000 * std::sin(i * 0.05)), clip.pcm.data() + 2 * i);
        QtSoundPlayer player;
        QSignalSpy finished(&player, &SoundPlayer::finished);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(player.play(clip));
        QVERIFY(player.isPlaying());
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 5000);
        QVERIFY2(clock.elapsed() >= clip.durationMs() * 8 / 10, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!player.isPlaying());
        QVERIFY(!player.play({}));
    }

    void anInputThatDeliversNothingIsRefused()
    {
        QtSoundRecorder recorder;
        recorder.setFirstSoundTimeout(800);
        QSignalSpy failed(&recorder, &SoundRecorder::failed);
        QVERIFY(recorder.start()); // nobody writes into the pipe
        QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, 5000);
        QCOMPARE(failed.first().at(0).value<SoundRecorder::InputProblem>(), SoundRecorder::InputProblem::AccessRefused);
        QVERIFY(!recorder.isRecording());
    }

private:
    TestSupport::SoundServer m_server;
    QString m_pipe;
};

QTEST_MAIN(TestAudioRecorder)
#include "tst_audiorecorder.moc"
