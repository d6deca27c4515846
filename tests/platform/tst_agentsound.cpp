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

// The speech texts of the first \a count records of lesson 2 as the lesson window builds
// them at 100 words per minute.
QStringList lessonRecords(int count)
{
    QFile file(qEnvironmentVariable("VESKORA_SOURCE_DIR") + u"/data/lessons/lesson02.txt"_s);
    QStringList texts;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return texts;
    while (!file.atEnd() && texts.size() < count) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u"ru:"_s))
            texts << uR"(\spd=100\\pit=74\)"_s + line.mid(3).trimmed();
    }
    return texts;
}

// Speaks \a texts one after the other as a lesson window does and waits until the queue
// is done.
void speakAsALesson(GenieCharacterService &service, const QStringList &texts)
{
    AgentControl control(service);
    QVERIFY(control.load(kGenie, u"Genie.acs"_s).ok());
    auto character = control.character(kGenie);
    QVERIFY(character);
    QVERIFY(character->setLanguageID(1049).ok());
    for (const QString &text : texts)
        QVERIFY(character->speak(text).ok());
    QTRY_VERIFY_WITH_TIMEOUT(!service.player(kGenie)->isBusy(), 30000);
}

// True when \a pcm holds sound followed by at least half a second of quiet.
bool endsInSilence(const QByteArray &pcm, int sampleRate)
{
    const auto [first, last] = SpeechTiming::audibleSpan(pcm);
    return last > first && pcm.size() / 2 - last >= sampleRate / 2;
}

// How long \a pcm sounds: its 10 ms stretches that hold anything audible, so that the
// silence between two requests (none in the capture file) does not count.
qint64 soundingMs(const QByteArray &pcm, int sampleRate)
{
    const qsizetype step = sampleRate / 100;
    qint64 sounding = 0;
    for (qsizetype at = 0; at + step * 2 <= pcm.size() / 2 * 2; at += step * 2) {
        const auto [first, last] = SpeechTiming::audibleSpan(pcm.mid(at, step * 2));
        sounding += last > first ? 10 : 0;
    }
    return sounding;
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

    // Nothing of the speech is lost on the way to the server: one sentence, and two back to
    // back (the second must not cut off the end of the first, which the server still plays
    // when the first has been handed over).
    void speechIsHeardAsLongAsItsCapture_data()
    {
        QTest::addColumn<int>("records");
        QTest::newRow("one sentence") << 1;
        QTest::newRow("two sentences back to back") << 2;
    }

    void speechIsHeardAsLongAsItsCapture()
    {
        QFETCH(int, records);
        const QStringList texts = lessonRecords(records);
        QCOMPARE(texts.size(), records);
        const AppPaths paths(qEnvironmentVariable("VESKORA_APP_DIR"));

        // The capture file of the same texts says how long the speech is.
        QTemporaryDir dir;
        const QString wav = dir.filePath(u"capture.wav"_s);
        qputenv("VESKORA_AUDIO_OUT", wav.toLocal8Bit());
        {
            GenieCharacterService capturing(paths, m_store);
            capturing.setTimeScale(50);
            speakAsALesson(capturing, texts);
        }
        qunsetenv("VESKORA_AUDIO_OUT");
        QByteArray captured;
        int sampleRate = 0;
        QVERIFY(readWav(wav, &captured, &sampleRate));

        GenieCharacterService service(paths, m_store);
        QSignalSpy unavailable(&service, &CharacterService::soundUnavailable);
        QVERIFY2(m_server.startRecording(sampleRate), qPrintable(m_server.errorString()));
        QTest::qWait(300); // the recorder is listening before the speech begins
        // The last speech is over when its sound has been heard, not when it was handed over.
        qint64 heardWhenDoneMs = -1;
        connect(&service, &GenieCharacterService::requestFinished, this, [&](const QString &, const QString &line) {
            if (line == u"Speak "_s + texts.last())
                heardWhenDoneMs = soundingMs(m_server.recorded(), sampleRate);
        });
        speakAsALesson(service, texts);
        // The queue may end before the server has played the last sound out.
        QTRY_VERIFY_WITH_TIMEOUT(endsInSilence(m_server.recorded(), sampleRate), 10000);
        const QByteArray heard = m_server.stopRecording();
        QCOMPARE(unavailable.count(), 0);

        const qint64 expectedMs = soundingMs(captured, sampleRate);
        const qint64 heardMs = soundingMs(heard, sampleRate);
        QVERIFY(expectedMs > 500);
        QVERIFY2(std::abs(heardMs - expectedMs) <= expectedMs / 10,
                 qPrintable(u"heard %1 ms of speech, the capture holds %2 ms"_s.arg(heardMs).arg(expectedMs)));
        QVERIFY2(
            heardWhenDoneMs >= expectedMs * 9 / 10,
            qPrintable(u"the speech ended when %1 ms of %2 had been heard"_s.arg(heardWhenDoneMs).arg(expectedMs)));
    }

private:
    TestSupport::SoundServer m_server;
    TestSupport::InMemorySettingsStore m_store;
};

QTEST_MAIN(TestAgentSound)
#include "tst_agentsound.moc"
