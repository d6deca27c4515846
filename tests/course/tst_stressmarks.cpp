// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QTest>

#include "course/stressmarks.h"
#include "course/stresstable.h"

using namespace Qt::StringLiterals;
using Course::CourseRecord;
using Course::StressTable;

namespace {

// A small table in the source format: words, one of them with two senses, and the
// records that decide it.
StressTable sampleTable()
{
    StressTable table;
    table.read(u"# words\n"
               u"word\tstress\tnote\n"
               u"замок\tза́мок замо́к\tcastle / lock\n"
               u"стоит\tсто́ит стои́т\n"
               u"остановитесь\tостано́витесь останови́тесь\n"
               u"сколько\tско́лько\n"
               u"спасибо\tспаси́бо\n"
               u"говорите\tговори́те\n"
               u"по-русски\tпо-ру́сски\n"
               u"что-нибудь\tчто́-нибудь\n"
               u"сим-карту\tсим-ка́рту\n"
               u"интернет-кафе\tинтерне́т-кафе́\n"
               u"песка\tпеска́\n"
               u"\n"
               u"place\ttext\tstress\tnote\n"
               u"lesson08\tГде вы остановитесь?\tостано́витесь\tfuture\n"
               u"lesson20\tОстановитесь здесь.\tостанови́тесь\n"
               u"lesson34\tДавай построим замок из песка!\tза́мок\n"
               u"dictionary\tзамок (на двери)\tзамо́к\n"
               u"dictionary\tсколько стоит\tсто́ит\n"
               // One record decided on two rows: the compiled form must not depend on their order.
               u"lesson09\tЗамок стоит.\tстои́т\n"
               u"lesson09\tЗамок стоит.\tза́мок\n"_s,
               u"sample"_s);
    return table;
}

QStringList problemsOf(const QString &text)
{
    QList<StressTable::Problem> problems;
    StressTable table;
    table.read(text, u"test.tsv"_s, &problems);
    QStringList messages;
    for (const auto &problem : problems)
        messages << u"%1: %2"_s.arg(problem.line).arg(problem.message);
    return messages;
}

} // namespace

class TestStressMarks : public QObject {
    Q_OBJECT

private slots:
    void marksText_data();
    void marksText();
    void recordDecisionsOnlyMarksWhatTheRecordDecides();
    void findsWordsAndLeavesEndingsOut_data();
    void findsWordsAndLeavesEndingsOut();
    void badRowsAreReportedAndSkipped_data();
    void badRowsAreReportedAndSkipped();
    void compiledFormReadsBackTheSame();
};

void TestStressMarks::marksText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("marked");
    QTest::newRow("capital and punctuation")
        << u"Спасибо! Вы говорите по-русски?"_s << QString() << u"Спаси́бо! Вы говори́те по-ру́сски?"_s;
    QTest::newRow("capitals throughout") << u"СПАСИБО"_s << QString() << u"СПАСИ́БО"_s;
    QTest::newRow("stress on the one-syllable part") << u"Что-нибудь ещё?"_s << QString() << u"Что́-нибудь ещё?"_s;
    QTest::newRow("stress on the second part") << u"Где купить сим-карту?"_s << QString() << u"Где купить сим-ка́рту?"_s;
    QTest::newRow("both parts stressed") << u"интернет-кафе"_s << QString() << u"интерне́т-кафе́"_s;
    QTest::newRow("ё needs no mark") << u"Ещё спасибо, всё хорошо"_s << QString() << u"Ещё спаси́бо, всё хорошо"_s;
    QTest::newRow("already marked stays") << u"спаси́бо"_s << QString() << u"спаси́бо"_s;
    QTest::newRow("homograph in its record") << u"Где вы остановитесь?"_s << u"lesson08"_s << u"Где вы остано́витесь?"_s;
    QTest::newRow("the other sense in another record")
        << u"Остановитесь здесь."_s << u"lesson20"_s << u"Останови́тесь здесь."_s;
    QTest::newRow("homograph outside its records stays open")
        << u"Где вы остановитесь?"_s << u"lesson09"_s << u"Где вы остановитесь?"_s;
    QTest::newRow("castle") << u"Давай построим замок из песка!"_s << u"lesson34"_s
                            << u"Давай построим за́мок из песка́!"_s;
}

void TestStressMarks::marksText()
{
    QFETCH(QString, text);
    QFETCH(QString, place);
    QFETCH(QString, marked);
    QCOMPARE(Course::markStress(text, sampleTable(), {place, place.isEmpty() ? QString() : text}), marked);
}

