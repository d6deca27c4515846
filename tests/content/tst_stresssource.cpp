// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
// The content compiler's stress check: which words of the course lack a decided stress.
#include <QTest>

#include "course/stresstable.h"
#include "stresssource.h"

using namespace Qt::StringLiterals;
using Content::CourseText;

namespace {

Course::StressTable sampleTable()
{
    Course::StressTable table;
    table.read(u"word\tstress\n"
               u"сколько\tско́лько\n"
               u"стоит\tсто́ит стои́т\n"
               u"молоко\tмолоко́\n"
               u"этого\tэ́того\n"
               u"больше\tбо́льше\n"
               u"это\tэ́то\n"
               u"place\ttext\tstress\n"
               u"lesson03\tСколько это стоит?\tсто́ит\n"
               u"lesson03\tЭтого больше нет.\tсто́ит\n"_s,
               u"records.tsv"_s);
    return table;
}

CourseText lessonText(const QString &text, int line = 7)
{
    return {u"lesson03.txt"_s, line, {u"lesson03"_s, text}, text};
}

} // namespace

class TestStressSource : public QObject {
    Q_OBJECT

private slots:
    void everyShownWordNeedsADecision_data();
    void everyShownWordNeedsADecision();
    void unusedDecisionsAreWarnedAbout();
    void helpPagesGiveTheirRussianLines();
};

void TestStressSource::everyShownWordNeedsADecision_data()
{
    QTest::addColumn<CourseText>("text");
    QTest::addColumn<QStringList>("errors");
    QTest::newRow("decided by the record") << lessonText(u"Сколько это стоит?"_s) << QStringList();
    QTest::newRow("one syllable, ё and marks need nothing") << lessonText(u"Вот всё, ещё молоко́."_s) << QStringList();
    QTest::newRow("no row") << lessonText(u"Сколько масла?"_s, 12)
                            << QStringList{u"lesson03.txt:12: \"масла\" has no decided stress: add it to "
                                           u"data/pronunciation/stress.tsv"_s};
    QTest::newRow("homograph the record leaves open")
        << lessonText(u"Сколько стоит хлеб?"_s)
        << QStringList{u"lesson03.txt:7: the stress of \"стоит\" depends on the sense (сто́ит, стои́т): decide it for "
                       u"this record in data/pronunciation/records.tsv"_s};
    QTest::newRow("help page marks it itself")
        << CourseText{u"England.htm"_s, 3, {}, u"сколько стоит"_s}
        << QStringList{u"England.htm:3: the stress of \"стоит\" depends on the sense (сто́ит, стои́т): put the stress "
                       u"mark into the text"_s};
    QTest::newRow("help page mark agrees") << CourseText{u"England.htm"_s, 3, {}, u"Сколько сто́ит?"_s} << QStringList();
    QTest::newRow("help page mark disagrees")
        << CourseText{u"England.htm"_s, 4, {}, u"мо́локо"_s}
        << QStringList{u"England.htm:4: \"мо́локо\" is marked otherwise than the stress table gives it (молоко́)"_s};
}

void TestStressSource::everyShownWordNeedsADecision()
{
    QFETCH(CourseText, text);
    QFETCH(QStringList, errors);
    Content::Diagnostics diagnostics;
    Content::validateStress(sampleTable(), {text, lessonText(u"Этого больше нет."_s)}, diagnostics);
    QCOMPARE(diagnostics.errors(), errors);
}

void TestStressSource::unusedDecisionsAreWarnedAbout()
{
    Course::StressTable table = sampleTable();
    table.read(u"place\ttext\tstress\nlesson04\tГде стоит?\tско́лько\n"_s, u"more.tsv"_s);
    Content::Diagnostics diagnostics;
    Content::validateStress(table, {lessonText(u"Этого больше нет."_s)}, diagnostics);
    // A decision for a word of one stress is an error; one for a record that is gone, or for
    // a word the record does not hold, only a warning (lessons change under the table).
    QCOMPARE(diagnostics.errors(),
             QStringList{u"more.tsv:2: \"сколько\" has one stress in data/pronunciation/stress.tsv; "
                         u"a record cannot decide it"_s});
    QCOMPARE(diagnostics.warnings(),
             (QStringList{
                 u"records.tsv:9: warning: no record \"Сколько это стоит?\" in lesson03; the decision is not used"_s,
                 u"records.tsv:10: warning: the record holds no \"стоит\""_s,
                 u"more.tsv:2: warning: no record \"Где стоит?\" in lesson04; the decision is not used"_s}));
}

void TestStressSource::helpPagesGiveTheirRussianLines()
{
    const QList<CourseText> texts = Content::helpTexts(
        u"Suomi.htm"_s, u"<p>Hei</p>\n<p class=\"ru\">Как&nbsp;дела&#63; <b>Хорошо</b></p>\n<td>&#1044;а</td>"_s);
    QCOMPARE(texts.size(), 2);
    QCOMPARE(texts.at(0).line, 2);
    QCOMPARE(texts.at(0).text.simplified(), u"Как дела? Хорошо"_s);
    QCOMPARE(texts.at(1).text.simplified(), u"Да"_s);
    QVERIFY(texts.at(0).record.place.isEmpty());
}

QTEST_GUILESS_MAIN(TestStressSource)
#include "tst_stresssource.moc"
