// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

#include "course/answercheck.h"
#include "course/coursefiles.h"
#include "course/exercise.h"
#include "course/languages.h"
#include "course/lessonrules.h"
#include "platform/core/apppaths.h"
#include "platform/database/sqlcipherdatabaseengine.h"
#include "practice/coursereader.h"

using namespace Qt::StringLiterals;
using Course::Exercise;

// The practice items of the whole compiled course, and the choices made from them.
class TestCourseItems : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void everyLessonGivesItems();
    void choicesKeepTheirRulesInEveryLesson_data();
    void choicesKeepTheirRulesInEveryLesson();

private:
    QList<Course::PracticeItem> m_items;
};

void TestCourseItems::initTestCase()
{
    Platform::SqlCipherDatabaseEngine engine(Course::Files::kKeyRounds);
    m_items = Practice::readPracticeItems(engine, Platform::AppPaths(qEnvironmentVariable("VESKORA_APP_DIR")));
    QVERIFY(!m_items.isEmpty());
}

void TestCourseItems::everyLessonGivesItems()
{
    QHash<int, int> perLesson;
    for (const Course::PracticeItem &item : std::as_const(m_items)) {
        ++perLesson[item.key.lesson];
        QVERIFY(!Course::isHeadingRecord(item.key.lesson, item.key.record));
        QCOMPARE(item.isLetter, item.key.lesson == Course::kAlphabetLesson);
        QVERIFY(!item.spoken.isEmpty());
    }
    QCOMPARE(perLesson.size(), Course::kLessonCount);
    QCOMPARE(perLesson.value(Course::kAlphabetLesson), 33);
}

void TestCourseItems::choicesKeepTheirRulesInEveryLesson_data()
{
    QTest::addColumn<int>("language");
    for (const int language : Course::Language::All)
        QTest::newRow(qPrintable(QString::number(language))) << language;
}

void TestCourseItems::choicesKeepTheirRulesInEveryLesson()
{
    QFETCH(int, language);
    QRandomGenerator random{quint32(language)};
    const auto form = [](const Course::PracticeItem &item, const QString &text) {
        return item.isLetter ? text.trimmed() : Course::AnswerCheck::comparisonForm(text);
    };
    for (const Course::PracticeItem &item : std::as_const(m_items)) {
        const QList<Exercise> exercises = item.isLetter ? QList<Exercise>{Exercise::LetterSound}
                                                        : QList<Exercise>{Exercise::ListenChoose, Exercise::ReadChoose};
        for (const Exercise exercise : exercises) {
            const Course::Choices choices = Course::makeChoices(item, exercise, m_items, language, random);
            const QString where = u"lesson %1 record %2 %3"_s.arg(item.key.lesson)
                                      .arg(item.key.record)
                                      .arg(Course::exerciseName(exercise));
            // The course's lessons are long enough for four choices everywhere.
            QVERIFY2(choices.texts.size() == 4, qPrintable(where));
            QCOMPARE(choices.texts.at(choices.right), Course::choiceText(item, exercise, language));
            QSet<QString> shown;
            for (int i = 0; i < choices.texts.size(); ++i) {
                QVERIFY2(!shown.contains(form(item, choices.texts.at(i))),
                         qPrintable(where + u": twice "_s + choices.texts.at(i)));
                shown.insert(form(item, choices.texts.at(i)));
                if (i == choices.right)
                    continue;
                // A wrong choice is another item of the same lesson that is not right too.
                const bool fromLesson =
                    std::any_of(m_items.cbegin(), m_items.cend(), [&](const Course::PracticeItem &other) {
                        return other.key.lesson == item.key.lesson && other.key != item.key
                            && Course::choiceText(other, exercise, language) == choices.texts.at(i)
                            && form(item, other.russian) != form(item, item.russian)
                            && (item.isLetter
                                || form(item, Course::meaningFor(other, language))
                                    != form(item, Course::meaningFor(item, language)));
                    });
                QVERIFY2(fromLesson, qPrintable(where + u": "_s + choices.texts.at(i)));
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestCourseItems)
#include "tst_courseitems.moc"
