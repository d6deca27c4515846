// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <cmath>

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include "platform/audio/recordingstore.h"
#include "platform/audio/sampleconversion.h"
#include "platform/audio/silencedetector.h"

using namespace Platform;
using namespace Qt::StringLiterals;

namespace {

constexpr int kRate = 16000;

// \a ms of a 200 Hz tone at \a amplitude (of full scale); 0 gives silence.
QByteArray tone(int ms, double amplitude)
{
    QByteArray pcm(qsizetype(ms) * kRate / 1000 * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < pcm.size() / 2; ++i)
        qToLittleEndian(qint16(amplitude * 32767 * std::sin(2 * M_PI * 200 * i / kRate)), pcm.data() + 2 * i);
    return pcm;
}

// Feeds \a pcm in pieces of an odd number of bytes, as a device may deliver it.
SilenceDetector::Verdict feedInPieces(SilenceDetector &detector, const QByteArray &pcm)
{
    for (qsizetype at = 0; at < pcm.size(); at += 777)
        detector.feed(pcm.mid(at, 777));
    return detector.verdict();
}

} // namespace

class TestAudioRecording : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aTakeEndsAfterSpeechAndSilence_data()
    {
        QTest::addColumn<QByteArray>("take");
        QTest::addColumn<int>("verdict");
        QTest::addColumn<bool>("heardSpeech");
        const QByteArray quiet = tone(500, 0);
        QTest::newRow("speech then silence")
            << quiet + tone(800, 0.3) + tone(1600, 0) << int(SilenceDetector::Verdict::Silence) << true;
        QTest::newRow("a pause inside the phrase is no end")
            << quiet + tone(500, 0.3) + tone(1000, 0) + tone(500, 0.3) << int(SilenceDetector::Verdict::Going) << true;
        QTest::newRow("silence alone goes on") << tone(3000, 0) << int(SilenceDetector::Verdict::Going) << false;
        QTest::newRow("a click is not speech")
            << quiet + tone(40, 0.5) + tone(2000, 0) << int(SilenceDetector::Verdict::Going) << false;
        // A loud hum all along is the room, not the learner.
        QTest::newRow("steady hum") << tone(3000, 0.05) << int(SilenceDetector::Verdict::Going) << false;
        QTest::newRow("speech over a hum")
            << tone(500, 0.01) + tone(600, 0.4) + tone(1600, 0.01) << int(SilenceDetector::Verdict::Silence) << true;
        QTest::newRow("ten seconds") << tone(10500, 0) << int(SilenceDetector::Verdict::TimeLimit) << false;
    }
    void aTakeEndsAfterSpeechAndSilence()
    {
        QFETCH(QByteArray, take);
        QFETCH(int, verdict);
        QFETCH(bool, heardSpeech);
        SilenceDetector detector(kRate);
        QCOMPARE(int(feedInPieces(detector, take)), verdict);
        QCOMPARE(detector.heardSpeech(), heardSpeech);
        QVERIFY(detector.receivedMs() <= 10000);
        QCOMPARE(detector.limitBytes(), 10 * kRate * 2);
    }

    void theSpeechSpanCutsTheQuietAround()
    {
        const QByteArray take = tone(1000, 0) + tone(700, 0.3) + tone(1000, 0);
        const auto [first, last] = speechSpan(take, kRate, 100);
        QCOMPARE(first, qsizetype(900 * kRate / 1000 * 2));
        QCOMPARE(last, qsizetype(1800 * kRate / 1000 * 2));
        const std::pair<qsizetype, qsizetype> nothing{0, 0};
        QCOMPARE(speechSpan(tone(800, 0), kRate), nothing);
        QCOMPARE(speechSpan({}, kRate), nothing);
    }

    void inputFormatsBecomeMono16_data()
    {
        QTest::addColumn<int>("sampleFormat");
        QTest::addColumn<int>("channels");
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<QList<qint16>>("expected");
        const auto bytesOf = [](const auto &values) {
            return QByteArray(reinterpret_cast<const char *>(values.data()), qsizetype(sizeof(values)));
        };
        QTest::newRow("float stereo takes the first channel")
            << int(QAudioFormat::Float) << 2 << bytesOf(std::array<float, 4>{0.5f, -1.0f, -2.0f, 0.0f})
            << QList<qint16>{16384, -32768};
        QTest::newRow("int32") << int(QAudioFormat::Int32) << 1 << bytesOf(std::array<qint32, 2>{1 << 30, -(1 << 30)})
                               << QList<qint16>{16384, -16384};
        QTest::newRow("uint8") << int(QAudioFormat::UInt8) << 1 << QByteArray("\x80\xff\x00", 3)
                               << QList<qint16>{0, 127 << 8, -32768};
        QTest::newRow("a partial frame is dropped")
            << int(QAudioFormat::Int16) << 2 << bytesOf(std::array<qint16, 3>{7, 8, 9}) << QList<qint16>{7};
    }
    void inputFormatsBecomeMono16()
    {
        QFETCH(int, sampleFormat);
        QFETCH(int, channels);
        QFETCH(QByteArray, raw);
        QFETCH(QList<qint16>, expected);
        QAudioFormat format;
        format.setSampleRate(kRate);
        format.setChannelCount(channels);
        format.setSampleFormat(QAudioFormat::SampleFormat(sampleFormat));
        const QByteArray mono = toMono16(raw, format);
        QList<qint16> samples;
        for (qsizetype i = 0; i + 1 < mono.size(); i += 2)
            samples << qFromLittleEndian<qint16>(mono.constData() + i);
        QCOMPARE(samples, expected);
    }

    void recordingsAreKeptOnePerPhrase()
    {
        QTemporaryDir dir;
        RecordingStore store(dir.filePath(u"Veskora/recordings"_s));
        QVERIFY(store.names().isEmpty());
        QVERIFY(!store.load(u"lesson05-record03"_s));

        const RecordedSound first{tone(300, 0.3), kRate};
        QVERIFY(store.save(u"lesson05-record03"_s, first).ok());
        const RecordedSound second{tone(500, 0.2), 22050};
        QVERIFY(store.save(u"lesson05-record03"_s, second).ok());
        QVERIFY(store.save(u"lesson07-record01"_s, first).ok());
        QCOMPARE(store.names(), (QStringList{u"lesson05-record03"_s, u"lesson07-record01"_s}));
        // Only the finished files are there: nothing left over from writing them.
        QCOMPARE(QDir(store.folder()).entryList(QDir::Files).size(), 2);
        const auto loaded = store.load(u"lesson05-record03"_s);
        QVERIFY(loaded);
        QCOMPARE(loaded->pcm, second.pcm);
        QCOMPARE(loaded->sampleRate, 22050);

        QVERIFY(store.removeAll());
        QVERIFY(store.names().isEmpty());
        QVERIFY(!QDir(store.folder()).exists());
        QVERIFY(store.removeAll());
    }

    void badNamesAndFilesAreRefused()
    {
        QTemporaryDir dir;
        RecordingStore store(dir.path());
        const RecordedSound sound{tone(100, 0.3), kRate};
        for (const QString &name : {u"../escape"_s, u"a/b"_s, QString(), u"x.wav"_s, u"имя"_s})
            QCOMPARE(store.save(name, sound).code(), ErrorCode::InvalidArgument);
        QCOMPARE(store.save(u"empty"_s, {}).code(), ErrorCode::InvalidArgument);
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());

        QFile broken(store.pathOf(u"broken"_s));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("RIFF not really");
        broken.close();
        QVERIFY(!store.load(u"broken"_s));
        // A file that is not one of ours stays when the recordings go.
        QFile other(dir.filePath(u"notes.txt"_s));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.close();
        QVERIFY(store.removeAll());
        QVERIFY(QFile::exists(other.fileName()));
        QVERIFY(!QFile::exists(broken.fileName()));
    }
};

QTEST_GUILESS_MAIN(TestAudioRecording)
#include "tst_audiorecording.moc"
