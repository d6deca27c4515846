// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
// The alphabet window over the compiled fixture course, and its hand-over to lesson 2.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include "lessons/lektion1.h"
#include "lessons/lektion2.h"
#include "lessontestbed.h"
#include "platform/database/datasource.h"

using namespace Qt::StringLiterals;
using Lessons::Lektion1;
using Lessons::Lektion2;

namespace {

QString alphabet(const QString &text)
{
    return u"\\spd=50\\\\map=\""_s + text + u"\"=\""_s + text + u"\"\\"_s;
}

QPushButton *button(const QWidget *window, const char *name)
{
    return LessonTestBed::control<QPushButton>(window, name);
}

} // namespace

class TestLektion1 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fixedControlNames();
    void loadGreetsAndSpeaksFirstLetter();
    void speaksAtFiftyWhateverTheSpeedSetting();
    void captions_data();
    void captions();
    void repeatPlaysGestureRight();
    void navigationEdges();
    void nextLessonHandsOverToLessonTwo();
    void endLessonWritesNothing();
    void missingRussianVoiceEndsProgram();
    void renderForReview();
};

void TestLektion1::fixedControlNames()
{
    LessonTestBed bed;
    Lektion1 *window = bed.open<Lektion1, Lektion2>(1);
    QCOMPARE(window->objectName(), u"Lektion1"_s);
    QCOMPARE(window->windowTitle(), u"Lektion1 Alphabets"_s);
    for (const char *name : {"txtTexten", "txtNative", "txtRuVoc", "txtAnimat", "txtPicture", "Picture1", "Image1",
                             "Label1", "cmdBack", "cmdRepeat", "cmdNext", "cmdLast", "cmdEnd", "cmdNextLesson"})
        QVERIFY2(window->findChild<QWidget *>(QLatin1String(name)), name);
    for (const char *absent : {"Slider1", "Command1", "txtInneholl", "lblChanceButton"})
        QVERIFY2(!window->findChild<QWidget *>(QLatin1String(absent)), absent);
    QVERIFY(window->findChild<Platform::DataSource *>(u"Data1"_s));
    for (const QWidget *child : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        QVERIFY2(!child->accessibleName().isEmpty(), qPrintable(child->objectName()));
}

void TestLektion1::loadGreetsAndSpeaksFirstLetter()
{
    LessonTestBed bed;
    bed.open<Lektion1, Lektion2>(1);
    const QStringList expected = {
        u"Load Genie Genie.acs"_s,
        u"LanguageID 1049"_s,
        u"TTSModeID {06377F81-D48E-11d1-B17B-0020AFED142E}"_s,
        u"BalloonStyle %1"_s.arg(0x04000000),
        u"BalloonStyle %1"_s.arg(0x04100000),
        u"BalloonFontSize 20"_s,
        u"BalloonFontCharSet 0"_s,
        u"BalloonFontName Lucida Unicode"_s,
        u"MoveTo 450 450"_s,
        u"Show"_s,
        u"Commands "_s,
        u"Commands Agent Settings"_s,
        u"Play Greet"_s,
        // The greeting says the first record's words, decoded; then the first record follows.
        u"Speak "_s + alphabet(u"а"_s),
        u"Play Greet"_s,
        u"Speak "_s + alphabet(u"А"_s),
    };
    QCOMPARE(bed.characters.requests, expected);
}

void TestLektion1::speaksAtFiftyWhateverTheSpeedSetting()
{
    LessonTestBed bed;
    bed.settings.preset(u"Speed"_s, u"120"_s);
    bed.state.speechRate = u"120"_s;
    Lektion1 *window = bed.open<Lektion1, Lektion2>(1);
    QTest::mouseClick(button(window, "cmdNext"), Qt::LeftButton);
    QCOMPARE(bed.characters.spoken().constLast(), alphabet(u"Б"_s));
    QCOMPARE(bed.characters.played().constLast(), u"Explain"_s);
    QCOMPARE(bed.settings.saves(), QStringList());
}

void TestLektion1::captions_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("nextLesson");
    QTest::addColumn<QString>("column");
    QTest::newRow("English") << 110 << u"Lesson 1"_s << u"Start next lesson"_s << u"EnglishText"_s;
    QTest::newRow("Finnish") << 130 << u"Oppitunti 1"_s << u"Seuraava oppitunti"_s << u"FinnishText"_s;
    QTest::newRow("Swedish") << 120 << u"Lektion 1"_s << u"Nästa lektion"_s << u"SvenskaText"_s;
    QTest::newRow("unknown") << 170 << QString() << u"Start next lesson"_s << QString();
}

