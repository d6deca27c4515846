// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <algorithm>
#include <cmath>

#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include "platform/agent/espeakspeechengine.h"
#include "platform/agent/soundformat.h"
#include "platform/agent/speechstretch.h"
#include "platform/agent/speechtext.h"
#include "platform/agent/speechtiming.h"
#include "platform/agent/wavwriter.h"
#include "speechmeasure.h"

using namespace Platform;
using namespace Qt::StringLiterals;
using TestSupport::medianPitch;
using TestSupport::sine;

namespace {

QByteArray samples(std::initializer_list<std::pair<int, qint16>> runs)
{
    QByteArray pcm;
    for (const auto &[count, value] : runs) {
        for (int i = 0; i < count; ++i) {
            char bytes[2];
            qToLittleEndian(value, bytes);
            pcm.append(bytes, 2);
        }
    }
    return pcm;
}

qsizetype loudSamples(const QByteArray &pcm)
{
    qsizetype loud = 0;
    for (qsizetype i = 0; i + 1 < pcm.size(); i += 2)
        loud += qFromLittleEndian<qint16>(pcm.constData() + i) != 0;
    return loud;
}

QAudioFormat audioFormat(int sampleRate, int channels, QAudioFormat::SampleFormat sampleFormat)
{
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(channels);
    format.setSampleFormat(sampleFormat);
    return format;
}

} // namespace

