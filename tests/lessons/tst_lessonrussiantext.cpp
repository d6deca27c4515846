// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
// How the three lesson windows show their Russian text: stress marks, the transliteration
// line, the learner's choices taking effect at once, and what is spoken and read out.
#include <algorithm>

#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include "course/learningchoices.h"
#include "course/stresstable.h"
#include "lessons/lektion1.h"
#include "lessons/lektion2.h"
#include "lessons/lektion3.h"
#include "lessontestbed.h"
#include "platform/ui/markfont.h"

using namespace Qt::StringLiterals;
using Course::LearningChoices;

namespace {

// The fixture course with a stress table and the learner's choices; "мама" has a second,
// made-up sense so that a record of lesson 5 must decide it.
struct MarkedBed : LessonTestBed {
    MarkedBed()
    {
        stress.read(u"word\tstress\n"
                    u"встреча\tвстре́ча\n"
                    u"здравствуйте\tздра́вствуйте\n"
                    u"мама\tма́ма мама́\n"
                    u"моя\tмоя́\n"
                    u"сегодня\tсего́дня\n"
                    u"холодно\tхо́лодно\n"
                    u"хорошо\tхорошо́\n"
                    u"говорите\tговори́те\n"
                    u"по-русски\tпо-ру́сски\n"
                    u"\n"
                    u"place\ttext\tstress\n"
                    u"lesson05\tЭто моя мама.\tма́ма\n"_s);
        services.stress = &stress;
        services.learning = &learning;
    }

    QWidget *open(const QString &kind, int lesson)
    {
        if (kind == u"Lektion1")
            return LessonTestBed::open<Lessons::Lektion1, Lessons::Lektion2>(lesson);
        if (kind == u"Lektion3")
            return LessonTestBed::open<Lessons::Lektion3>(lesson);
        return LessonTestBed::open<Lessons::Lektion2>(lesson);
    }

    Course::StressTable stress;
    Course::LearningChoicesNotifier learning;
};

QPlainTextEdit *russianBox(const QWidget *window)
{
    return LessonTestBed::control<QPlainTextEdit>(window, "txtTexten");
}

void next(const QWidget *window)
{
    QTest::mouseClick(LessonTestBed::control<QPushButton>(window, "cmdNext"), Qt::LeftButton);
}

// True when \a control covers another control of its window that the learner can see.
bool coversAnother(const QWidget *control)
{
    const QWidget *window = control->parentWidget();
    const QList<QWidget *> others = window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    return std::any_of(others.cbegin(), others.cend(), [&](const QWidget *other) {
        return other != control && other->isVisibleTo(window) && other->geometry().intersects(control->geometry());
    });
}

QString speech(const QString &text)
{
    return u"\\spd=\\\\pit=74\\"_s + text;
}

} // namespace

class TestLessonRussianText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void marksAreShownButNeitherSpokenNorReadOut();
    void recordDecidesItsOwnStress();
    void choicesTakeEffectAtOnce_data();
    void choicesTakeEffectAtOnce();
    void longTransliterationFits();
};

void TestLessonRussianText::marksAreShownButNeitherSpokenNorReadOut()
{
    MarkedBed bed;
    QWidget *window = bed.open(u"Lektion2"_s, 2);
    QPlainTextEdit *box = russianBox(window);
    QCOMPARE(box->toPlainText(), u"Встре́ча"_s);
    QVERIFY(Platform::placesMarks(box->font()));
    QCOMPARE(bed.characters.spoken(), QStringList{speech(u"Встреча"_s)});

    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(box);
    QVERIFY(accessible && accessible->textInterface());
    QCOMPARE(accessible->text(QAccessible::Value), u"Встреча"_s);
    QCOMPARE(accessible->textInterface()->characterCount(), 7);
    QCOMPARE(accessible->textInterface()->text(4, 7), u"еча"_s);
    // The caret after the marked vowel is after its mark in the box.
    accessible->textInterface()->setCursorPosition(5);
    QCOMPARE(box->textCursor().position(), 6);
    QCOMPARE(accessible->textInterface()->cursorPosition(), 5);

    // A record with another text is spoken once, unmarked; the next record has the same
    // stored text and is neither spoken nor shown anew.
    bed.characters.clear();
    next(window);
    QCOMPARE(box->toPlainText(), u"Здра́вствуйте!"_s);
    next(window);
    QCOMPARE(box->toPlainText(), u"Здра́вствуйте!"_s);
    QCOMPARE(bed.characters.spoken(), QStringList{speech(u"Здравствуйте!"_s)});
    bed.characters.clear();
    QTest::mouseClick(LessonTestBed::control<QPushButton>(window, "cmdRepeat"), Qt::LeftButton);
    QCOMPARE(bed.characters.spoken(), QStringList{speech(u"Здравствуйте!"_s)});
}

