// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <cmath>

#include <QTest>

#include "course/pitchcomparison.h"
#include "course/syllabletiming.h"

using namespace Qt::StringLiterals;
using Course::PitchContour;

namespace {

// A question's melody: level, a rise on the stressed word, a fall at the end; \a pauseAt
// leaves a gap of unvoiced frames there (a fraction of the length).
double melody(double place)
{
    return 4 * std::sin(place * 3 * M_PI) + 3 * place;
}

PitchContour voice(double baseHz, int frames, double pauseAt = -1, double frameMs = 10)
{
    PitchContour contour{0, frameMs, {}};
    for (int i = 0; i < frames; ++i) {
        const double place = double(i) / (frames - 1);
        const bool paused = pauseAt >= 0 && std::abs(place - pauseAt) < 0.04;
        contour.hz << (paused ? 0.0 : baseHz * std::exp2(melody(place) / 12));
    }
    return contour;
}

} // namespace

class TestPitchComparison : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void voicedFramesAreRelativeToTheSpeakersMiddle()
    {
        // One octave apart, the same tune: the same semitone curve, runs split at the gaps.
        const PitchContour low{5, 10, {0, 100, 100, 200, 0, 0, 50, 100}};
        const auto points = Course::voicedSemitones(low);
        QCOMPARE(points.size(), 5);
        QCOMPARE(points.first().ms, 15.0);
        QCOMPARE(points.at(2).semitones, 12.0);
        QCOMPARE(points.at(3).semitones, -12.0);
        QCOMPARE(points.at(2).run, 0);
        QCOMPARE(points.at(3).run, 1);
        QVERIFY(Course::voicedSemitones(PitchContour{0, 10, {0, 0, -1}}).isEmpty());
        QCOMPARE(low.voicedSpanMs(), std::pair(15.0, 75.0));
    }

    void aRecordingStretchedInTimeIsMatchedToTheGeniesMoments_data()
    {
        QTest::addColumn<double>("stretch");
        QTest::addColumn<double>("learnerHz");
        QTest::addColumn<double>("learnerPause");
        QTest::addColumn<double>("toleranceMs");
        QTest::newRow("1.5 times slower, a higher voice") << 1.5 << 210.0 << -1.0 << 30.0;
        // The genie's frames said during the learner's pause go to the frames beside it.
        QTest::newRow("1.5 times slower, a pause of its own") << 1.5 << 120.0 << 0.55 << 80.0;
        QTest::newRow("faster") << 0.7 << 180.0 << -1.0 << 30.0;
    }
    void aRecordingStretchedInTimeIsMatchedToTheGeniesMoments()
    {
        QFETCH(double, stretch);
        QFETCH(double, learnerHz);
        QFETCH(double, learnerPause);
        QFETCH(double, toleranceMs);
        const int genieFrames = 160;
        const PitchContour genie = voice(110, genieFrames);
        const PitchContour learner = voice(learnerHz, int(std::lround(genieFrames * stretch)), learnerPause);

        const Course::PitchAlignment alignment = Course::alignPitch(genie, learner);
        QCOMPARE(alignment.genie.size(), genieFrames);
        QCOMPARE(alignment.learner.size(), alignment.learnerOwnMs.size());
        QVERIFY2(alignment.meanDifference < 0.5, qPrintable(QString::number(alignment.meanDifference)));
        // Every learner frame lands where the genie said the same part of the tune.
        double worst = 0;
        for (qsizetype k = 0; k < alignment.learner.size(); ++k) {
            worst = std::max(worst, std::abs(alignment.learner.at(k).ms - alignment.learnerOwnMs.at(k) / stretch));
            if (k > 0)
                QVERIFY(alignment.learner.at(k).ms >= alignment.learner.at(k - 1).ms);
        }
        QVERIFY2(worst <= toleranceMs, qPrintable(u"a frame is %1 ms off"_s.arg(worst)));
    }

    void aDifferentTuneIsFarApart()
    {
        PitchContour flat = voice(110, 120);
        for (double &hz : flat.hz)
            hz = 110;
        const auto alignment = Course::alignPitch(voice(110, 120), flat);
        QVERIFY(alignment.meanDifference > 1.5);
    }

    void withoutVoiceThereIsNothingToMatch()
    {
        const PitchContour silent{0, 10, QList<double>(50, 0.0)};
        QVERIFY(Course::alignPitch(voice(110, 50), silent).isEmpty());
        QVERIFY(Course::alignPitch(silent, voice(110, 50)).isEmpty());
        QVERIFY(Course::alignPitch({}, {}).isEmpty());
    }

    void wordsSplitIntoSyllables_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QStringList>("syllables");
        QTest::addColumn<int>("stressed");
        QTest::newRow("open syllables") << u"мама"_s << QStringList{u"ма"_s, u"ма"_s} << -1;
        QTest::newRow("cluster opens the next") << u"сестра́"_s << QStringList{u"се"_s, u"стра́"_s} << 1;
        QTest::newRow("й and ь close") << u"здра́вствуйте"_s << QStringList{u"здра́"_s, u"вствуй"_s, u"те"_s} << 0;
        QTest::newRow("sonorant before a consonant") << u"ка́рта"_s << QStringList{u"ка́р"_s, u"та"_s} << 0;
        QTest::newRow("soft sonorant") << u"си́льный"_s << QStringList{u"си́ль"_s, u"ный"_s} << 0;
        QTest::newRow("ё is stressed") << u"ещё"_s << QStringList{u"е"_s, u"щё"_s} << 1;
        QTest::newRow("one syllable") << u"Где"_s << QStringList{u"Где"_s} << 0;
        QTest::newRow("leaning preposition") << u"на"_s << QStringList{u"на"_s} << -1;
        QTest::newRow("no vowel") << u"в"_s << QStringList{u"в"_s} << -1;
        QTest::newRow("hyphenated") << u"по-ру́сски"_s << QStringList{u"по-"_s, u"ру́"_s, u"сски"_s} << 1;
    }
    void wordsSplitIntoSyllables()
    {
        QFETCH(QString, word);
        QFETCH(QStringList, syllables);
        QFETCH(int, stressed);
        QCOMPARE(Course::splitSyllables(word), syllables);
        QCOMPARE(Course::splitSyllables(word).join(QString()), word);
        QCOMPARE(Course::stressedSyllable(word), stressed);
    }

    void syllablesFollowTheVoicesWordStarts()
    {
        const auto placed = Course::placeSyllables(u"Где вы остано́витесь?"_s, {100, 400, 600}, 1600);
        QCOMPARE(placed.size(), 7);
        QCOMPARE(placed.first().text, u"Где"_s);
        QCOMPARE(placed.first().startMs, 100);
        QCOMPARE(placed.first().endMs, 400);
        QCOMPARE(placed.at(2).startMs, 600);
        QCOMPARE(placed.last().endMs, 1600);
        QCOMPARE(placed.at(4).text, u"но"_s);
        QVERIFY(placed.at(4).stressed);
        QCOMPARE(placed.at(4).word, 2);
        for (qsizetype i = 1; i < placed.size(); ++i)
            QCOMPARE(placed.at(i).startMs, placed.at(i - 1).endMs);
    }

    void syllablesShareTheSpanWhenTheVoiceCountedOtherWords()
    {
        // "5" is a word to the voice, not to the text.
        const auto placed = Course::placeSyllables(u"Мне 5 лет."_s, {50, 300, 500}, 850);
        QCOMPARE(placed.size(), 2);
        QCOMPARE(placed.first().startMs, 50);
        QCOMPARE(placed.last().endMs, 850);
        QVERIFY(placed.first().endMs > 50 && placed.first().endMs < 850);
        QVERIFY(Course::placeSyllables(u"Hello!"_s, {0}, 500).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPitchComparison)
#include "tst_pitchcomparison.moc"
