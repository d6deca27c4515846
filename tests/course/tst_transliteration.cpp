// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QDir>
#include <QFile>
#include <QTest>

#include "course/displayrussian.h"
#include "course/languages.h"
#include "course/learningchoices.h"
#include "course/transliteration.h"

using namespace Qt::StringLiterals;
using Course::LearningChoices;
using Course::Transliteration;

namespace {

Course::StressTable sampleTable()
{
    Course::StressTable table;
    table.read(u"word\tstress\n"
               u"спасибо\tспаси́бо\n"
               u"замок\tза́мок замо́к\n"
               u"по-русски\tпо-ру́сски\n"
               u"\n"
               u"place\ttext\tstress\n"
               u"lesson34\tЭто замок.\tза́мок\n"_s);
    return table;
}

} // namespace

class TestTransliteration : public QObject {
    Q_OBJECT

private slots:
    void writesEachConvention_data();
    void writesEachConvention();
    void stressedVowelIsBold_data();
    void stressedVowelIsBold();
    void everyTableIsCompleteAndNamesItsSource();
    void badRulesAreReported_data();
    void badRulesAreReported();
    void choicesFromStoredText_data();
    void choicesFromStoredText();
    void displayFollowsTheChoices();
};

void TestTransliteration::writesEachConvention_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("russian");
    QTest::addColumn<QString>("written");
    // ё after ъ and after ж, й at the end of a word and after a vowel, щ, ь, capitals and
    // punctuation, in one sentence per convention.
    const QString sentence = u"Объём щей. Жёлтый чай, день!"_s;
    QTest::newRow("English") << Course::Language::English << sentence << u"Obyom shchey. Zholtyy chay, den!"_s;
    QTest::newRow("Swedish") << Course::Language::Swedish << sentence << u"Objom sjtjej. Zjoltyj tjaj, den!"_s;
    QTest::newRow("Finnish") << Course::Language::Finnish << sentence << u"Objom štšei. Žolty tšai, den!"_s;
    QTest::newRow("German") << Course::Language::German << sentence << u"Objom schtschei. Scholty tschai, den!"_s;
    QTest::newRow("French") << Course::Language::French << sentence << u"Obiom chtcheï. Jolty tchaï, den!"_s;
    QTest::newRow("Spanish") << Course::Language::Spanish << sentence << u"Obyom schei. Zholti chai, den!"_s;
    // е and the iotated vowels after a sign, at the start and after a vowel.
    const QString iotated = u"Ель, объявление, Достоевский"_s;
    QTest::newRow("English iotated") << Course::Language::English << iotated << u"Yel, obyavleniye, Dostoyevskiy"_s;
    QTest::newRow("German iotated") << Course::Language::German << iotated << u"Jel, objawlenije, Dostojewski"_s;
    QTest::newRow("French iotated") << Course::Language::French << iotated << u"Iel, obiavlenie, Dostoïevski"_s;
    QTest::newRow("Spanish iotated") << Course::Language::Spanish << iotated << u"Yel, obyavleniye, Dostoyevski"_s;
    QTest::newRow("words in capitals") << Course::Language::English << u"ЩИ и Щи"_s << u"SHCHI i Shchi"_s;
    QTest::newRow("hyphen and Latin pass")
        << Course::Language::Swedish << u"по-русски, SIM-карта"_s << u"po-russki, SIM-karta"_s;
    QTest::newRow("outside the six") << 999 << u"щи"_s << u"shchi"_s;
}

void TestTransliteration::writesEachConvention()
{
    QFETCH(int, language);
    QFETCH(QString, russian);
    QFETCH(QString, written);
    QCOMPARE(Transliteration::forLanguage(language).toPlainText(russian), written);
}

void TestTransliteration::stressedVowelIsBold_data()
{
    QTest::addColumn<QString>("marked");
    QTest::addColumn<QString>("html");
    QTest::newRow("marked vowel") << u"Спаси́бо!"_s << u"Spas<b>i</b>bo!"_s;
    QTest::newRow("iotated vowel is one piece") << u"моя́"_s << u"mo<b>ya</b>"_s;
    QTest::newRow("ё in a longer word") << u"ёлка"_s << u"<b>yo</b>lka"_s;
    QTest::newRow("ё in one syllable") << u"ёж"_s << u"yozh"_s;
    QTest::newRow("capital marked") << u"О́зеро"_s << u"<b>O</b>zero"_s;
    QTest::newRow("text is escaped") << u"а́ва <b> & \"x\""_s << u"<b>a</b>va &lt;b&gt; &amp; &quot;x&quot;"_s;
}

void TestTransliteration::stressedVowelIsBold()
{
    QFETCH(QString, marked);
    QFETCH(QString, html);
    QCOMPARE(Transliteration::forLanguage(Course::Language::English).toHtml(marked), html);
}