void TestStressMarks::recordDecisionsOnlyMarksWhatTheRecordDecides()
{
    const StressTable table = sampleTable();
    const auto ownOnly = [&table](const QString &spoken, const QString &row) {
        return Course::markStress(spoken, table, {Course::dictionaryPlace(), row},
                                  Course::StressMarking::RecordDecisionsOnly);
    };
    QCOMPARE(ownOnly(u"замок "_s, u"замок (на двери)"_s), u"замо́к "_s);
    QCOMPARE(ownOnly(u"сколько стоит"_s, u"сколько стоит"_s), u"сколько сто́ит"_s);
    QCOMPARE(ownOnly(u"спасибо"_s, u"спасибо"_s), u"спасибо"_s);
    QCOMPARE(table.stressFor(u"замок"_s), QString());
    QCOMPARE(table.stressFor(u"спасибо"_s), u"спаси́бо"_s);
}

void TestStressMarks::findsWordsAndLeavesEndingsOut_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("sentence") << u"Как дела? — Хорошо."_s << QStringList{u"Как"_s, u"дела"_s, u"Хорошо"_s};
    QTest::newRow("hyphenated") << u"по-русски, Санкт-Петербург"_s << QStringList{u"по-русски"_s, u"Санкт-Петербург"_s};
    QTest::newRow("table of endings") << u"-ю/-у, -ешь, -ет"_s << QStringList{};
    QTest::newRow("prefix alone") << u"кое- и что"_s << QStringList{u"и"_s, u"что"_s};
    QTest::newRow("after a Latin part") << u"SIM-карта"_s << QStringList{u"карта"_s};
    QTest::newRow("marked word") << u"молоко́ (milk)"_s << QStringList{u"молоко́"_s};
}

void TestStressMarks::findsWordsAndLeavesEndingsOut()
{
    QFETCH(QString, text);
    QFETCH(QStringList, words);
    QStringList found;
    for (const Course::WordSpan &span : Course::russianWords(text))
        found << text.mid(span.start, span.length);
    QCOMPARE(found, words);
}

void TestStressMarks::badRowsAreReportedAndSkipped_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("problem");
    const QString words = u"word\tstress\n"_s;
    QTest::newRow("another word") << words + u"замок\tзамо́чек\n"_s
                                  << u"2: \"замо́чек\" is not \"замок\" with stress marks"_s;
    QTest::newRow("no mark") << words + u"замок\tзамок\n"_s << u"2: \"замок\" has no stress mark after a vowel"_s;
    QTest::newRow("two marks in one word")
        << words + u"замок\tза́мо́к\n"_s << u"2: \"за́мо́к\" marks two vowels of one word"_s;
    QTest::newRow("mark after a consonant")
        << words + u"замок\tза́м́ок\n"_s << u"2: \"за́м́ок\" has a stress mark that does not follow a vowel"_s;
    QTest::newRow("capital") << words + u"Замок\tЗа́мок\n"_s
                             << u"2: \"Замок\": write the word in lower case without marks"_s;
    QTest::newRow("twice") << words + u"вода\tвода́\nвода\tво́да\n"_s << u"3: \"вода\" is given twice"_s;
    QTest::newRow("record decides twice") << u"place\ttext\tstress\nlesson01\tтекст\tза́мок\nlesson01\tтекст\tзамо́к\n"_s
                                          << u"3: \"замок\" is decided twice for this record"_s;
    QTest::newRow("no header") << u"вода\tвода́\n"_s << u"1: a row before the header line"_s;
}

void TestStressMarks::badRowsAreReportedAndSkipped()
{
    QFETCH(QString, text);
    QFETCH(QString, problem);
    QCOMPARE(problemsOf(text), QStringList{problem});
}

void TestStressMarks::compiledFormReadsBackTheSame()
{
    const StressTable table = sampleTable();
    StressTable compiled;
    QList<StressTable::Problem> problems;
    compiled.read(table.toText(), {}, &problems);
    QVERIFY(problems.isEmpty());
    QCOMPARE(compiled.toText(), table.toText());
    QCOMPARE(compiled.readings(u"замок"_s), (QStringList{u"за́мок"_s, u"замо́к"_s}));
    QCOMPARE(compiled.recordForm({u"lesson08"_s, u"Где вы остановитесь?"_s}, u"остановитесь"_s), u"остано́витесь"_s);
    QVERIFY(StressTable::fromFile(u"/nonexistent/stress.tsv"_s).isEmpty());
}

QTEST_GUILESS_MAIN(TestStressMarks)
#include "tst_stressmarks.moc"
