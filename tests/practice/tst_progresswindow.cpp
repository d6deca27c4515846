// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QChartView>
#include <QLabel>
#include <QRegularExpression>
#include <QTableWidget>

#include "practice/chartdrawing.h"
#include "practice/progresswindow.h"
#include "practicetestbed.h"

using namespace Qt::StringLiterals;

namespace {

// Records \a answers answers on \a day, the first \a right of them right, each to its own
// item of lesson 5, which then falls due on \a due.
void answer(PracticeTestBed &bed, QDate day, int answers, int right, QDate due)
{
    Platform::SqliteProgressStore store(bed.progress.path());
    QVERIFY(store.open());
    for (int i = 0; i < answers; ++i) {
        const Platform::ProgressAnswer answer{
            QDateTime(day, QTime(9, i), Qt::UTC), day, 5, 2 + i % 3, u"listen-choose"_s, i < right ? 3 : 1, 900};
        QVERIFY(store.recordAnswer(answer, {5, 2 + i % 3, i < right ? 30.0 : 2.0, 5, due, day, day, 1, 0}).ok());
    }
}

QString cell(const QTableWidget *table, int row, int column)
{
    return table->item(row, column) ? table->item(row, column)->text() : QString();
}

} // namespace

class TestProgressWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { Practice::useChartDrawing(&Practice::qtChartDrawing()); }
    void showsLessonsStreakAndCharts();
    void swedishCaptionsAndNoHistory();
    void progressFileProblemsAreTold();
    // Last: the missing module is looked for once per process.
    void withoutTheChartsModuleTheSummariesRemain();
};

void TestProgressWindow::showsLessonsStreakAndCharts()
{
    PracticeTestBed bed;
    const QDate today = bed.today();
    answer(bed, today.addDays(-40), 4, 4, today.addDays(-3));
    answer(bed, today.addDays(-3), 1, 0, today.addDays(2));
    answer(bed, today.addDays(-2), 2, 1, today.addDays(20));
    answer(bed, today.addDays(-1), 5, 4, today);

    Practice::ProgressWindow window(bed.services);
    QVERIFY(window.load());
    QCOMPARE(window.windowTitle(), u"My progress"_s);
    QCOMPARE(window.findChild<QLabel *>(u"lblStreak"_s)->text(), u"Current streak: 3 days"_s);

    // The fixture's nine lessons and the total; lesson 5's three items are all answered,
    // two of them last as known, one (answered wrong last) still being learnt and due.
    auto *table = window.findChild<QTableWidget *>(u"grdLessons"_s);
    QCOMPARE(table->rowCount(), 10);
    QCOMPARE(cell(table, 3, 0), u"Lesson 5. The time"_s);
    QCOMPARE((QStringList{cell(table, 3, 1), cell(table, 3, 2), cell(table, 3, 3), cell(table, 3, 4)}),
             (QStringList{u"0"_s, u"1"_s, u"2"_s, u"3"_s}));
    QCOMPARE(cell(table, 9, 0), u"All lessons"_s);
    QCOMPARE(cell(table, 9, 1), u"22"_s);

    // Eight answers in the last thirty days (the older ones fall outside), five of them right.
    auto *answers = window.findChild<QChartView *>(u"chtAnswers"_s);
    QCOMPARE(answers->accessibleDescription(), u"8 answers in the last 30 days, 63 % of them right."_s);
    QCOMPARE(answers->chart()->series().size(), 2);
    auto *forecast = window.findChild<QChartView *>(u"chtForecast"_s);
    QCOMPARE(forecast->accessibleDescription(), u"3 phrases due in the next 14 days."_s);
}

void TestProgressWindow::swedishCaptionsAndNoHistory()
{
    PracticeTestBed bed;
    bed.state.interfaceLanguage = Course::Language::Swedish;
    Practice::ProgressWindow window(bed.services);
    QVERIFY(window.load());
    QCOMPARE(window.windowTitle(), u"Mina framsteg"_s);
    QCOMPARE(window.findChild<QLabel *>(u"lblStreak"_s)->text(), u"Ingen svit än: öva i dag för att börja en."_s);
    auto *table = window.findChild<QTableWidget *>(u"grdLessons"_s);
    QCOMPARE(table->horizontalHeaderItem(4)->text(), u"Att repetera i dag"_s);
    QCOMPARE(cell(table, 9, 1), u"25"_s);
    QCOMPARE(window.findChild<QChartView *>(u"chtForecast"_s)->accessibleDescription(),
             u"0 fraser att repetera de närmaste 14 dagarna."_s);
}

void TestProgressWindow::progressFileProblemsAreTold()
{
    PracticeTestBed bed;
    bed.spoilProgressFile("not a database");
    Practice::ProgressWindow window(bed.services);
    window.setMessagePresenter(bed.presenter());
    QVERIFY(window.load());
    QCOMPARE(bed.messages.size(), 1);
    QVERIFY(bed.messages.first().contains(u"could not be read"_s));

    PracticeTestBed newer;
    newer.makeProgressFileNewer();
    Practice::ProgressWindow refused(newer.services);
    refused.setMessagePresenter(newer.presenter());
    QVERIFY(!refused.load());
    QCOMPARE(newer.messages.size(), 1);
}

QTEST_MAIN(TestProgressWindow)
void TestProgressWindow::withoutTheChartsModuleTheSummariesRemain()
{
    // A test program has no plugins folder beside it.
    Practice::useChartDrawing(nullptr);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^cannot load .*charts\\.so"_s));
    PracticeTestBed bed;
    answer(bed, bed.today().addDays(-1), 5, 4, bed.today());
    Practice::ProgressWindow window(bed.services);
    QVERIFY(window.load());
    auto *answers = window.findChild<QWidget *>(u"chtAnswers"_s);
    QVERIFY(answers && !qobject_cast<QChartView *>(answers));
    QCOMPARE(answers->accessibleDescription(), u"5 answers in the last 30 days, 80 % of them right."_s);
    window.refresh();
    QVERIFY(window.findChild<QWidget *>(u"chtForecast"_s));
}

#include "tst_progresswindow.moc"
