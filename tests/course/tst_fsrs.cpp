// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QTest>

#include "course/fsrs.h"
#include "course/practicesession.h"

using Course::Fsrs::Grade;

namespace {

// An answer history: the days since the previous answer and the grade, per answer.
struct Step {
    double days;
    Grade grade;
};
using History = QList<Step>;

Course::Fsrs::MemoryState replay(const History &history)
{
    Course::Fsrs::MemoryState state = Course::Fsrs::firstReview(history.first().grade);
    for (qsizetype i = 1; i < history.size(); ++i)
        state = Course::Fsrs::nextReview(state, history.at(i).days, history.at(i).grade);
    return state;
}

} // namespace

Q_DECLARE_METATYPE(History)

class TestFsrs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void matchesReferenceValues_data();
    void matchesReferenceValues();
    void retrievability_data();
    void retrievability();
    void intervalsStayWithinBounds();
    void afterAnswerSchedulesByCalendarDays();
    void objectiveGrades_data();
    void objectiveGrades();
};

// Reference values computed independently from the published FSRS-5 formulas with the
// default parameters (a separate transcription, not this code).
void TestFsrs::matchesReferenceValues_data()
{
    QTest::addColumn<History>("history");
    QTest::addColumn<double>("stability");
    QTest::addColumn<double>("difficulty");
    QTest::addColumn<int>("interval");

    QTest::newRow("first Again") << History{{0, Grade::Again}} << 0.402550 << 7.194900 << 1;
    QTest::newRow("first Hard") << History{{0, Grade::Hard}} << 1.183850 << 6.488305 << 1;
    QTest::newRow("first Good") << History{{0, Grade::Good}} << 3.173000 << 5.282434 << 3;
    QTest::newRow("first Easy") << History{{0, Grade::Easy}} << 15.691050 << 3.224502 << 16;
    QTest::newRow("Good, Good after 3 days")
        << History{{0, Grade::Good}, {3, Grade::Good}} << 10.738926 << 5.272968 << 11;
    QTest::newRow("Good, Hard after 3 days")
        << History{{0, Grade::Good}, {3, Grade::Hard}} << 4.924512 << 6.034950 << 5;
    QTest::newRow("Good, Easy after 3 days")
        << History{{0, Grade::Good}, {3, Grade::Easy}} << 25.793605 << 4.510986 << 26;
    QTest::newRow("lapse after 3 days") << History{{0, Grade::Good}, {3, Grade::Again}} << 1.055561 << 6.796933 << 1;
    QTest::newRow("same day Again") << History{{0, Grade::Good}, {0, Grade::Again}} << 1.589764 << 6.796933 << 2;
    QTest::newRow("same day Good") << History{{0, Grade::Good}, {0, Grade::Good}} << 4.466858 << 5.272968 << 4;
    QTest::newRow("same day Easy") << History{{0, Grade::Good}, {0, Grade::Easy}} << 7.487502 << 4.510986 << 7;
    QTest::newRow("Good after 400 days") << History{{0, Grade::Good},
                                                    {3, Grade::Good},
                                                    {11, Grade::Good},
                                                    {400, Grade::Good}}
                                         << 420.617693 << 5.254165 << 421;
    QTest::newRow("lapse after a long interval")
        << History{{0, Grade::Good}, {3, Grade::Good}, {11, Grade::Good}, {30, Grade::Good}, {120, Grade::Again}}
        << 6.066093 << 6.777926 << 6;
    QTest::newRow("Again, Again, Good") << History{{0, Grade::Again}, {1, Grade::Again}, {1, Grade::Good}} << 1.614961
                                        << 8.060449 << 2;
    QTest::newRow("Easy streak, difficulty at its floor")
        << History{{0, Grade::Easy}, {16, Grade::Easy}, {80, Grade::Easy}, {400, Grade::Easy}} << 3633.676529 << 1.0
        << 3634;
}

void TestFsrs::matchesReferenceValues()
{
    QFETCH(History, history);
    QFETCH(double, stability);
    QFETCH(double, difficulty);
    QFETCH(int, interval);
    const Course::Fsrs::MemoryState state = replay(history);
    QVERIFY2(std::abs(state.stability - stability) < 1e-5, qPrintable(QString::number(state.stability, 'f', 6)));
    QVERIFY2(std::abs(state.difficulty - difficulty) < 1e-5, qPrintable(QString::number(state.difficulty, 'f', 6)));
    QCOMPARE(Course::Fsrs::intervalDays(state.stability), interval);
}