class TestAgentSpeech : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tagsAreSplitFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("spoken");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("rate"); // 0: none
        QTest::addColumn<int>("pitch"); // 0: none

        QTest::newRow("plain") << u"Привет"_s << u"Привет"_s << u"Привет"_s << 0 << 0;
        QTest::newRow("lesson sentence") << uR"(\spd=80\\pit=74\Привет, как дела?)"_s << u"Привет, как дела?"_s
                                         << u"Привет, как дела?"_s << 80 << 74;
        QTest::newRow("tag names in any case") << uR"(\SPD=120\\Pit=74\Да)"_s << u"Да"_s << u"Да"_s << 120 << 74;
        QTest::newRow("empty rate keeps default") << uR"(\spd=\\pit=74\Да)"_s << u"Да"_s << u"Да"_s << 0 << 74;
        QTest::newRow("alphabet map") << uR"(\spd=50\\map="А"="А"\)"_s << u"А"_s << u"А"_s << 50 << 0;
        QTest::newRow("map with other shown form") << uR"(\map="Ё"="Буква Ё"\)"_s << u"Ё"_s << u"Буква Ё"_s << 0 << 0;
        QTest::newRow("map between words")
            << uR"(Это \map="эр"="Р"\ буква)"_s << u"Это эр буква"_s << u"Это Р буква"_s << 0 << 0;
        QTest::newRow("dictionary word") << uR"(\spd=50\кошка)"_s << u"кошка"_s << u"кошка"_s << 50 << 0;
        QTest::newRow("dictionary without a match") << uR"(\spd=50\)"_s << QString() << QString() << 50 << 0;
        QTest::newRow("unknown tag dropped") << uR"(\vol=50\Да)"_s << u"Да"_s << u"Да"_s << 0 << 0;
        QTest::newRow("unknown tag without value") << uR"(\rst\Да)"_s << u"Да"_s << u"Да"_s << 0 << 0;
        QTest::newRow("letters as rate") << uR"(\spd=abc\Да)"_s << u"Да"_s << u"Да"_s << 0 << 0;
        QTest::newRow("zero rate") << uR"(\spd=0\Да)"_s << u"Да"_s << u"Да"_s << 0 << 0;
        QTest::newRow("negative pitch") << uR"(\pit=-5\Да)"_s << u"Да"_s << u"Да"_s << 0 << 0;
        QTest::newRow("absurdly long number") << uR"(\spd=99999999999\Да)"_s << u"Да"_s << u"Да"_s << 0 << 0;
        QTest::newRow("blanks around the number") << uR"(\spd= 130 \Да)"_s << u"Да"_s << u"Да"_s << 130 << 0;
        QTest::newRow("unclosed tag drops its word only")
            << uR"(\spd=80 Да нет)"_s << u"Да нет"_s << u"Да нет"_s << 0 << 0;
        QTest::newRow("lone backslash at the end") << uR"(Да\)"_s << u"Да"_s << u"Да"_s << 0 << 0;
        QTest::newRow("empty tag") << uR"(Да\\нет)"_s << u"Да нет"_s << u"Да нет"_s << 0 << 0;
        QTest::newRow("map with one quoted text") << uR"(\map="Да"\Привет)"_s << u"Привет"_s << u"Привет"_s << 0 << 0;
        QTest::newRow("map with unbalanced quote")
            << u"\\map=\"Да=нет\\Привет"_s << u"Привет"_s << u"Привет"_s << 0 << 0;
        QTest::newRow("map of a sentence with quotes") << u"\\map=\"Он сказал \"да\".\"=\"Он сказал \"да\".\"\\"_s
                                                       << u"Он сказал \"да\"."_s << u"Он сказал \"да\"."_s << 0 << 0;
        QTest::newRow("broken map keeps the next one")
            << uR"(\map="x"\Да \map="a"="b"\)"_s << u"Да a"_s << u"Да b"_s << 0 << 0;
        QTest::newRow("tag inside a sentence")
            << uR"(Один \pit=90\ два)"_s << u"Один два"_s << u"Один два"_s << 0 << 90;
        QTest::newRow("later rate wins") << uR"(\spd=50\\spd=150\Да)"_s << u"Да"_s << u"Да"_s << 150 << 0;
    }

    void tagsAreSplitFromText()
    {
        QFETCH(QString, text);
        QFETCH(QString, spoken);
        QFETCH(QString, shown);
        QFETCH(int, rate);
        QFETCH(int, pitch);
        const SpeechText parsed = parseSpeechText(text);
        QCOMPARE(parsed.spoken, spoken);
        QCOMPARE(parsed.shown, shown);
        QCOMPARE(parsed.wordsPerMinute.value_or(0), rate);
        QCOMPARE(parsed.pitchHz.value_or(0), pitch);
        QVERIFY(!parsed.spoken.contains(u'\\') || text.contains(uR"(\map=)"_s));
    }

    void wordGapsAddSilenceWithoutLosingSound()
    {
        // Three "words" of sound with short quiet joints; the synthesiser's word marks sit
        // a little off the joints, as they do in real speech.
        const QByteArray pcm = samples({{2000, 5000}, {200, 10}, {2000, -4000}, {200, 5}, {2000, 3000}});
        QList<qsizetype> starts{0, 2210, 4380};
        const qsizetype gap = 500;
        const QByteArray gapped = SpeechTiming::insertWordGaps(pcm, starts, gap, 22050);
        QCOMPARE(gapped.size(), pcm.size() + 2 * gap * 2);
        QCOMPARE(loudSamples(gapped), loudSamples(pcm));
        // Both pauses went into the quiet joints: no word lost a sample to them.
        const auto at = [&](qsizetype i) { return qFromLittleEndian<qint16>(gapped.constData() + i * 2); };
        for (qsizetype i = 2000; i < 2200 + gap; ++i)
            QVERIFY2(std::abs(at(i)) < 100, qPrintable(QString::number(i)));
        QCOMPARE(at(2200 + gap), qint16(-4000));
        QCOMPARE(at(4200 + gap), qint16(5));
        QCOMPARE(at(4400 + 2 * gap), qint16(3000));
        // The word marks moved with their words.
        QCOMPARE(starts.at(1), 2210 + gap);
        QCOMPARE(starts.at(2), 4380 + 2 * gap);
    }

    void wordGapsLeaveSingleWordsAlone()
    {
        const QByteArray pcm = samples({{300, 1000}});
        QList<qsizetype> starts{0};
        QCOMPARE(SpeechTiming::insertWordGaps(pcm, starts, 500, 22050), pcm);
        QCOMPARE(SpeechTiming::audibleSpan(samples({{50, 3}})), (std::pair<qsizetype, qsizetype>(0, 0)));
    }

    void paddingSlowsSpeechToTheRateOnly()
    {
        // Three words sounding over 6400 samples: about 620 words per minute.
        const QByteArray pcm = samples({{2000, 5000}, {200, 10}, {2000, -4000}, {200, 5}, {2000, 3000}});
        QList<qint64> starts{0, 100, 200};
        const QByteArray padded = SpeechTiming::padToRate(pcm, starts, 6400, 100, 22050);
        // Three words at 100 per minute last 1.8 s, the sound included.
        QVERIFY2(std::abs(padded.size() / 2 - 39690) <= 2, qPrintable(QString::number(padded.size() / 2)));
        QCOMPARE(loudSamples(padded), loudSamples(pcm));
        QCOMPARE(starts.first(), 0);
        QVERIFY2(starts.at(1) > 700 && starts.at(2) > starts.at(1) + 700, qPrintable(QString::number(starts.at(2))));
        // Speech already as slow as asked, or a single word, stays as it is.
        QList<qint64> unchanged{0, 100, 200};
        QCOMPARE(SpeechTiming::padToRate(pcm, unchanged, 6400, 700, 22050), pcm);
        QCOMPARE(unchanged, (QList<qint64>{0, 100, 200}));
        QList<qint64> single{0};
        QCOMPARE(SpeechTiming::padToRate(pcm, single, 6400, 50, 22050), pcm);
    }

    void slowRatesUseTheSynthesisersMinimum()
    {
        // Anything at or below what the slowest setting sounds like must not ask for less.
        for (const int rate : {20, 50, 80, 100})
            QCOMPARE(SpeechTiming::synthRateFor(rate), 80);
        QVERIFY(SpeechTiming::synthRateFor(150) > 80);
        QVERIFY(SpeechTiming::synthRateFor(10000) <= 450);
        // 74 Hz lies at the bottom of the Russian voice's range.
        QVERIFY(SpeechTiming::synthPitchFor(74) <= 15);
        QCOMPARE(SpeechTiming::synthPitchFor(5000), 100);
    }

    void pitchTagSetsTheVoicesFundamental_data()
    {
        QTest::addColumn<int>("hertz");
        QTest::newRow("lesson pitch") << 74;
        QTest::newRow("middle") << 100;
        QTest::newRow("high") << 140;
    }

    void pitchTagSetsTheVoicesFundamental()
    {
        QFETCH(int, hertz);
        EspeakSpeechEngine engine;
        if (!engine.hasVoice(u"ru"_s))
            QSKIP("no Russian espeak-ng voice on this machine");
        SpeechText text = parseSpeechText(u"\\spd=120\\Мой брат и моя сестра живут в большом городе."_s);
        text.pitchHz = hertz;
        const Utterance utterance = engine.synthesize(u"ru"_s, text);
        const double measured = medianPitch(utterance.pcm, utterance.sampleRate);
        QVERIFY2(std::abs(measured - hertz) <= hertz * 0.12, qPrintable(u"measured %1 Hz"_s.arg(measured)));
    }

    void tempoAndPitchChangeOneWithoutTheOther_data()
    {
        QTest::addColumn<double>("tempo");
        QTest::addColumn<double>("pitch");
        QTest::addColumn<int>("inputRate");
        QTest::newRow("faster") << 1.3 << 1.0 << 22050;
        QTest::newRow("slower") << 0.7 << 1.0 << 22050;
        QTest::newRow("higher") << 1.0 << 1.12 << 22050;
        QTest::newRow("lower") << 1.0 << 0.9 << 22050;
        QTest::newRow("only the sample rate") << 1.0 << 1.0 << 16000;
        QTest::newRow("faster, lower, at another rate") << 1.2 << 0.9 << 16000;
        QTest::newRow("slower, higher, at another rate") << 0.8 << 1.12 << 16000;
    }

    void tempoAndPitchChangeOneWithoutTheOther()
    {
        QFETCH(double, tempo);
        QFETCH(double, pitch);
        QFETCH(int, inputRate);
        constexpr int rate = 22050;
        const QByteArray tone = sine(150, 1.0, inputRate, 12000);
        const QByteArray changed = inputRate != rate ? SpeechStretch::reshape(tone, inputRate, rate, tempo, pitch)
            : pitch == 1                             ? SpeechStretch::changeTempo(tone, tempo, rate)
                                                     : SpeechStretch::shiftPitch(tone, pitch, rate);
        const double seconds = changed.size() / 2.0 / rate;
        QVERIFY2(std::abs(seconds - 1.0 / tempo) < 0.01, qPrintable(u"lasts %1 s"_s.arg(seconds)));
        // A pure tone: its frequency from its swings between clearly positive and clearly
        // negative (ripples where frames were joined do not count), its level from its power.
        int crossings = 0;
        bool positive = true;
        double power = 0;
        const qsizetype samples = changed.size() / 2;
        for (qsizetype i = 0; i < samples; ++i) {
            const qint16 sample = qFromLittleEndian<qint16>(changed.constData() + i * 2);
            if ((positive && sample < -4000) || (!positive && sample > 4000)) {
                positive = !positive;
                ++crossings;
            }
            power += double(sample) * sample;
        }
        const double hertz = crossings / 2.0 / seconds;
        QVERIFY2(std::abs(hertz - 150 * pitch) <= 150 * pitch * 0.03, qPrintable(u"%1 Hz"_s.arg(hertz)));
        // The voice stays as loud as it was.
        const double level = std::sqrt(power / double(samples));
        QVERIFY2(std::abs(level - 12000 / std::sqrt(2.0)) <= 12000 * 0.05, qPrintable(u"level %1"_s.arg(level)));
    }

    void speechIsConvertedForTheDevice_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<QAudioFormat::SampleFormat>("sampleFormat");
        QTest::newRow("its own format") << 22050 << 1 << QAudioFormat::Int16;
        QTest::newRow("48 kHz stereo float") << 48000 << 2 << QAudioFormat::Float;
        QTest::newRow("44.1 kHz mono") << 44100 << 1 << QAudioFormat::Int16;
        QTest::newRow("16 kHz stereo 32-bit") << 16000 << 2 << QAudioFormat::Int32;
        QTest::newRow("8-bit stereo") << 22050 << 2 << QAudioFormat::UInt8;
    }

    void speechIsConvertedForTheDevice()
    {
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(QAudioFormat::SampleFormat, sampleFormat);
        const QAudioFormat format = audioFormat(rate, channels, sampleFormat);
        const QByteArray speech = sine(440, 0.5, 22050, 16000);
        const QByteArray out = convertSpeech(speech, 22050, format);
        if (rate == 22050 && channels == 1 && sampleFormat == QAudioFormat::Int16)
            QCOMPARE(out, speech);
        const qsizetype frames = out.size() / format.bytesPerFrame();
        QCOMPARE(out.size() % format.bytesPerFrame(), 0);
        QVERIFY2(std::abs(frames - rate / 2) <= rate / 100, qPrintable(QString::number(frames)));
        const auto value = [&](qsizetype frame, int channel) {
            return format.normalizedSampleValue(out.constData() + frame * format.bytesPerFrame()
                                                + channel * format.bytesPerSample());
        };
        // Same pitch, same loudness, the same sound in every channel.
        int crossings = 0;
        float peak = 0;
        for (qsizetype frame = 1; frame < frames; ++frame) {
            crossings += (value(frame - 1, 0) < 0) != (value(frame, 0) < 0);
            peak = std::max(peak, std::abs(value(frame, 0)));
            for (int channel = 1; channel < channels; ++channel)
                QCOMPARE(value(frame, channel), value(frame, 0));
        }
        QVERIFY2(std::abs(crossings / 2.0 / 0.5 - 440) <= 440 * 0.02, qPrintable(QString::number(crossings)));
        QVERIFY2(std::abs(peak - 16000 / 32768.0f) <= 0.05f, qPrintable(QString::number(peak)));
    }

    void deviceFormatIsNegotiated()
    {
        const QAudioFormat own = audioFormat(22050, 1, QAudioFormat::Int16);
        const QAudioFormat preferred = audioFormat(48000, 2, QAudioFormat::Float);
        const auto takesAll = [](const QAudioFormat &) { return true; };
        QCOMPARE(negotiateSpeechFormat(22050, preferred, takesAll), own);
        // A device that refuses mono gets its preferred format.
        const auto stereoOnly = [](const QAudioFormat &f) { return f.channelCount() == 2; };
        QCOMPARE(negotiateSpeechFormat(22050, preferred, stereoOnly), preferred);
        // A device that names no preferred format is tried at common rates.
        const auto only44100 = [](const QAudioFormat &f) { return f.sampleRate() == 44100 && f.channelCount() == 2; };
        QCOMPARE(negotiateSpeechFormat(22050, QAudioFormat(), only44100), audioFormat(44100, 2, QAudioFormat::Int16));
        QVERIFY(!negotiateSpeechFormat(22050, preferred, [](const QAudioFormat &) { return false; }));
        QVERIFY(convertSpeech(sine(440, 0.1, 22050, 100), 22050, QAudioFormat()).isEmpty());
    }

    void wavFileIsCompleteAfterEveryAppend()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"speech.wav"_s);
        WavWriter writer(path, 22050);
        QVERIFY(writer.isOpen());
        const QByteArray first = samples({{10, 1}, {5, -2}});
        const QByteArray second = samples({{7, 300}});
        QVERIFY(writer.append(first, 22050));
        QByteArray read;
        int rate = 0;
        QVERIFY(readWav(path, &read, &rate));
        QCOMPARE(read, first);
        QVERIFY(writer.append(second, 22050));
        QVERIFY(!writer.append(second, 16000));
        QVERIFY(readWav(path, &read, &rate));
        QCOMPARE(rate, 22050);
        QCOMPARE(read, first + second);
    }

    void unreadableWavIsRejected()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(u"broken.wav"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("RIFF\x10\0\0\0WAVEfmt ", 16);
        file.close();
        QByteArray pcm;
        int rate = 0;
        QVERIFY(!readWav(file.fileName(), &pcm, &rate));
        QVERIFY(!readWav(dir.filePath(u"missing.wav"_s), &pcm, &rate));
    }
};

QTEST_GUILESS_MAIN(TestAgentSpeech)
#include "tst_agentspeech.moc"
