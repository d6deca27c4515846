// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QtTest>

#include "course/stresstable.h"
#include "dictionary/lexiconquery.h"
#include "dictionary/spokenform.h"

using namespace Dictionary;

class TestLexiconQuery : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void queryKeepsThePatternInsideItsQuotes_data();
    void queryKeepsThePatternInsideItsQuotes();
    void spokenFormStopsAtTheFirstBracket_data();
    void spokenFormStopsAtTheFirstBracket();
    void speechTextCarriesTheRowsOwnStress_data();
    void speechTextCarriesTheRowsOwnStress();
};

void TestLexiconQuery::queryKeepsThePatternInsideItsQuotes_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("query");
    QTest::newRow("Swedish hu") << 120 << QStringLiteral("hu")
                                << QStringLiteral("SELECT Swedish, Russian FROM Lang  where Swedish Like\"hu*\"");
    QTest::newRow("empty matches everything")
        << 110 << QString() << QStringLiteral("SELECT English, Russian FROM Lang  where English Like\"*\"");
    QTest::newRow("pattern characters stay")
        << 150 << QStringLiteral("h?[a-z]#*")
        << QStringLiteral("SELECT France, Russian FROM Lang  where France Like\"h?[a-z]#**\"");
    QTest::newRow("a quote cannot close the pattern")
        << 110 << QStringLiteral("a\" OR English Like\"")
        << QStringLiteral("SELECT English, Russian FROM Lang  where English Like\"a\"\" OR English Like\"\"*\"");
    QTest::newRow("argument markers are text")
        << 140 << QStringLiteral("%1 %2")
        << QStringLiteral("SELECT Deutch, Russian FROM Lang  where Deutch Like\"%1 %2*\"");
    QTest::newRow("unknown language searches English")
        << 999 << QStringLiteral("x") << QStringLiteral("SELECT English, Russian FROM Lang  where English Like\"x*\"");
}

void TestLexiconQuery::queryKeepsThePatternInsideItsQuotes()
{
    QFETCH(int, language);
    QFETCH(QString, typed);
    QFETCH(QString, query);
    QCOMPARE(searchQuery(languageTexts(language), typed), query);
}

void TestLexiconQuery::spokenFormStopsAtTheFirstBracket_data()
{
    QTest::addColumn<QString>("russian");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("remark after a blank") << QStringLiteral("дом (м.р.)") << QStringLiteral("дом ");
    QTest::newRow("no remark") << QStringLiteral("собака") << QStringLiteral("собака");
    QTest::newRow("starts with a bracket") << QStringLiteral("(только мн.)") << QString();
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("first of two brackets") << QStringLiteral("идти (несов.) (пешком)") << QStringLiteral("идти ");
    QTest::newRow("stored single-byte form")
        << QStringLiteral("\u00E4\u00EE\u00EC (\u00EC.\u00F0.)") << QStringLiteral("\u00E4\u00EE\u00EC ");
}

void TestLexiconQuery::spokenFormStopsAtTheFirstBracket()
{
    QFETCH(QString, russian);
    QFETCH(QString, spoken);
    QCOMPARE(spokenForm(russian), spoken);
}

void TestLexiconQuery::speechTextCarriesTheRowsOwnStress_data()
{
    QTest::addColumn<QString>("russian");
    QTest::addColumn<QString>("speech");
    QTest::newRow("castle") << QStringLiteral("замок") << QStringLiteral("\\spd=50\\\\map=\"за\u0301мок\"=\"замок\"\\");
    QTest::newRow("lock, with its note") << QStringLiteral("замок (на двери)")
                                         << QStringLiteral("\\spd=50\\\\map=\"замо\u0301к \"=\"замок \"\\");
    QTest::newRow("a word of one stress goes as it is")
        << QStringLiteral("собака") << QStringLiteral("\\spd=50\\собака");
    QTest::newRow("a row the table does not decide")
        << QStringLiteral("замок на замке") << QStringLiteral("\\spd=50\\замок на замке");
}

void TestLexiconQuery::speechTextCarriesTheRowsOwnStress()
{
    QFETCH(QString, russian);
    QFETCH(QString, speech);
    Course::StressTable stress;
    stress.read(QStringLiteral("word\tstress\nзамок\tза\u0301мок замо\u0301к\nсобака\tсоба\u0301ка\n"
                               "place\ttext\tstress\n"
                               "dictionary\tзамок\tза\u0301мок\ndictionary\tзамок (на двери)\tзамо\u0301к\n"));
    QCOMPARE(speechText(russian, &stress), speech);
    QCOMPARE(speechText(russian, nullptr), QStringLiteral("\\spd=50\\") + spokenForm(russian));
}

QTEST_GUILESS_MAIN(TestLexiconQuery)
#include "tst_lexiconquery.moc"