void TestFsrs::retrievability_data()
{
    QTest::addColumn<double>("days");
    QTest::addColumn<double>("stability");
    QTest::addColumn<double>("expected");
    QTest::newRow("at its stability") << 1.0 << 1.0 << 0.9;
    QTest::newRow("just answered") << 0.0 << 3.173 << 1.0;
    QTest::newRow("ten days, stability 3.173") << 10.0 << 3.173 << 0.758259;
    QTest::newRow("a hundred days, stability 10") << 100.0 << 10.0 << 0.546711;
}

void TestFsrs::retrievability()
{
    QFETCH(double, days);
    QFETCH(double, stability);
    QFETCH(double, expected);
    QVERIFY(std::abs(Course::Fsrs::retrievability(days, stability) - expected) < 1e-6);
}

void TestFsrs::intervalsStayWithinBounds()
{
    QCOMPARE(Course::Fsrs::intervalDays(0.01), Course::Fsrs::kMinimumInterval);
    QCOMPARE(Course::Fsrs::intervalDays(1e9), Course::Fsrs::kMaximumInterval);
    QCOMPARE(Course::Fsrs::intervalDays(std::numeric_limits<double>::infinity()), Course::Fsrs::kMaximumInterval);
    // Many lapses in a row never push stability to zero or below, where the curve breaks;
    // difficulty climbs towards its ceiling but the reversion to D0(Easy) holds it just under.
    Course::Fsrs::MemoryState state = Course::Fsrs::firstReview(Grade::Again);
    for (int i = 0; i < 50; ++i)
        state = Course::Fsrs::nextReview(state, 1, Grade::Again);
    QVERIFY(state.stability > 0);
    QVERIFY2(std::abs(state.difficulty - 9.904873) < 1e-5, qPrintable(QString::number(state.difficulty, 'f', 6)));
}

void TestFsrs::afterAnswerSchedulesByCalendarDays()
{
    const QDate monday(2026, 3, 2);
    const Course::ItemKey key{5, 3};
    const Course::ItemMemory first = Course::afterAnswer(std::nullopt, key, Grade::Good, monday);
    QCOMPARE(first.due, monday.addDays(3));
    QCOMPARE(first.firstReview, monday);
    QCOMPARE(first.reviews, 1);
    QCOMPARE(first.lapses, 0);

    const Course::ItemMemory lapsed = Course::afterAnswer(first, key, Grade::Again, monday.addDays(3));
    QCOMPARE(lapsed.lapses, 1);
    QCOMPARE(lapsed.reviews, 2);
    QCOMPARE(lapsed.firstReview, monday);
    QVERIFY(std::abs(lapsed.memory.stability - 1.055561) < 1e-5);

    // A clock set back a day counts as an answer on the same day, not a negative interval.
    const Course::ItemMemory backwards = Course::afterAnswer(first, key, Grade::Good, monday.addDays(-1));
    QVERIFY(std::abs(backwards.memory.stability - 4.466858) < 1e-5);
}

void TestFsrs::objectiveGrades_data()
{
    QTest::addColumn<bool>("right");
    QTest::addColumn<bool>("repeated");
    QTest::addColumn<bool>("slow");
    QTest::addColumn<int>("grade");
    QTest::newRow("wrong") << false << false << false << int(Grade::Again);
    QTest::newRow("wrong after a repeat") << false << true << false << int(Grade::Again);
    QTest::newRow("right") << true << false << false << int(Grade::Good);
    QTest::newRow("right after a repeat") << true << true << false << int(Grade::Hard);
    QTest::newRow("right but slow") << true << false << true << int(Grade::Hard);
}

void TestFsrs::objectiveGrades()
{
    QFETCH(bool, right);
    QFETCH(bool, repeated);
    QFETCH(bool, slow);
    QFETCH(int, grade);
    QCOMPARE(int(Course::objectiveGrade(right, repeated, slow)), grade);
}

QTEST_GUILESS_MAIN(TestFsrs)
#include "tst_fsrs.moc"
