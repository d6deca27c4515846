// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QTest>

#include "course/answercheck.h"
#include "course/phonetictyping.h"

using namespace Qt::StringLiterals;
using Course::AnswerCheck::Piece;

// The marked letters of a comparison side, written with [brackets] around each differing run.
static QString bracketed(const QList<Piece> &pieces)
{
    QString text;
    for (const Piece &piece : pieces)
        text += piece.differs ? u'[' + piece.text + u']' : piece.text;
    return text;
}

class TestAnswerCheck : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void forgivesWhatDoesNotMatter_data();
    void forgivesWhatDoesNotMatter();
    void marksDifferingLetters_data();
    void marksDifferingLetters();
    void veryLongAnswersAreMarkedWhole();
    void phoneticTyping_data();
    void phoneticTyping();
    void phoneticTypingAtTheCursor();
};

void TestAnswerCheck::forgivesWhatDoesNotMatter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("right");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("exact") << u"Доброе утро!"_s << u"Доброе утро!"_s << true;
    QTest::newRow("case and punctuation") << u"доброе утро"_s << u"Доброе утро!"_s << true;
    QTest::newRow("ё written as е") << u"Все хорошо"_s << u"Всё хорошо."_s << true;
    QTest::newRow("Ё capital written as Е") << u"Елка"_s << u"Ёлка"_s << true;
    QTest::newRow("extra blanks") << u"  доброе    утро  "_s << u"Доброе утро!"_s << true;
    QTest::newRow("missing words") << u"Да спасибо"_s << u"Да, спасибо — до свидания."_s << false;
    QTest::newRow("hyphen as a blank") << u"кто то"_s << u"Кто-то"_s << true;
    QTest::newRow("stress mark in the right answer") << u"молоко"_s << u"молоко\u0301"_s << true;
    QTest::newRow("one wrong letter") << u"Доброе утра"_s << u"Доброе утро!"_s << false;
    QTest::newRow("missing blank") << u"доброеутро"_s << u"Доброе утро!"_s << false;
    QTest::newRow("Latin look-alike letters") << u"Дoброе утро"_s << u"Доброе утро"_s << false;
    QTest::newRow("empty answer") << QString() << u"Да."_s << false;
    QTest::newRow("only punctuation") << u"?!"_s << u"Да."_s << false;
}

void TestAnswerCheck::forgivesWhatDoesNotMatter()
{
    QFETCH(QString, typed);
    QFETCH(QString, right);
    QFETCH(bool, accepted);
    QCOMPARE(Course::AnswerCheck::isRight(typed, right), accepted);
}

void TestAnswerCheck::marksDifferingLetters_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("typedMarked");
    QTest::addColumn<QString>("rightMarked");
    QTest::newRow("a wrong letter") << u"Доброе утра"_s << u"Доброе утро!"_s << u"Доброе утр[а]"_s
                                    << u"Доброе утр[о]!"_s;
    QTest::newRow("a missing letter") << u"Добое утро"_s << u"Доброе утро"_s << u"Добое утро"_s << u"Доб[р]ое утро"_s;
    QTest::newRow("an extra letter") << u"Дообрый"_s << u"Добрый"_s << u"Д[о]обрый"_s << u"Добрый"_s;
    QTest::newRow("forgiven differences unmarked")
        << u"все хорошо"_s << u"Всё хорошо!"_s << u"все хорошо"_s << u"Всё хорошо!"_s;
    QTest::newRow("a missing break between words")
        << u"доброеутро"_s << u"Доброе утро"_s << u"доброеутро"_s << u"Доброе[ ]утро"_s;
    QTest::newRow("nothing typed") << QString() << u"Да"_s << QString() << u"[Да]"_s;
}

void TestAnswerCheck::marksDifferingLetters()
{
    QFETCH(QString, typed);
    QFETCH(QString, right);
    QFETCH(QString, typedMarked);
    QFETCH(QString, rightMarked);
    const Course::AnswerCheck::Comparison comparison = Course::AnswerCheck::compare(typed, right);
    QCOMPARE(bracketed(comparison.typed), typedMarked);
    QCOMPARE(bracketed(comparison.right), rightMarked);
}

void TestAnswerCheck::veryLongAnswersAreMarkedWhole()
{
    const QString long1 = QString(2000, u'а');
    const Course::AnswerCheck::Comparison comparison = Course::AnswerCheck::compare(long1, u"да"_s);
    QCOMPARE(bracketed(comparison.typed), u'[' + long1 + u']');
    QCOMPARE(bracketed(comparison.right), u"[да]"_s);
}

void TestAnswerCheck::phoneticTyping_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::newRow("single letters") << u"privet"_s << u"привет"_s;
    QTest::newRow("j gives й") << u"zdravstvujte"_s << u"здравствуйте"_s;
    QTest::newRow("zh ch sh kh") << u"zhuk chaj shum khleb"_s << u"жук чай шум хлеб"_s;
    QTest::newRow("shch") << u"shchi"_s << u"щи"_s;
    QTest::newRow("ya yu yo") << u"yabloko yubka yolka"_s << u"яблоко юбка ёлка"_s;
    QTest::newRow("ja ju je") << u"jama jug jeto"_s << u"яма юг это"_s;
    QTest::newRow("ye stays ые") << u"novye"_s << u"новые"_s;
    QTest::newRow("jo stays йо") << u"rajon"_s << u"район"_s;
    QTest::newRow("soft and hard signs") << u"den' ob\"yavlenie ob''yom"_s << u"день объявление объём"_s;
    QTest::newRow("capitals keep their case") << u"Zhenya SHCHI Privet"_s << u"Женя ЩИ Привет"_s;
    QTest::newRow("x and w") << u"xleb wuka"_s << u"хлеб щука"_s;
    QTest::newRow("digits and punctuation stay") << u"da, 2!"_s << u"да, 2!"_s;
    QTest::newRow("Cyrillic keys stay, Latin ones turn") << u"добрo"_s << u"добро"_s;
}

void TestAnswerCheck::phoneticTyping()
{
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QCOMPARE(Course::PhoneticTyping::convert(keys), text);
}

void TestAnswerCheck::phoneticTypingAtTheCursor()
{
    using Course::PhoneticTyping::Edit;
    // h after с turns it into ш; after a blank it is х on its own.
    QCOMPARE(Course::PhoneticTyping::edit(u"с"_s, u'h'), std::optional(Edit{1, u"ш"_s}));
    QCOMPARE(Course::PhoneticTyping::edit(u"с "_s, u'h'), std::optional(Edit{0, u"х"_s}));
    QCOMPARE(Course::PhoneticTyping::edit(QString(), u'1'), std::nullopt);
}

QTEST_GUILESS_MAIN(TestAnswerCheck)
#include "tst_answercheck.moc"
