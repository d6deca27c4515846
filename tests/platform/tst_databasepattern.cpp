// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QTest>

#include "platform/database/jetpattern.h"
#include "platform/database/jetquery.h"
#include "platform/database/sqlcipherdatabaseengine.h"

using namespace Platform;

class TestDatabasePattern : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void matching_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("matches");

        QTest::newRow("prefix") << "hu*"
                                << "hund" << true;
        QTest::newRow("prefix, capital text") << "hu*"
                                              << "Hudiksvall" << true;
        QTest::newRow("prefix, capital pattern") << "HU*"
                                                 << "humör" << true;
        QTest::newRow("prefix is not infix") << "hu*"
                                             << "schuh" << false;
        QTest::newRow("star alone, empty text") << "*"
                                                << "" << true;
        QTest::newRow("empty pattern, empty text") << ""
                                                   << "" << true;
        QTest::newRow("empty pattern, text") << ""
                                             << "a" << false;
        QTest::newRow("whole text, no star") << "hur"
                                             << "HUR" << true;
        QTest::newRow("no star means exact") << "hur"
                                             << "hurra" << false;
        QTest::newRow("question mark takes one") << "h?s"
                                                 << "hus" << true;
        QTest::newRow("question mark needs one") << "h?s"
                                                 << "hs" << false;
        QTest::newRow("question mark, non-ASCII") << "?r"
                                                  << "år" << true;
        QTest::newRow("hash is a digit") << "#*"
                                         << "100% cotton" << true;
        QTest::newRow("hash is not a letter") << "#*"
                                              << "cotton" << false;
        QTest::newRow("set") << "[bh]und"
                             << "Hund" << true;
        QTest::newRow("set misses") << "[bh]und"
                                    << "mund" << false;
        QTest::newRow("range") << "[a-c]*"
                               << "Café" << true;
        QTest::newRow("range misses") << "[a-c]*"
                                      << "dog" << false;
        QTest::newRow("negated set") << "[!h]*"
                                     << "dog" << true;
        QTest::newRow("negated set misses, any case") << "[!h]*"
                                                      << "House" << false;
        QTest::newRow("star in set is literal") << "a[*]b"
                                                << "a*b" << true;
        QTest::newRow("star in set is not a wildcard") << "a[*]b"
                                                       << "axb" << false;
        QTest::newRow("bracket in set is literal") << "[[]x"
                                                   << "[x" << true;
        QTest::newRow("hyphen at set end is literal") << "[a-]"
                                                      << "-" << true;
        QTest::newRow("closing bracket outside a set") << "a]"
                                                       << "a]" << true;
        QTest::newRow("empty set is nothing") << "a[]b"
                                              << "ab" << true;
        QTest::newRow("percent is literal") << "100%*"
                                            << "100% cotton" << true;
        QTest::newRow("percent is not a wildcard") << "%"
                                                   << "anything" << false;
        QTest::newRow("underscore is not a wildcard") << "_*"
                                                      << "x" << false;
        QTest::newRow("star in the middle") << "h*e"
                                            << "house" << true;
        QTest::newRow("star backtracks") << "*a*a"
                                         << "banana" << true;
        QTest::newRow("star backtracks, no match") << "*a*ab"
                                                   << "banana" << false;
        QTest::newRow("Swedish å and Å") << "Å*"
                                         << "åka" << true;
        QTest::newRow("Swedish Ä and ä") << "ä*"
                                         << "Ängel" << true;
        QTest::newRow("German Ü and ü") << "über*"
                                        << "Übung" << false;
        QTest::newRow("German ü*") << "ü*"
                                   << "Übung" << true;
        QTest::newRow("German capital sharp s") << "STRAẞE"
                                                << "Straße" << true;
        QTest::newRow("French É and é") << "É*"
                                        << "école" << true;
        QTest::newRow("Cyrillic upper against lower") << "ДОМ*"
                                                      << "дом (м.р.)" << true;
        QTest::newRow("Cyrillic Ё and ё") << "Ё?КА"
                                          << "ёлка" << true;
        QTest::newRow("Cyrillic range") << "[а-я]*"
                                        << "Ягода" << true;
        QTest::newRow("Cyrillic e is not ё") << "е*"
                                             << "ёлка" << false;
        QTest::newRow("Greek") << "ΣΟΦΊΑ"
                               << "σοφία" << true;
    }

    void matching()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QFETCH(bool, matches);
        const auto parsed = JetPattern::parse(pattern);
        QVERIFY(parsed);
        QCOMPARE(parsed->matches(text), matches);
    }

    void malformedPatterns_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::newRow("unclosed bracket") << "[abc";
        QTest::newRow("unclosed bracket at end") << "hu[";
        QTest::newRow("unclosed negated set") << "[!";
        QTest::newRow("reversed range") << "[z-a]*";
    }

    void malformedPatterns()
    {
        QFETCH(QString, pattern);
        QString reason;
        QVERIFY(!JetPattern::parse(pattern, &reason));
        QVERIFY(!reason.isEmpty());
    }

    // The index answers a prefix range; a wrong prefix or a wrong "prefix only" verdict
    // would lose or invent rows.
    void prefixes_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<bool>("prefixOnly");
        QTest::addColumn<bool>("everything");
        QTest::newRow("letters and star") << "Hu*"
                                          << "hu" << true << false;
        QTest::newRow("no star") << "hu"
                                 << "hu" << false << false;
        QTest::newRow("star then more") << "hu*s"
                                        << "hu" << false << false;
        QTest::newRow("question mark") << "h?*"
                                       << "h" << false << false;
        QTest::newRow("set first") << "[h]u*"
                                   << "" << false << false;
        QTest::newRow("doubled stars") << "hu**"
                                       << "hu" << true << false;
        QTest::newRow("star") << "*"
                              << "" << true << true;
        QTest::newRow("stars") << "***"
                               << "" << true << true;
        QTest::newRow("empty") << ""
                               << "" << false << false;
        QTest::newRow("non-ASCII folded") << "ÅK*"
                                          << "åk" << true << false;
    }

    void prefixes()
    {
        QFETCH(QString, pattern);
        const auto parsed = JetPattern::parse(pattern);
        QVERIFY(parsed);
        QTEST(parsed->literalPrefix(), "prefix");
        QTEST(parsed->isPrefixOnly(), "prefixOnly");
        QTEST(parsed->matchesEverything(), "everything");
    }

    void longPatternsStayQuick()
    {
        // Many stars against a long text that almost matches: must not backtrack
        // exponentially.
        const QString pattern = QString(QStringLiteral("*a")).repeated(200) + QStringLiteral("b");
        const QString text = QString(500, QLatin1Char('a'));
        const auto parsed = JetPattern::parse(pattern);
        QVERIFY(parsed);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!parsed->matches(text));
        QVERIFY(timer.elapsed() < 2000);
    }

    void queries_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<QString>("whereColumn");
        QTest::addColumn<QString>("pattern");

        QTest::newRow("table name") << "Lektion7"
                                    << "Lektion7" << QStringList() << ""
                                    << "";
        QTest::newRow("table name with blanks") << "  Lang  "
                                                << "Lang" << QStringList() << ""
                                                << "";
        QTest::newRow("as the dictionary writes it") << "SELECT Swedish, Russian FROM Lang  where Swedish Like\"hu*\""
                                                     << "Lang" << QStringList{"Swedish", "Russian"} << "Swedish"
                                                     << "hu*";
        QTest::newRow("blank before the quote") << "SELECT English, Russian FROM Lang WHERE English LIKE \"a*\""
                                                << "Lang" << QStringList{"English", "Russian"} << "English"
                                                << "a*";
        QTest::newRow("lower-case keywords, tabs and line breaks")
            << "select\tEnglish,Russian\nfrom Lang\n\twhere English like\"b*\" ;"
            << "Lang" << QStringList{"English", "Russian"} << "English"
            << "b*";
        QTest::newRow("star, no where") << "SELECT * FROM Lektion2"
                                        << "Lektion2" << QStringList() << ""
                                        << "";
        QTest::newRow("bracketed names") << "SELECT [English] FROM [Lang] where [English] Like 'x*'"
                                         << "Lang" << QStringList{"English"} << "English"
                                         << "x*";
        QTest::newRow("doubled quote inside") << "SELECT English FROM Lang where English Like\"a\"\"b*\""
                                              << "Lang" << QStringList{"English"} << "English"
                                              << "a\"b*";
        QTest::newRow("SQL words inside the pattern")
            << "SELECT English FROM Lang where English Like\"'; DROP TABLE Lang; --*\""
            << "Lang" << QStringList{"English"} << "English"
            << "'; DROP TABLE Lang; --*";
        QTest::newRow("empty pattern") << "SELECT English FROM Lang where English Like\"\""
                                       << "Lang" << QStringList{"English"} << "English"
                                       << "";
    }

    void queries()
    {
        QFETCH(QString, source);
        const Result<JetQuery> query = JetQuery::parse(source);
        QVERIFY2(query, query ? "" : qPrintable(query.error().detail));
        QTEST(query->table, "table");
        QTEST(query->columns, "columns");
        QTEST(query->whereColumn.value_or(QString()), "whereColumn");
        QTEST(query->pattern, "pattern");
    }

    void rejectedQueries_data()
    {
        QTest::addColumn<QString>("source");
        QTest::newRow("empty") << "";
        QTest::newRow("stray quote in the pattern") << "SELECT Swedish, Russian FROM Lang  where Swedish Like\"a\"b*\"";
        QTest::newRow("unterminated pattern") << "SELECT Swedish FROM Lang where Swedish Like\"abc";
        QTest::newRow("second statement") << "SELECT Swedish FROM Lang where Swedish Like\"a*\"; DROP TABLE Lang";
        QTest::newRow("OR after the pattern") << "SELECT Swedish FROM Lang where Swedish Like\"\" OR \"\"=\"*\"";
        QTest::newRow("equals instead of Like") << "SELECT Swedish FROM Lang where Swedish = \"a\"";
        QTest::newRow("comment after the table") << "SELECT Swedish FROM Lang -- x";
        QTest::newRow("missing FROM") << "SELECT Swedish Lang";
        QTest::newRow("dangling comma") << "SELECT Swedish, FROM Lang";
        QTest::newRow("two words as a table") << "Lang Lang";
        QTest::newRow("subquery") << "SELECT Swedish FROM (SELECT * FROM Lang)";
    }

    void rejectedQueries()
    {
        QFETCH(QString, source);
        const Result<JetQuery> query = JetQuery::parse(source);
        QVERIFY(!query);
        QCOMPARE(query.error().code, ErrorCode::SyntaxError);
        QVERIFY(!query.error().detail.isEmpty());
    }

    void connectTexts_data()
    {
        QTest::addColumn<QString>("connect");
        QTest::addColumn<QString>("database");
        QTest::addColumn<bool>("hasPassword");
        QTest::addColumn<QString>("password");
        QTest::newRow("engine open") << ";DATABASE=/app/Russian.mdb;PWD=vorpentaluki"
                                     << "/app/Russian.mdb" << true << "vorpentaluki";
        QTest::newRow("Access alone") << "Access"
                                      << "" << false << "";
        QTest::newRow("Access with password") << "Access;PWD=x;y"
                                              << "" << true << "x";
        QTest::newRow("lower-case keys") << ";database=/a b/L.mdb;pwd="
                                         << "/a b/L.mdb" << true << "";
    }

    void connectTexts()
    {
        QFETCH(QString, connect);
        const ConnectText parsed = ConnectText::parse(connect);
        QTEST(parsed.database, "database");
        QTEST(parsed.password.has_value(), "hasPassword");
        QTEST(parsed.password.value_or(QString()), "password");
    }
};

QTEST_GUILESS_MAIN(TestDatabasePattern)
#include "tst_databasepattern.moc"