void TestLessonRussianText::recordDecidesItsOwnStress()
{
    MarkedBed bed;
    QWidget *window = bed.open(u"Lektion2"_s, 5);
    next(window);
    QCOMPARE(russianBox(window)->toPlainText(), u"Это моя́ ма́ма."_s);
    // Lesson 5's decision is not another lesson's: the same kind of window on lesson 9
    // leaves words of two senses open.
    QCOMPARE(bed.stress.stressFor(u"мама"_s, {Course::lessonPlace(9), u"Это моя мама."_s}), QString());
}

void TestLessonRussianText::choicesTakeEffectAtOnce_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("lesson");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("marked");
    QTest::addColumn<QString>("line");
    QTest::newRow("alphabet") << u"Lektion1"_s << 1 << Course::Language::English << u"А"_s << u"A"_s;
    QTest::newRow("lessons 2-9, German") << u"Lektion2"_s << 38 << Course::Language::German << u"Повторение"_s
                                         << u"Powtorenije"_s;
    QTest::newRow("lessons 10-38, Swedish")
        << u"Lektion3"_s << 12 << Course::Language::Swedish << u"Пого́да"_s << u"Pog<b>o</b>da"_s;
}

void TestLessonRussianText::choicesTakeEffectAtOnce()
{
    QFETCH(QString, kind);
    QFETCH(int, lesson);
    QFETCH(int, language);
    QFETCH(QString, marked);
    QFETCH(QString, line);
    MarkedBed bed;
    bed.stress.read(u"word\tstress\nпогода\tпого́да\n"_s);
    bed.state.interfaceLanguage = language;
    QWidget *window = bed.open(kind, lesson);
    QPlainTextEdit *box = russianBox(window);
    auto *transliteration = LessonTestBed::control<QLabel>(window, "lblTransliteration");
    auto *below = LessonTestBed::control<QPlainTextEdit>(window, "txtNative");
    const QRect design = below->geometry();
    QCOMPARE(box->toPlainText(), marked);
    QVERIFY(transliteration->isHidden());

    bed.learning.setChoices({true, true});
    QCOMPARE(transliteration->text(), line);
    QVERIFY(!transliteration->isHidden());
    QCOMPARE(transliteration->accessibleDescription(), QString(line).remove(u"<b>"_s).remove(u"</b>"_s));
    QVERIFY(transliteration->geometry().top() > box->geometry().bottom());
    QVERIFY(below->geometry().top() > transliteration->geometry().bottom());
    QVERIFY(!coversAnother(transliteration));
    QVERIFY(!coversAnother(below));

    bed.learning.setChoices({false, false});
    QCOMPARE(box->toPlainText(), QString(marked).remove(QChar(0x0301)));
    QVERIFY(transliteration->isHidden());
    QCOMPARE(below->geometry(), design);
}

void TestLessonRussianText::longTransliterationFits()
{
    MarkedBed bed;
    bed.state.interfaceLanguage = Course::Language::German;
    QWidget *window = bed.open(u"Lektion3"_s, 12);
    QPlainTextEdit *box = russianBox(window);
    auto *transliteration = LessonTestBed::control<QLabel>(window, "lblTransliteration");
    auto *below = LessonTestBed::control<QPlainTextEdit>(window, "txtNative");
    // The longest kind of record: a telephone number read out, several lines written out.
    box->setPlainText(u"Мой номер: восемь, девятьсот шестнадцать, сто двадцать три, сорок пять, "
                      u"шестьдесят семь, восемьдесят девять, девяносто девять."_s);
    bed.learning.setChoices({true, true});
    QVERIFY(transliteration->text().startsWith(u"Moi nomer"_s));
    QVERIFY(transliteration->height() >= transliteration->heightForWidth(transliteration->width()));
    QVERIFY(below->geometry().top() > transliteration->geometry().bottom());
    QVERIFY(below->height() >= below->fontMetrics().lineSpacing());
    QVERIFY(!coversAnother(transliteration));
    QVERIFY(!coversAnother(below));
}

QTEST_MAIN(TestLessonRussianText)
#include "tst_lessonrussiantext.moc"
