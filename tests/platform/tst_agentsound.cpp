// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "inmemorysettingsstore.h"
#include "platform/agent/agentcontrol.h"
#include "platform/agent/geniecharacterservice.h"
#include "platform/agent/speechtiming.h"
#include "platform/agent/wavwriter.h"
#include "soundserver.h"

using namespace Platform;
using namespace Qt::StringLiterals;

namespace {

const QString kGenie = u"Genie"_s;

// The Russian text of a lesson's first record, as its source file holds it.
QString firstRecordOf(const QString &lessonFile)
{
    QFile file(lessonFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u"ru:"_s))
            return line.mid(3).trimmed();
    }
    return {};
}

// Speaks \a text as a lesson window does and waits until the queue is done.
void speakAsALesson(GenieCharacterService &service, const QString &text)
{
    AgentControl control(service);
    QVERIFY(control.load(kGenie, u"Genie.acs"_s).ok());
    auto character = control.character(kGenie);
    QVERIFY(character);
    QVERIFY(character->setLanguageID(1049).ok());
    QVERIFY(character->speak(text).ok());
    QTRY_VERIFY_WITH_TIMEOUT(!service.isBusy(kGenie), 30000);
}

// True when \a pcm holds sound followed by at least half a second of quiet.
bool endsInSilence(const QByteArray &pcm, int sampleRate)
{
    const auto [first, last] = SpeechTiming::audibleSpan(pcm);
    return last > first && pcm.size() / 2 - last >= sampleRate / 2;
}

qint64 audibleMs(const QByteArray &pcm, int sampleRate)
{
    const auto [first, last] = SpeechTiming::audibleSpan(pcm);
    return (last - first) * 1000 / sampleRate;
}

} // namespace

// Speech through a real sound server: a private PulseAudio with a null sink whose monitor
// the test records. The server must start; a machine where it cannot fails this test.
class TestAgentSound : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
        // Before anything in this process has asked for sound devices.
        m_server.useInThisProcess();
    }

    void lessonRecordIsHeardAsLongAsItsCapture()
    {
        const QString record =
            firstRecordOf(qEnvironmentVariable("VESKORA_SOURCE_DIR") + u"/data/lessons/lesson02.txt"_s);
        QVERIFY(!record.isEmpty());
        const QString text = uR"(\spd=100\\pit=74\)"_s + record;
        const AppPaths paths(qEnvironmentVariable("VESKORA_APP_DIR"));

        // The capture file of the same text says how long the speech is.
        QTemporaryDir dir;
        const QString wav = dir.filePath(u"capture.wav"_s);
        qputenv("VESKORA_AUDIO_OUT", wav.toLocal8Bit());
        {
            GenieCharacterService capturing(paths, m_store);
            capturing.setTimeScale(50);
            speakAsALesson(capturing, text);
        }
        qunsetenv("VESKORA_AUDIO_OUT");
        QByteArray captured;
        int sampleRate = 0;
        QVERIFY(readWav(wav, &captured, &sampleRate));

        GenieCharacterService service(paths, m_store);
        QSignalSpy unavailable(&service, &CharacterService::soundUnavailable);
        QVERIFY2(m_server.startRecording(sampleRate), qPrintable(m_server.errorString()));
        QTest::qWait(300); // the recorder is listening before the speech begins
        speakAsALesson(service, text);
        // The queue ends when the server has taken the sound, which it plays out later.
        QTRY_VERIFY_WITH_TIMEOUT(endsInSilence(m_server.recorded(), sampleRate), 10000);
        const QByteArray heard = m_server.stopRecording();
        QCOMPARE(unavailable.count(), 0);

        const qint64 expectedMs = audibleMs(captured, sampleRate);
        const qint64 heardMs = audibleMs(heard, sampleRate);
        QVERIFY(expectedMs > 500);
        QVERIFY2(std::abs(heardMs - expectedMs) <= expectedMs / 10,
                 qPrintable(u"heard %1 ms of speech, the capture holds %2 ms"_s.arg(heardMs).arg(expectedMs)));
    }

private:
    TestSupport::SoundServer m_server;
    TestSupport::InMemorySettingsStore m_store;
};

QTEST_MAIN(TestAgentSound)
#include "tst_agentsound.moc"
