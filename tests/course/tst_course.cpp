// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QTest>

#include "course/captiontable.h"
#include "course/codepage1251.h"
#include "course/dictionarytable.h"
#include "course/lessonrules.h"
#include "course/lessontitles.h"
#include "course/phrase.h"

using namespace Qt::StringLiterals;

class TestCourse : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void savedLessonRule_data();
    void savedLessonRule();
    void windowKinds();
    void captionTableKeepsTextsExactly();
    void captionTableFallsBackToEnglishOnlyWhenAsked();
    void lessonTitlesDropHalfTables();
    void builtInTablesHaveEveryLanguageAndKey();
    void phraseFromStoredRecord();
};

void TestCourse::savedLessonRule_data()
{
    QTest::addColumn<QString>("saved");
    QTest::addColumn<int>("lesson");
    QTest::newRow("none") << QString() << 2;
    QTest::newRow("first") << u"1"_s << 1;
    QTest::newRow("last") << u"38"_s << 38;
    QTest::newRow("blanks around") << u" 9 "_s << 9;
    QTest::newRow("zero") << u"0"_s << 2;
    QTest::newRow("past the end") << u"39"_s << 2;
    QTest::newRow("negative") << u"-3"_s << 2;
    QTest::newRow("fraction") << u"7.5"_s << 2;
    QTest::newRow("text") << u"abc"_s << 2;
    QTest::newRow("beyond 32 bits") << u"99999999999"_s << 2;
}

void TestCourse::savedLessonRule()
{
    QFETCH(QString, saved);
    QFETCH(int, lesson);
    QCOMPARE(Course::recentLesson(saved), lesson);
}

void TestCourse::windowKinds()
{
    using Course::LessonWindowKind;
    QCOMPARE(Course::windowKindFor(1), LessonWindowKind::Alphabet);
    QCOMPARE(Course::windowKindFor(2), LessonWindowKind::Lesson);
    QCOMPARE(Course::windowKindFor(9), LessonWindowKind::Lesson);
    QCOMPARE(Course::windowKindFor(10), LessonWindowKind::Third);
    QCOMPARE(Course::windowKindFor(38), LessonWindowKind::Third);
    QVERIFY(!Course::windowKindFor(0));
    QVERIFY(!Course::windowKindFor(39));
    QVERIFY(Course::hasNextLesson(37));
    QVERIFY(!Course::hasNextLesson(38));
    QCOMPARE(Course::lessonTableName(12), u"Lektion12"_s);
}

void TestCourse::captionTableKeepsTextsExactly()
{
    const auto table = Course::CaptionTable::parse(u"orphan \"before any block\"\n"
                                                   "# comment\r\n"
                                                   "[110] English\r\n"
                                                   "padded \"  two blanks \"\n"
                                                   "quoted \"say \"hi\" now\"\n"
                                                   "broken \"one\\ntwo\"\n"
                                                   "twice \"first\"\n"
                                                   "twice \"second\"\n"
                                                   "no quotes here\n"
                                                   "[abc] not a code\n"
                                                   "lost \"in a bad block\"\n"_s);
    QCOMPARE(table.languages(), QList<int>{110});
    QCOMPARE(table.text(110, u"padded"_s), u"  two blanks "_s);
    QCOMPARE(table.text(110, u"quoted"_s), u"say \"hi\" now"_s);
    QCOMPARE(table.text(110, u"broken"_s), u"one\ntwo"_s);
    QCOMPARE(table.text(110, u"twice"_s), u"second"_s);
    QCOMPARE(table.keys(110), (QStringList{u"padded"_s, u"quoted"_s, u"broken"_s, u"twice"_s}));
    QVERIFY(table.text(110, u"orphan"_s).isNull());
    QVERIFY(table.text(110, u"lost"_s).isNull());
}

void TestCourse::captionTableFallsBackToEnglishOnlyWhenAsked()
{
    const auto table = Course::CaptionTable::parse(u"[110] English\nend \"End\"\nspeak \"Speak\"\n"
                                                   "[120] Svenska\nend \"Avsluta\"\n"_s);
    QCOMPARE(table.text(120, u"end"_s), u"Avsluta"_s);
    QVERIFY(table.text(120, u"speak"_s).isNull());
    QCOMPARE(table.textOrEnglish(120, u"speak"_s), u"Speak"_s);
    QCOMPARE(table.textOrEnglish(999, u"end"_s), u"End"_s);
    QVERIFY(!table.hasLanguage(999));
}

