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
    void everyTableIsCompleteAndNamesItsSource();
    void badRulesAreReported_data();
    void badRulesAreReported();
    void choicesFromStoredText_data();
    void choicesFromStoredText();
    void displayFollowsTheChoices_data();
    void displayFollowsTheChoices();
};

void TestTransliteration::writesEachConvention_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("html");
    QTest::addColumn<QString>("russian");
    QTest::addColumn<QString>("written");
    using namespace Course::Language;
    // ё after ъ and after ж, й at the end of a word and after a vowel, щ, ь, capitals and
    // punctuation, in one sentence per convention.
    const QString sentence = u"Объём щей. Жёлтый чай, день!"_s;
    QTest::newRow("English") << English << false << sentence << u"Obyom shchey. Zholtyy chay, den!"_s;
    QTest::newRow("Swedish") << Swedish << false << sentence << u"Objom sjtjej. Zjoltyj tjaj, den!"_s;
    QTest::newRow("Finnish") << Finnish << false << sentence << u"Objom štšei. Žolty tšai, den!"_s;
    QTest::newRow("German") << German << false << sentence << u"Objom schtschei. Scholty tschai, den!"_s;
    QTest::newRow("French") << French << false << sentence << u"Obiom chtcheï. Jolty tchaï, den!"_s;
    QTest::newRow("Spanish") << Spanish << false << sentence << u"Obyom schei. Zholti chai, den!"_s;
    // е and the iotated vowels after a sign, at the start and after a vowel.
    const QString iotated = u"Ель, объявление, Достоевский"_s;
    QTest::newRow("English iotated") << English << false << iotated << u"Yel, obyavleniye, Dostoyevskiy"_s;
    QTest::newRow("German iotated") << German << false << iotated << u"Jel, objawlenije, Dostojewski"_s;
    QTest::newRow("French iotated") << French << false << iotated << u"Iel, obiavlenie, Dostoïevski"_s;
    QTest::newRow("Spanish iotated") << Spanish << false << iotated << u"Yel, obyavleniye, Dostoyevski"_s;
    QTest::newRow("words in capitals") << English << false << u"ЩИ и Щи"_s << u"SHCHI i Shchi"_s;
    QTest::newRow("hyphen and Latin pass")
        << Swedish << false << u"по-русски, SIM-карта"_s << u"po-russki, SIM-karta"_s;
    QTest::newRow("outside the six") << 999 << false << u"щи"_s << u"shchi"_s;
    // The written form with the stressed vowel in bold.
    QTest::newRow("marked vowel") << English << true << u"Спаси́бо!"_s << u"Spas<b>i</b>bo!"_s;
    QTest::newRow("iotated vowel is one piece") << English << true << u"моя́"_s << u"mo<b>ya</b>"_s;
    QTest::newRow("ё in a longer word") << English << true << u"ёлка"_s << u"<b>yo</b>lka"_s;
    QTest::newRow("ё in one syllable") << English << true << u"ёж"_s << u"yozh"_s;
    QTest::newRow("capital marked") << English << true << u"О́зеро"_s << u"<b>O</b>zero"_s;
    QTest::newRow("text is escaped") << English << true << u"а́ва <b> & \"x\""_s
                                     << u"<b>a</b>va &lt;b&gt; &amp; &quot;x&quot;"_s;
}

void TestTransliteration::writesEachConvention()
{
    QFETCH(int, language);
    QFETCH(bool, html);
    QFETCH(QString, russian);
    QFETCH(QString, written);
    const Transliteration &convention = Transliteration::forLanguage(language);
    QCOMPARE(html ? convention.toHtml(russian) : convention.toPlainText(russian), written);
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

void TestTransliteration::displayFollowsTheChoices_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("withTable");
    QTest::addColumn<bool>("withRecord");
    QTest::addColumn<bool>("marks");
    QTest::addColumn<bool>("transliteration");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("line");
    using namespace Course::Language;
    // A word of two senses takes its stress from the record's own decision, and only there.
    QTest::newRow("record decides") << u"Это замок."_s << true << true << true << false << English << u"Это за́мок."_s
                                    << QString();
    QTest::newRow("no record, no guess") << u"Это замок."_s << true << false << true << false << English
                                         << u"Это замок."_s << QString();
    QTest::newRow("no table") << u"Спасибо!"_s << false << false << true << false << English << u"Спасибо!"_s
                              << QString();
    QTest::newRow("marks off") << u"Спасибо!"_s << true << false << false << false << English << u"Спасибо!"_s
                               << QString();
    QTest::newRow("marked and written") << u"Спасибо!"_s << true << false << true << true << English << u"Спаси́бо!"_s
                                        << u"Spas<b>i</b>bo!"_s;
    // The bold comes from the table even while the marks are off.
    QTest::newRow("written, marks off") << u"Это замок."_s << true << true << false << true << German << u"Это замок."_s
                                        << u"Eto s<b>a</b>mok."_s;
    QTest::newRow("blank") << u"  "_s << true << false << true << true << German << u"  "_s << QString();
}

void TestTransliteration::displayFollowsTheChoices()
{
    QFETCH(QString, text);
    QFETCH(bool, withTable);
    QFETCH(bool, withRecord);
    QFETCH(bool, marks);
    QFETCH(bool, transliteration);
    QFETCH(int, language);
    QFETCH(QString, shown);
    QFETCH(QString, line);
    const Course::StressTable table = sampleTable();
    const Course::StressTable *stress = withTable ? &table : nullptr;
    const LearningChoices choices{marks, transliteration};
    const Course::CourseRecord record =
        withRecord ? Course::CourseRecord{Course::lessonPlace(34), u"Это замок."_s} : Course::CourseRecord{};
    QCOMPARE(Course::displayRussian(text, stress, choices, record), shown);
    QCOMPARE(Course::transliterationLine(text, stress, choices, language, record), line);
}

QTEST_GUILESS_MAIN(TestTransliteration)
#include "tst_transliteration.moc"
