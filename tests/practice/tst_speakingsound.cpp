// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "geniespeech.h"
#include "pipefeeder.h"
#include "platform/audio/qtsoundplayer.h"
#include "platform/audio/qtsoundrecorder.h"
#include "platform/audio/recordingstore.h"
#include "platform/audio/silencedetector.h"
#include "platform/audio/soundmodule.h"
#include "practice/pitchpicture.h"
#include "practice/speakingpanel.h"
#include "soundserver.h"

using namespace Platform;
using namespace Qt::StringLiterals;

namespace {

constexpr int kRate = 22050;

qint64 spokenMs(const QByteArray &pcm, int sampleRate)
{
    const auto [first, last] = speechSpan(pcm, sampleRate, 0);
    return (last - first) / 2 * 1000 / sampleRate;
}

} // namespace

// The speaking panel as a learner uses it, over a real sound server: a private PulseAudio
// whose microphone is a pipe the test speaks into (the genie's own phrase) and whose null
// sink is listened to. The server must start; a machine where it cannot fails this test.
class TestSpeakingSound : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        m_pipe = m_server.microphonePipe();
        QVERIFY2(m_server.startWithMicrophone(kRate), qPrintable(m_server.errorString()));
        m_server.useInThisProcess();
        Platform::useSoundModule(&Platform::qtSoundModule());
    }

    void cleanupTestCase() { Platform::useSoundModule(nullptr); }

    void aTakeIsRecordedHeardAfterTheGenieDrawnAndKept()
    {
        const QString russian = u"Как дела?"_s;
        const std::optional<Utterance> genie = TestSupport::russianGenieSpeech(uR"(\spd=100\\pit=74\)"_s + russian);
        QVERIFY(genie && !genie->pcm.isEmpty());

        QTemporaryDir dir;
        RecordingStore store(dir.filePath(u"recordings"_s));
        QtSoundRecorder recorder;
        QtSoundPlayer player;
        const Practice::SpeakingServices services{&recorder, &player, &store, {}, {}};
        Practice::SpeakingPanel panel(services);
        panel.setPhrase({u"lesson02-record05"_s, russian, {}, *genie});
        panel.show();
        QVERIFY(panel.canRecord());

        // The learner presses Record and says the phrase; the pause after it ends the take.
        QSignalSpy taken(&panel, &Practice::SpeakingPanel::takeFinished);
        QSignalSpy played(&player, &SoundPlayer::finished);
        QVERIFY(m_server.startRecording(kRate));
        TestSupport::PipeFeeder microphone(m_pipe, QByteArray(kRate, '\0') + genie->pcm + QByteArray(kRate * 4, '\0'),
                                           kRate);
        QTest::mouseClick(panel.findChild<QPushButton *>(u"cmdRecord"_s), Qt::LeftButton);
        QVERIFY(microphone.start());
        QTRY_COMPARE_WITH_TIMEOUT(taken.size(), 1, 15000);
        QVERIFY(panel.take().has_value());
        const qint64 saidMs = spokenMs(genie->pcm, genie->sampleRate);
        const qint64 takeMs = spokenMs(panel.take()->pcm, panel.take()->sampleRate);
        QVERIFY2(std::abs(takeMs - saidMs) <= saidMs / 10, qPrintable(u"took %1 of %2 ms"_s.arg(takeMs).arg(saidMs)));

        // Both melodies are drawn, and the genie's phrase and then the take are heard.
        QVERIFY(panel.picture()->showsLearnerCurve());
        QVERIFY(panel.picture()->learnerMessage().isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(played.size(), 2, 15000);
        const qint64 heardMs = spokenMs(m_server.stopRecording(), kRate);
        QVERIFY2(heardMs >= (saidMs + takeMs) * 8 / 10, qPrintable(u"heard %1 ms"_s.arg(heardMs)));

        // The take is kept under the phrase's name.
        const auto kept = store.load(u"lesson02-record05"_s);
        QVERIFY(kept);
        QCOMPARE(kept->pcm.size(), panel.take()->pcm.size());
    }

private:
    TestSupport::SoundServer m_server;
    QString m_pipe;
};

QTEST_MAIN(TestSpeakingSound)
#include "tst_speakingsound.moc"