void TestCourse::lessonTitlesDropHalfTables()
{
    QString complete = u"[110] English\ncaption \"Contents\"\n"_s;
    for (int lesson = 1; lesson <= Course::kLessonCount; ++lesson)
        complete += u"%1 \"Lesson %1 \"\n"_s.arg(lesson);
    const QString half = u"[120] Svenska\ncaption \"Innehåll\"\n1 \"Lektion 1\"\n"_s;
    const auto titles = Course::LessonTitles::parse(complete + half);
    QCOMPARE(titles.languages(), QList<int>{110});
    QCOMPARE(titles.forLanguage(110)->entries.at(37), u"Lesson 38 "_s);
    QVERIFY(!titles.forLanguage(120));
}

void TestCourse::builtInTablesHaveEveryLanguageAndKey()
{
    // A key that one language lacks would fall back to English, or to nothing, in that
    // language's windows: every table holds the same keys in all six blocks. Variants (a
    // key with a dot) and the one-language title belong to single languages.
    const auto shared = [](const QString &key) { return !key.contains(u'.') && key != u"installCyrillicTitle"; };
    for (const char *name : {"lessons", "lessoncontrols", "dictionary", "shell", "lessontitles", "charactersettings"}) {
        const Course::CaptionTable &table = Course::CaptionTable::builtIn(QString::fromLatin1(name));
        QCOMPARE(table.languages(), (QList<int>{110, 120, 130, 140, 150, 160}));
        QStringList english = table.keys(110);
        english.removeIf([&](const QString &key) { return !shared(key); });
        for (const int language : table.languages()) {
            QStringList own = table.keys(language);
            own.removeIf([&](const QString &key) { return !shared(key); });
            QVERIFY2(own == english,
                     qPrintable(u"%1: the keys of %2 differ from English"_s.arg(QLatin1String(name)).arg(language)));
            for (const QString &key : std::as_const(own))
                QVERIFY2(!table.text(language, key).isEmpty(),
                         qPrintable(u"%1: %2 %3 is empty"_s.arg(QLatin1String(name)).arg(language).arg(key)));
        }
    }
    QCOMPARE(Course::LessonTitles::builtIn().languages().size(), 6);
}

void TestCourse::phraseFromStoredRecord()
{
    QString stored;
    QVERIFY(Course::CodePage1251::encode(u"Я вас не понимаю."_s, &stored));
    const QHash<QString, QString> row = {
        {u"RussianText"_s, stored},   {u"RussianVoc"_s, stored},   {u"EnglishText"_s, u"I don't understand you."_s},
        {u"SvenskaText"_s, u"sv"_s},  {u"FinnishText"_s, u"fi"_s}, {u"DeutchText"_s, u"de"_s},
        {u"FranceText"_s, u"fr"_s},   {u"SpanishText"_s, u"es"_s}, {u"Picture1"_s, u"1f615.svg"_s},
        {u"Animat"_s, u"Confused"_s},
    };
    const QList<Course::Phrase> phrases =
        Course::readPhrases(8, 2, [&](int, const QString &column) { return row.value(column); });
    QCOMPARE(phrases.size(), 2);
    QCOMPARE(phrases[0].russian, u"Я вас не понимаю."_s);
    QCOMPARE(phrases[0].translation(110), u"I don't understand you."_s);
    QCOMPARE(phrases[0].translation(150), u"fr"_s);
    QVERIFY(phrases[0].translation(170).isEmpty());
    QVERIFY(phrases[0].isHeading());
    QCOMPARE(phrases[1].record, 2);
    QVERIFY(!phrases[1].isHeading());
    QCOMPARE(Course::DictionaryTable::searchColumn(130), u"Suomi"_s);
    QCOMPARE(Course::DictionaryTable::searchColumn(0), u"English"_s);
}

QTEST_GUILESS_MAIN(TestCourse)
#include "tst_course.moc"