void TestLektion1::captions()
{
    QFETCH(int, language);
    QFETCH(QString, label);
    QFETCH(QString, nextLesson);
    QFETCH(QString, column);
    LessonTestBed bed;
    bed.state.interfaceLanguage = language;
    bed.state.currentLesson = 7;
    Lektion1 *window = bed.open<Lektion1, Lektion2>(7);
    // The alphabet window always reads its own table, whatever lesson is current.
    QCOMPARE(window->dataSource().recordSource(), u"Lektion1"_s);
    QCOMPARE(LessonTestBed::control<QLabel>(window, "Label1")->text(), label);
    QCOMPARE(LessonTestBed::caption(button(window, "cmdNextLesson")), nextLesson);
    QCOMPARE(window->dataSource().boundField(LessonTestBed::control(window, "txtNative")), column);
}

void TestLektion1::repeatPlaysGestureRight()
{
    LessonTestBed bed;
    Lektion1 *window = bed.open<Lektion1, Lektion2>(1);
    bed.characters.clear();
    QTest::mouseClick(button(window, "cmdRepeat"), Qt::LeftButton);
    QCOMPARE(bed.characters.requests, (QStringList{u"Play GestureRight"_s, u"Speak "_s + alphabet(u"А"_s)}));
}

void TestLektion1::navigationEdges()
{
    LessonTestBed bed;
    Lektion1 *window = bed.open<Lektion1, Lektion2>(1);
    // A character that cannot stop listening never keeps the learner from moving.
    bed.characters.listenFails = true;
    bed.characters.clear();
    QTest::mouseClick(button(window, "cmdBack"), Qt::LeftButton);
    QCOMPARE(bed.characters.spoken(), QStringList());
    QTest::mouseClick(button(window, "cmdNext"), Qt::LeftButton);
    QCOMPARE(bed.characters.requests.mid(1),
             (QStringList{u"Listen 0"_s, u"Play Explain"_s, u"Speak "_s + alphabet(u"Б"_s)}));
    QVERIFY(!bed.launcher.exitRequested);
    QTest::mouseClick(button(window, "cmdLast"), Qt::LeftButton);
    QCOMPARE(bed.characters.spoken().constLast(), alphabet(u"Д"_s));
    QTest::mouseClick(button(window, "cmdNext"), Qt::LeftButton);
    QCOMPARE(bed.characters.spoken().size(), 2);
    QCOMPARE(LessonTestBed::control<QPlainTextEdit>(window, "txtTexten")->toPlainText(), u"Д"_s);
}

void TestLektion1::nextLessonHandsOverToLessonTwo()
{
    LessonTestBed bed;
    Lektion1 *window = bed.open<Lektion1, Lektion2>(1);
    bed.characters.clear();
    QTest::mouseClick(button(window, "cmdNextLesson"), Qt::LeftButton);
    QVERIFY(!window->holdsCharacter());
    QCOMPARE(bed.windows.size(), size_t(2));
    QWidget *next = bed.windows.back().get();
    QCOMPARE(next->objectName(), u"Lektion2"_s);
    QCOMPARE(bed.state.currentLesson, 2);
    QCOMPARE(bed.state.selectedLesson, u"2"_s);
    QCOMPARE(bed.settings.saves(), QStringList{u"Lesson=2"_s});
    QCOMPARE(bed.characters.spoken(), QStringList{u"\\spd=\\\\pit=74\\Встреча"_s});
}

void TestLektion1::endLessonWritesNothing()
{
    LessonTestBed bed;
    Lektion1 *window = bed.open<Lektion1, Lektion2>(1);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    std::optional<bool> openAtRequest;
    connect(window, &Lektion1::startDialogRequested, this, [&] { openAtRequest = window->isVisible(); });
    QTest::mouseClick(button(window, "cmdEnd"), Qt::LeftButton);
    QCOMPARE(openAtRequest, std::optional<bool>(false));
    QVERIFY(!window->holdsCharacter());
    QCOMPARE(bed.settings.saves(), QStringList());
}

void TestLektion1::missingRussianVoiceEndsProgram()
{
    LessonTestBed bed;
    bed.characters.noRussian = true;
    bed.state.interfaceLanguage = 150;
    Lektion1 *window = bed.open<Lektion1, Lektion2>(1);
    QCOMPARE(bed.messages.size(), 1);
    QVERIFY(bed.messages.first().startsWith(u"Install Cyrillic Support: Le programme exige"_s));
    QVERIFY(bed.launcher.exitRequested);
    QVERIFY(window->loadStopped());
    QCOMPARE(bed.characters.spoken(), QStringList());
    QCOMPARE(bed.characters.played(), QStringList());
}

void TestLektion1::renderForReview()
{
    const QString folder = qEnvironmentVariable("VESKORA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("VESKORA_SCREENSHOT_DIR not set");
    LessonTestBed bed;
    Lektion1 *window = bed.open<Lektion1, Lektion2>(1);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(window->grab().save(folder + u"/Lektion1.png"_s));
}

QTEST_MAIN(TestLektion1)
#include "tst_lektion1.moc"
