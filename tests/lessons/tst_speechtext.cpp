// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
// The rules behind speaking: the slider's rate table, reading a stored speed, decoding the
// stored Russian text and where the windows' captions differ.
#include <QTest>

#include "course/codepage1251.h"
#include "course/russiantext.h"
#include "lessons/lessoncaptions.h"
#include "lessons/speechtext.h"

using namespace Qt::StringLiterals;

class TestSpeechText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sliderRates_data();
    void sliderRates();
    void storedSpeedPlacesSlider_data();
    void storedSpeedPlacesSlider();
    void decodesLongTextInFull();
    void captionDifferences();
};

void TestSpeechText::sliderRates_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("rate");
    const QList<std::pair<int, QString>> rows = {
        {50, u"50"_s},   {69, u"50"_s},   {70, u"80"_s},   {75, u"80"_s},   {89, u"80"_s},   {90, u"100"_s},
        {109, u"100"_s}, {110, u"120"_s}, {129, u"120"_s}, {130, u"130"_s}, {139, u"130"_s}, {140, u"130"_s},
        {144, u"130"_s}, {145, u"150"_s}, {149, u"150"_s}, {150, u"150"_s}, {49, QString()}, {151, QString()},
    };
    for (const auto &[position, rate] : rows)
        QTest::addRow("%d", position) << position << rate;
}

void TestSpeechText::sliderRates()
{
    QFETCH(int, position);
    QFETCH(QString, rate);
    QCOMPARE(Lessons::rateForSliderPosition(position), rate);
}

void TestSpeechText::storedSpeedPlacesSlider_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("position");
    QTest::newRow("120") << u"120"_s << 120;
    QTest::newRow("50") << u"50"_s << 50;
    QTest::newRow("150") << u"150"_s << 150;
    QTest::newRow("blanks") << u" 80 "_s << 80;
    QTest::newRow("fraction rounds") << u"99.6"_s << 100;
    QTest::newRow("trailing letters") << u"80wpm"_s << 80;
    QTest::newRow("empty") << QString() << -1;
    QTest::newRow("letters") << u"fast"_s << -1;
    QTest::newRow("below") << u"49"_s << -1;
    QTest::newRow("above") << u"151"_s << -1;
}

void TestSpeechText::storedSpeedPlacesSlider()
{
    QFETCH(QString, stored);
    QFETCH(int, position);
    QCOMPARE(Lessons::sliderPositionForSpeed(stored).value_or(-1), position);
}

void TestSpeechText::decodesLongTextInFull()
{
    const QString sentence = u"Съешь же ещё этих мягких французских булок, да выпей чаю. "_s.repeated(4);
    QVERIFY(sentence.size() > 200);
    QString stored;
    QVERIFY(Course::CodePage1251::encode(sentence, &stored));
    QVERIFY(stored != sentence);
    QCOMPARE(Course::DecodeRussianText(stored), sentence);
    // Text that is shown decoded reads back the same.
    QCOMPARE(Course::DecodeRussianText(sentence), sentence);
    QCOMPARE(Course::DecodeRussianText(u"\u00CF\u00F0\u00E8\u00E2\u00E5\u00F2"_s), u"Привет"_s);
}

void TestSpeechText::captionDifferences()
{
    using Lessons::CaptionSet;
    QCOMPARE(Lessons::lessonCaptions(160, CaptionSet::Lesson)->end, u"Concluir la lección"_s);
    QCOMPARE(Lessons::lessonCaptions(160, CaptionSet::ThirdLesson)->end, u"Terminar lección"_s);
    QCOMPARE(Lessons::lessonCaptions(120, CaptionSet::Lesson)->nextLesson, u"Starta nästa lektion"_s);
    QCOMPARE(Lessons::lessonCaptions(120, CaptionSet::Alphabet)->nextLesson, u"Nästa lektion"_s);
    QCOMPARE(Lessons::lessonCaptions(130, CaptionSet::Alphabet)->nextLesson, u"Seuraava oppitunti"_s);
    QCOMPARE(Lessons::lessonCaptions(150, CaptionSet::Alphabet)->nextLesson, u"Ensuite leçon"_s);
    QVERIFY(!Lessons::lessonCaptions(0));
    QVERIFY(!Lessons::lessonCaptions(115));
    QCOMPARE(Lessons::translationColumn(140), u"DeutchText"_s);
    QCOMPARE(Lessons::translationColumn(100), QString());
}

QTEST_MAIN(TestSpeechText)
#include "tst_speechtext.moc"
