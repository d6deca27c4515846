// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
// How stresscheck reads the voices: espeak-ng's phoneme traces (captured from espeak-ng
// 1.51, voice "ru"), the words matched to the text, phonemes with a moved stress, and
// Festival's lexicon answers.
#include <QTest>

#include "espeakphonemes.h"
#include "festivalstress.h"
#include "stressagreement.h"
#include "stressderivation.h"

using namespace Qt::StringLiterals;
using namespace StressCheck;

class TestStressVoice : public QObject {
    Q_OBJECT

private slots:
    void traceWordsLeavePausesAndOtherLanguagesOut();
    void vowelsAndTheirStress();
    void wordsOfTheTextMatchTheTrace_data();
    void wordsOfTheTextMatchTheTrace();
    void movedStressReducesTheVowels_data();
    void movedStressReducesTheVowels();
    void festivalAnswersGiveStressedSyllables();
};

void TestStressVoice::traceWordsLeavePausesAndOtherLanguagesOut()
{
    QCOMPARE(traceWords(u"z;d;'es; jest; vag'on_@-r;istVr'An_\n"_s),
             (QStringList{u"z;d;'es;"_s, u"jest;"_s, u"vag'on"_s, u"@-r;istVr'An"_s}));
    QCOMPARE(traceWords(u"(en)w'aIf,aI(ru) jest;\n"_s), QStringList{u"jest;"_s});
    QCOMPARE(traceWords(u"spas;'ibV\n_:_fs;'8 b,ylV\n"_s), (QStringList{u"spas;'ibV"_s, u"fs;'8"_s, u"b,ylV"_s}));
}

void TestStressVoice::vowelsAndTheirStress()
{
    // "@-" is the voice's short link between consonants, "I^" only softens: no syllables.
    const QList<PhonemeVowel> vowels = phonemeVowels(u",ik@-*'AtkOjI"_s);
    QCOMPARE(vowels.size(), 4);
    QCOMPARE(vowels.at(0).phoneme, u"i"_s);
    QVERIFY(vowels.at(0).secondary && !vowels.at(0).stressed);
    QVERIFY(vowels.at(1).stressed);
    QCOMPARE(vowels.at(3).phoneme, u"I"_s);
    QVERIFY(phonemeVowels(u"t;I^"_s).isEmpty());
    QCOMPARE(phonemeVowels(u"Ind;'u\"k"_s).at(1).phoneme, u"u\""_s);
    QCOMPARE(phonemeVowels(u"'okna#"_s).at(1).phoneme, u"a#"_s);
}

void TestStressVoice::wordsOfTheTextMatchTheTrace_data()
{
    QTest::addColumn<QString>("marked");
    QTest::addColumn<QString>("trace");
    QTest::addColumn<QStringList>("heard");
    QTest::addColumn<bool>("agree");
    QTest::newRow("the question") << u"Где вы остано́витесь?"_s << u"gd;'e v'y Vstan'ov;it;is;\n"_s
                                  << QStringList{u"где́"_s, u"вы́"_s, u"остано́витесь"_s} << true;
    QTest::newRow("the command said as the question") << u"Останови́тесь здесь."_s << u"Vstan'ov;it;is; z;d;'es;\n"_s
                                                      << QStringList{u"остано́витесь"_s, u"зде́сь"_s} << false;
    QTest::newRow("hyphenated word as one phoneme word")
        << u"Вы говори́те по-ру́сски?"_s << u"v'y gVvVr;'it;i p'or'ussk;I\n"_s
        << QStringList{u"вы́"_s, u"говори́те"_s, u"по́-ру́сски"_s} << true;
    QTest::newRow("hyphenated word as two")
        << u"Здесь есть ваго́н-рестора́н?"_s << u"z;d;'es; jest; vag'on_@-r;istVr'An_\n"_s
        << QStringList{u"зде́сь"_s, u"есть"_s, u"ваго́н-рестора́н"_s} << true;
    QTest::newRow("unstressed part stressed")
        << u"Что́-нибудь ещё?"_s << u"Ston;ib'ut; jIS;'8\n"_s << QStringList{u"что-нибу́дь"_s, u"ещё́"_s} << false;
    QTest::newRow("letters by their names")
        << u"Б б — бана́н"_s << u"by b'E\nban'An_\n"_s << QStringList{u"б"_s, u"б"_s, u"бана́н"_s} << true;
    QTest::newRow("secondary stress in a sentence")
        << u"Я не могу́ дозвони́ться."_s << u"'ja n;e mVg,u dVzvVn;'it;s;V\n"_s
        << QStringList{u"я́"_s, u"не"_s, u"могу"_s, u"дозвони́ться"_s} << true;
    QTest::newRow("words that do not match")
        << u"Приве́т"_s << u"p@-r;iv;'et m'ir\n"_s << QStringList{QString()} << false;
}

void TestStressVoice::wordsOfTheTextMatchTheTrace()
{
    QFETCH(QString, marked);
    QFETCH(QString, trace);
    QFETCH(QStringList, heard);
    QFETCH(bool, agree);
    QStringList said;
    bool allAgree = true;
    for (const WordStress &word : compareStress(marked, trace)) {
        said << word.heard;
        allAgree = allAgree && word.agrees;
    }
    QCOMPARE(said, heard);
    QCOMPARE(allAgree, agree);
}

void TestStressVoice::movedStressReducesTheVowels_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("phonemes");
    QTest::addColumn<QString>("moved");
    QTest::newRow("the command") << u"останови́тесь"_s << u"Vstan'ov;it;is;"_s << u"VstVnVv;'it;is;"_s;
    QTest::newRow("castle") << u"за́мок"_s << u"zam'ok"_s << u"z'AmVk"_s;
    QTest::newRow("costs") << u"сто́ит"_s << u"stV'it"_s << u"st'oit"_s;
    QTest::newRow("of the waist") << u"по́яса"_s << u"pV'jasa#"_s << u"p'ojasa#"_s;
    QTest::newRow("final и") << u"носки́"_s << u"n'osk;i"_s << u"nVsk;'I"_s;
    QTest::newRow("е after a hushing consonant") << u"све́жее"_s << u"sv;iZ'ejI"_s << u"sv;'eZyjI"_s;
    QTest::newRow("unstressed part") << u"что́-нибудь"_s << u"Ston;ib'ut;"_s << u"St'on;ibut;"_s;
}

void TestStressVoice::movedStressReducesTheVowels()
{
    QFETCH(QString, form);
    QFETCH(QString, phonemes);
    QFETCH(QString, moved);
    QCOMPARE(phonemesWithStress(form, phonemes), std::optional(moved));
    // The voice said the word with another number of vowels: nothing to move.
    QCOMPARE(phonemesWithStress(form, u"b'E"_s), std::nullopt);
}

void TestStressVoice::festivalAnswersGiveStressedSyllables()
{
    int syllables = 0;
    QCOMPARE(parseLexiconEntry(u"(\"замок\" n (((z a) 1) ((m o k) 0)))"_s, &syllables), QList<int>{0});
    QCOMPARE(syllables, 2);
    QCOMPARE(parseLexiconEntry(u"(\"пошлина\" nil (((p o) 0) ((sh l i) 0) ((n a) 0)))"_s, &syllables), QList<int>{});
    QCOMPARE(syllables, 3);
}

QTEST_GUILESS_MAIN(TestStressVoice)
#include "tst_stressvoice.moc"