void TestTransliteration::everyTableIsCompleteAndNamesItsSource()
{
    QStringList names;
    for (const int language : Course::Language::All) {
        const Transliteration &table = Transliteration::forLanguage(language);
        QVERIFY2(table.lettersWithoutForm().isEmpty(), qPrintable(table.lettersWithoutForm()));
        QVERIFY(table.source().size() > 20);
        names << table.name();
    }
    QCOMPARE(names.size(), QSet<QString>(names.cbegin(), names.cend()).size());
    const QDir folder(u":/course/transliteration"_s);
    QCOMPARE(folder.entryList(QDir::Files).size(), 6);
    for (const QString &file : folder.entryList(QDir::Files)) {
        QFile source(folder.filePath(file));
        QVERIFY(source.open(QIODevice::ReadOnly));
        QStringList problems;
        Transliteration::parse(QString::fromUtf8(source.readAll()), &problems);
        QVERIFY2(problems.isEmpty(), qPrintable(file + u": "_s + problems.join(u"; "_s)));
    }
}

void TestTransliteration::badRulesAreReported_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("problem");
    QTest::newRow("letter without form") << u"е start:ye"_s << u"line 1: the letter \"е\" has no form of its own"_s;
    QTest::newRow("unknown context") << u"а a after-moon:b"_s << u"line 1: unknown context \"after-moon\""_s;
    QTest::newRow("not Russian") << u"ab a"_s << u"line 1: \"ab\" is not one or two lower-case Russian letters"_s;
    QTest::newRow("twice") << u"а a\nа b"_s << u"line 2: \"а\" is given twice"_s;
    QTest::newRow("two forms") << u"а a b"_s << u"line 1: \"а\" has two forms"_s;
    QTest::newRow("source unquoted") << u"source BGN"_s << u"line 1: source needs a quoted text"_s;
}

void TestTransliteration::badRulesAreReported()
{
    QFETCH(QString, text);
    QFETCH(QString, problem);
    QStringList problems;
    Transliteration::parse(text, &problems);
    QCOMPARE(problems, QStringList{problem});
}

void TestTransliteration::choicesFromStoredText_data()
{
    QTest::addColumn<QString>("marks");
    QTest::addColumn<QString>("transliteration");
    QTest::addColumn<bool>("marksOn");
    QTest::addColumn<bool>("transliterationOn");
    QTest::newRow("never chosen") << QString() << QString() << true << false;
    QTest::newRow("both turned") << u"false"_s << u"true"_s << false << true;
    QTest::newRow("any case, digits") << u"FALSE"_s << u"1"_s << false << true;
    QTest::newRow("garbled keeps defaults") << u"yes please"_s << u"\u00ff\u0001"_s << true << false;
}

void TestTransliteration::choicesFromStoredText()
{
    QFETCH(QString, marks);
    QFETCH(QString, transliteration);
    QFETCH(bool, marksOn);
    QFETCH(bool, transliterationOn);
    const LearningChoices choices = LearningChoices::fromStored(marks, transliteration);
    QCOMPARE(choices.stressMarks, marksOn);
    QCOMPARE(choices.transliteration, transliterationOn);
    const LearningChoices again = LearningChoices::fromStored(LearningChoices::storedText(choices.stressMarks),
                                                              LearningChoices::storedText(choices.transliteration));
    QCOMPARE(again, choices);
}

void TestTransliteration::displayFollowsTheChoices()
{
    const Course::StressTable table = sampleTable();
    const Course::CourseRecord record{Course::lessonPlace(34), u"Это замок."_s};
    const LearningChoices defaults;
    QCOMPARE(Course::displayRussian(u"Это замок."_s, &table, defaults, record), u"Это за́мок."_s);
    QCOMPARE(Course::displayRussian(u"Это замок."_s, &table, defaults), u"Это замок."_s);
    QCOMPARE(Course::displayRussian(u"Спасибо!"_s, nullptr, defaults), u"Спасибо!"_s);
    QCOMPARE(Course::displayRussian(u"Спасибо!"_s, &table, {false, true}), u"Спасибо!"_s);
    QCOMPARE(Course::transliterationLine(u"Спасибо!"_s, &table, defaults, Course::Language::English), QString());
    // The bold comes from the table even while the marks are off.
    QCOMPARE(Course::transliterationLine(u"Это замок."_s, &table, {false, true}, Course::Language::German, record),
             u"Eto s<b>a</b>mok."_s);
    QCOMPARE(Course::transliterationLine(u"  "_s, &table, {true, true}, Course::Language::German), QString());
}

QTEST_GUILESS_MAIN(TestTransliteration)
#include "tst_transliteration.moc"
