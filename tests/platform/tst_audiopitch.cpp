// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <algorithm>
#include <cmath>

#include <QRandomGenerator>
#include <QTest>
#include <QtEndian>

#include "geniespeech.h"
#include "platform/audio/pitchtracker.h"

using namespace Platform;
using namespace Qt::StringLiterals;

namespace {

constexpr int kRate = 16000;

// A voiced sound: a fundamental with falling harmonics, as a vowel has. \a hzAt gives the
// frequency at each moment (seconds).
template<typename Frequency>
QByteArray voiced(double seconds, Frequency hzAt, int sampleRate = kRate)
{
    QByteArray pcm(qsizetype(seconds * sampleRate) * 2, Qt::Uninitialized);
    double phase = 0;
    for (qsizetype i = 0; i < pcm.size() / 2; ++i) {
        phase += 2 * M_PI * hzAt(double(i) / sampleRate) / sampleRate;
        const double value = 0.5 * std::sin(phase) + 0.25 * std::sin(2 * phase) + 0.12 * std::sin(3 * phase);
        qToLittleEndian(qint16(value * 20000), pcm.data() + 2 * i);
    }
    return pcm;
}

QByteArray noise(double seconds)
{
    QRandomGenerator random(7);
    QByteArray pcm(qsizetype(seconds * kRate) * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < pcm.size() / 2; ++i)
        qToLittleEndian(qint16(random.bounded(-12000, 12000)), pcm.data() + 2 * i);
    return pcm;
}

QList<double> voicedValues(const PitchTrack &track)
{
    QList<double> values;
    for (const double hz : track.hz) {
        if (hz > 0)
            values << hz;
    }
    return values;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

} // namespace

class TestAudioPitch : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aSteadyToneIsFollowedAtItsFrequency_data()
    {
        QTest::addColumn<double>("hz");
        QTest::addColumn<int>("sampleRate");
        QTest::newRow("low man's voice") << 95.0 << kRate;
        QTest::newRow("woman's voice") << 220.0 << kRate;
        QTest::newRow("child, the voice's own rate") << 380.0 << 22050;
    }
    void aSteadyToneIsFollowedAtItsFrequency()
    {
        QFETCH(double, hz);
        QFETCH(int, sampleRate);
        const PitchTrack track = trackPitch(voiced(
                                                1.0, [hz](double) { return hz; }, sampleRate),
                                            sampleRate);
        QVERIFY(qAbs(track.frameMs - 10) < 0.1);
        const QList<double> values = voicedValues(track);
        QVERIFY2(values.size() >= track.hz.size() * 8 / 10,
                 qPrintable(u"%1 of %2 frames voiced"_s.arg(values.size()).arg(track.hz.size())));
        for (const double value : values)
            QVERIFY2(std::abs(12 * std::log2(value / hz)) < 0.5, qPrintable(u"%1 Hz for %2 Hz"_s.arg(value).arg(hz)));
    }

    void aGlideIsFollowedInTime()
    {
        // 120 Hz rising to 240 Hz over one second: the octave a question's rise may cover.
        const auto glide = [](double t) { return 120 * std::exp2(t); };
        const PitchTrack track = trackPitch(voiced(1.0, glide), kRate);
        int checked = 0;
        for (qsizetype i = 0; i < track.hz.size(); ++i) {
            const double at = (track.startMs + i * track.frameMs) / 1000;
            if (track.hz.at(i) <= 0 || at < 0.05 || at > 0.95)
                continue;
            QVERIFY2(std::abs(12 * std::log2(track.hz.at(i) / glide(at))) < 0.7,
                     qPrintable(u"%1 Hz at %2 s, the glide is at %3 Hz"_s.arg(track.hz.at(i)).arg(at).arg(glide(at))));
            ++checked;
        }
        QVERIFY(checked > 70);
    }

    void silenceAndNoiseAreNotVoiced()
    {
        const QByteArray silence(kRate * 2, '\0');
        QVERIFY(voicedValues(trackPitch(silence, kRate)).isEmpty());
        const PitchTrack noisy = trackPitch(noise(1.0), kRate);
        QVERIFY2(voicedValues(noisy).size() < noisy.hz.size() / 20,
                 qPrintable(u"%1 of %2 noise frames voiced"_s.arg(voicedValues(noisy).size()).arg(noisy.hz.size())));
        QVERIFY(trackPitch({}, kRate).hz.isEmpty());
        QVERIFY(trackPitch(silence, 0).hz.isEmpty());
    }

    void aToneBetweenSilencesIsPlacedInTime()
    {
        QByteArray pcm(kRate / 2 * 2, '\0');
        pcm += voiced(0.5, [](double) { return 150.0; });
        pcm += QByteArray(kRate / 2 * 2, '\0');
        const PitchTrack track = trackPitch(pcm, kRate);
        const auto first = std::find_if(track.hz.cbegin(), track.hz.cend(), [](double hz) { return hz > 0; });
        const auto last = std::find_if(track.hz.crbegin(), track.hz.crend(), [](double hz) { return hz > 0; });
        QVERIFY(first != track.hz.cend());
        const double startMs = track.startMs + (first - track.hz.cbegin()) * track.frameMs;
        const double endMs = track.startMs + (track.hz.crend() - last - 1) * track.frameMs;
        QVERIFY2(std::abs(startMs - 500) <= 40 && std::abs(endMs - 1000) <= 40,
                 qPrintable(u"voiced from %1 to %2 ms"_s.arg(startMs).arg(endMs)));
    }

    void theGeniesOwnSpeechHasAVoicedMelody()
    {
        const std::optional<Utterance> speech =
            TestSupport::russianGenieSpeech(uR"(\spd=100\\pit=74\Где вы остановитесь?)"_s);
        QVERIFY(speech);
        QVERIFY(!speech->pcm.isEmpty());
        QCOMPARE(speech->wordStartsMs.size(), 3);

        const PitchTrack track = trackPitch(speech->pcm, speech->sampleRate);
        const QList<double> values = voicedValues(track);
        const double speechMs = speech->pcm.size() / 2 * 1000.0 / speech->sampleRate;
        // Vowels and voiced consonants make up much of speech; the voice is a man's.
        QVERIFY2(values.size() * track.frameMs > speechMs * 0.3,
                 qPrintable(u"%1 voiced frames in %2 ms"_s.arg(values.size()).arg(speechMs)));
        QVERIFY2(median(values) > 70 && median(values) < 200, qPrintable(QString::number(median(values))));
        // It is a melody, not a monotone.
        const auto [low, high] = std::minmax_element(values.cbegin(), values.cend());
        QVERIFY(12 * std::log2(*high / *low) > 2);
    }
};

QTEST_MAIN(TestAudioPitch)
#include "tst_audiopitch.moc"
