// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

#include "course/answercheck.h"
#include "course/languages.h"
#include "course/practicesession.h"
#include "course/progresssummary.h"

using namespace Qt::StringLiterals;
using Course::Exercise;
using Course::Fsrs::Grade;

namespace {

const QDate kToday(2026, 3, 10);

Course::PracticeItem phrase(int lesson, int record, const QString &russian, const QString &english)
{
    Course::PracticeItem item;
    item.key = {lesson, record};
    item.russian = russian;
    item.spoken = russian;
    item.meanings.fill(english);
    return item;
}

// Lesson 5 with ten phrases, lesson 6 with five; record numbers start at 2 (1 is a heading).
QList<Course::PracticeItem> twoLessons()
{
    QList<Course::PracticeItem> items;
    for (int i = 0; i < 10; ++i)
        items.append(phrase(5, i + 2, u"Фраза %1"_s.arg(i), u"Phrase %1"_s.arg(i)));
    for (int i = 0; i < 5; ++i)
        items.append(phrase(6, i + 2, u"Слово %1"_s.arg(i), u"Word %1"_s.arg(i)));
    return items;
}

Course::ItemMemory remembered(Course::ItemKey key, QDate due, double stability = 2)
{
    Course::ItemMemory memory;
    memory.key = key;
    memory.memory = {stability, 5};
    memory.due = due;
    memory.lastReview = due.addDays(-2);
    memory.firstReview = memory.lastReview;
    memory.reviews = 1;
    return memory;
}

QList<Course::ItemKey> keysOf(const QList<Course::SessionEntry> &entries)
{
    QList<Course::ItemKey> keys;
    for (const Course::SessionEntry &entry : entries)
        keys.append(entry.item.key);
    return keys;
}

Course::SessionEntry choiceEntry(int right)
{
    Course::SessionEntry entry;
    entry.item = phrase(5, 2, u"Да"_s, u"Yes"_s);
    entry.exercise = Exercise::ListenChoose;
    entry.choices = {{u"No"_s, u"Yes"_s, u"Hello"_s}, right};
    return entry;
}

} // namespace

class TestPracticeSession : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lessonSessionTakesDueThenNewThenSoonest();
    void dueSessionTakesOnlyDueItemsMostOverdueFirst();
    void newItemsAreSpreadThroughTheSession();
    void exercisesFitTheItem();
    void choicesNeverRepeatOrHideTheAnswer();
    void choiceWithoutDistractorsBecomesRecall();
    void sessionGradesObjectiveAnswers();
    void sessionTakesOneAnswerPerItem();
    void typedAndRecalledAnswers();
    void lessonProgressAndStreak();
};

void TestPracticeSession::lessonSessionTakesDueThenNewThenSoonest()
{
    const QList<Course::PracticeItem> items = twoLessons();
    QHash<Course::ItemKey, Course::ItemMemory> memory;
    // Two due (one more overdue), three learnt but not yet due, five new in lesson 5.
    memory.insert({5, 2}, remembered({5, 2}, kToday));
    memory.insert({5, 3}, remembered({5, 3}, kToday.addDays(-4)));
    memory.insert({5, 4}, remembered({5, 4}, kToday.addDays(9)));
    memory.insert({5, 5}, remembered({5, 5}, kToday.addDays(2)));
    memory.insert({5, 6}, remembered({5, 6}, kToday.addDays(5)));
    memory.insert({6, 2}, remembered({6, 2}, kToday.addDays(-1)));

    Course::SessionRequest request;
    request.lesson = 5;
    request.today = kToday;
    request.newAllowance = 3;
    QRandomGenerator random(7);
    const QList<Course::SessionEntry> entries = Course::planSession(items, memory, request, random);
    const QList<Course::ItemKey> keys = keysOf(entries);
    // Five learnt and three of the five new: the day's allowance holds back the other two.
    QCOMPARE(entries.size(), 8);
    QCOMPARE(QSet<Course::ItemKey>(keys.cbegin(), keys.cend()).size(), 8);
    for (const Course::ItemKey &key : keys)
        QCOMPARE(key.lesson, 5);
    int fresh = 0;
    for (const Course::SessionEntry &entry : entries)
        fresh += entry.isNew ? 1 : 0;
    QCOMPARE(fresh, 3);
    // Without new items, the learnt ones keep their order: overdue, due, then soonest due.
    QList<Course::ItemKey> reviewed;
    for (const Course::SessionEntry &entry : entries) {
        if (!entry.isNew)
            reviewed.append(entry.item.key);
    }
    const QList<Course::ItemKey> expected{{5, 3}, {5, 2}, {5, 5}, {5, 6}, {5, 4}};
    QCOMPARE(reviewed, expected);

    request.newAllowance = 0;
    request.size = 4;
    const QList<Course::SessionEntry> small = Course::planSession(items, memory, request, random);
    QCOMPARE(small.size(), 4);
    QVERIFY(std::none_of(small.cbegin(), small.cend(), [](const Course::SessionEntry &e) { return e.isNew; }));
}

void TestPracticeSession::dueSessionTakesOnlyDueItemsMostOverdueFirst()
{
    const QList<Course::PracticeItem> items = twoLessons();
    QHash<Course::ItemKey, Course::ItemMemory> memory;
    memory.insert({5, 2}, remembered({5, 2}, kToday));
    memory.insert({6, 3}, remembered({6, 3}, kToday.addDays(-10)));
    memory.insert({5, 4}, remembered({5, 4}, kToday.addDays(1)));
    Course::SessionRequest request;
    request.today = kToday;
    QRandomGenerator random(1);
    const QList<Course::ItemKey> keys = keysOf(Course::planSession(items, memory, request, random));
    QCOMPARE(keys, (QList<Course::ItemKey>{{6, 3}, {5, 2}}));
    QCOMPARE(Course::dueCount(memory, kToday), 2);
    QCOMPARE(Course::dueCount(memory, kToday.addDays(1)), 3);
}

void TestPracticeSession::newItemsAreSpreadThroughTheSession()
{
    const QList<Course::PracticeItem> items = twoLessons();
    QHash<Course::ItemKey, Course::ItemMemory> memory;
    for (int record = 2; record < 8; ++record)
        memory.insert({5, record}, remembered({5, record}, kToday));
    Course::SessionRequest request;
    request.lesson = 5;
    request.today = kToday;
    request.newAllowance = 4;
    QRandomGenerator random(3);
    const QList<Course::SessionEntry> entries = Course::planSession(items, memory, request, random);
    QCOMPARE(entries.size(), 10);
    QString pattern;
    for (const Course::SessionEntry &entry : entries)
        pattern += entry.isNew ? u'N' : u'd';
    // Four new among six due, never two new side by side, not all at one end.
    QCOMPARE(pattern.count(u'N'), 4);
    QVERIFY2(!pattern.contains(u"NN"_s), qPrintable(pattern));
    QVERIFY2(!pattern.startsWith(u"NNNN"_s) && !pattern.endsWith(u"NNNN"_s), qPrintable(pattern));
}

void TestPracticeSession::exercisesFitTheItem()
{
    QList<Course::PracticeItem> items = twoLessons();
    Course::PracticeItem letter = phrase(1, 2, u"Б б"_s, QString());
    letter.isLetter = true;
    letter.meanings.fill(QString());
    Course::PracticeItem otherLetter = letter;
    otherLetter.key.record = 3;
    otherLetter.russian = u"В в"_s;
    items << letter << otherLetter;
    const QString longPhrase = u"Скажите, пожалуйста, как пройти к ближайшей станции метро?"_s;
    items.append(phrase(5, 20, longPhrase, u"How do I get to the nearest metro station?"_s));

    QHash<Course::ItemKey, Course::ItemMemory> memory;
    memory.insert({5, 20}, remembered({5, 20}, kToday, 30));
    bool repeated = false;
    for (quint32 seed = 1; seed <= 40; ++seed) {
        QRandomGenerator random(seed);
        Course::SessionRequest request;
        request.today = kToday;
        request.newAllowance = 20;
        request.lesson = 1;
        for (const Course::SessionEntry &entry : Course::planSession(items, memory, request, random))
            QCOMPARE(entry.exercise, Exercise::LetterSound);
        request.lesson = 5;
        for (const Course::SessionEntry &entry : Course::planSession(items, memory, request, random)) {
            if (entry.isNew)
                QVERIFY(Course::isChoice(entry.exercise));
            if (entry.item.key.record == 20)
                QVERIFY(entry.exercise != Exercise::ListenType);
            // Listen and repeat only where the learner can record.
            QVERIFY(entry.exercise != Exercise::ListenRepeat);
        }
        // A learner who can record repeats phrases they have met, never new ones.
        request.speaking = true;
        for (const Course::SessionEntry &entry : Course::planSession(items, memory, request, random)) {
            if (entry.exercise == Exercise::ListenRepeat) {
                QVERIFY(!entry.isNew);
                repeated = true;
            }
        }
    }
    QVERIFY(repeated);
}

void TestPracticeSession::choicesNeverRepeatOrHideTheAnswer()
{
    // Swedish says "Hej!" for both greetings: neither may be a wrong choice for the other.
    // The repeated Russian text is right as well, whatever its translation says.
    QList<Course::PracticeItem> items{phrase(2, 2, u"Здравствуйте!"_s, u"Hello!"_s),
                                      phrase(2, 3, u"Привет!"_s, u"Hi!"_s),
                                      phrase(2, 4, u"Здравствуйте!"_s, u"Hello again!"_s),
                                      phrase(2, 5, u"Пока!"_s, u"Bye!"_s),
                                      phrase(2, 6, u"До свидания!"_s, u"Bye"_s),
                                      phrase(2, 7, u"Спасибо."_s, u"Thank you."_s),
                                      phrase(3, 2, u"Один"_s, u"One"_s)};
    items[0].meanings[1] = u"Hej!"_s;
    items[1].meanings[1] = u"Hej!"_s;
    for (quint32 seed = 1; seed <= 60; ++seed) {
        QRandomGenerator random(seed);
        for (const int language : {Course::Language::English, Course::Language::Swedish}) {
            const bool swedish = language == Course::Language::Swedish;
            for (const Exercise exercise : {Exercise::ListenChoose, Exercise::ReadChoose}) {
                const Course::Choices choices = Course::makeChoices(items[0], exercise, items, language, random);
                QVERIFY(choices.right >= 0 && choices.right < choices.texts.size());
                QCOMPARE(choices.texts.at(choices.right), Course::choiceText(items[0], exercise, language));
                QSet<QString> forms;
                for (const QString &text : choices.texts)
                    forms.insert(Course::AnswerCheck::comparisonForm(text));
                QCOMPARE(forms.size(), choices.texts.size());
                QStringList wrong = choices.texts;
                wrong.removeAt(choices.right);
                QVERIFY(!wrong.contains(u"Один"_s) && !wrong.contains(u"One"_s));
                if (exercise == Exercise::ListenChoose) {
                    QVERIFY(!wrong.contains(u"Hello again!"_s));
                    QCOMPARE(choices.texts.size(), swedish ? 3 : 4);
                } else {
                    QVERIFY(!swedish || !wrong.contains(u"Привет!"_s));
                    QCOMPARE(choices.texts.size(), 4);
                }
            }
        }
    }
}

void TestPracticeSession::choiceWithoutDistractorsBecomesRecall()
{
    const QList<Course::PracticeItem> items{phrase(9, 2, u"Дождь"_s, u"Rain"_s), phrase(10, 2, u"Снег"_s, u"Snow"_s)};
    Course::SessionRequest request;
    request.lesson = 9;
    request.today = kToday;
    QRandomGenerator random(5);
    const QList<Course::SessionEntry> entries = Course::planSession(items, {}, request, random);
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.first().exercise, Exercise::Recall);
    QVERIFY(entries.first().choices.texts.isEmpty());
}

void TestPracticeSession::sessionGradesObjectiveAnswers()
{
    Course::PracticeSession session({choiceEntry(1), choiceEntry(1), choiceEntry(1), choiceEntry(1)});
    QCOMPARE(session.choose(1, 2000)->grade, Grade::Good);
    QVERIFY(session.next());
    session.noteRepeat();
    QCOMPARE(session.choose(1, 2000)->grade, Grade::Hard);
    QVERIFY(session.next());
    QCOMPARE(session.choose(1, 60000)->grade, Grade::Hard);
    QVERIFY(session.next());
    const auto wrong = session.choose(0, 1000);
    QCOMPARE(wrong->grade, Grade::Again);
    QVERIFY(!wrong->right);
    QVERIFY(session.next());
    QVERIFY(session.finished());
    QCOMPARE(session.rightAnswers(), 3);
}

void TestPracticeSession::sessionTakesOneAnswerPerItem()
{
    Course::PracticeSession session({choiceEntry(0), choiceEntry(0)});
    QVERIFY(!session.next());
    QVERIFY(!session.choose(7, 100));
    QVERIFY(!session.type(u"Да"_s, 100));
    QVERIFY(!session.grade(Grade::Easy));
    QVERIFY(session.choose(0, 100));
    QVERIFY(!session.choose(1, 100));
    // A repeat after the answer does not lower the grade already given.
    session.noteRepeat();
    QCOMPARE(session.outcome()->grade, Grade::Good);
    QVERIFY(session.next());
    QCOMPARE(session.position(), 1);
}

void TestPracticeSession::typedAndRecalledAnswers()
{
    Course::SessionEntry typing;
    typing.item = phrase(5, 2, u"Всё хорошо!"_s, u"All is well!"_s);
    typing.exercise = Exercise::ListenType;
    Course::SessionEntry recall = typing;
    recall.exercise = Exercise::Recall;
    Course::SessionEntry repeat = typing;
    repeat.exercise = Exercise::ListenRepeat;
    Course::PracticeSession session({typing, typing, recall, recall, repeat});
    QCOMPARE(session.type(u"все хорошо"_s, 5000)->grade, Grade::Good);
    QVERIFY(session.next());
    QCOMPARE(session.type(u"все хорошa"_s, 5000)->grade, Grade::Again);
    QVERIFY(session.next());
    QVERIFY(!session.choose(0, 100));
    QCOMPARE(session.grade(Grade::Easy)->grade, Grade::Easy);
    QVERIFY(session.next());
    QVERIFY(!session.grade(Grade::Again)->right);
    QVERIFY(session.next());
    QVERIFY(!session.type(u"Всё хорошо!"_s, 100));
    QCOMPARE(session.grade(Grade::Hard)->grade, Grade::Hard);
    QCOMPARE(session.rightAnswers(), 3);
}

void TestPracticeSession::lessonProgressAndStreak()
{
    const QList<Course::PracticeItem> items = twoLessons();
    QHash<Course::ItemKey, Course::ItemMemory> memory;
    memory.insert({5, 2}, remembered({5, 2}, kToday, 2));
    memory.insert({5, 3}, remembered({5, 3}, kToday.addDays(30), 40));
    memory.insert({6, 2}, remembered({6, 2}, kToday.addDays(-3), 25));
    const QList<Course::LessonProgress> rows = Course::lessonProgress(items, memory, kToday);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].lesson, 5);
    QCOMPARE((QList<int>{rows[0].fresh, rows[0].learning, rows[0].known, rows[0].due}), (QList<int>{8, 1, 1, 1}));
    QCOMPARE((QList<int>{rows[1].fresh, rows[1].learning, rows[1].known, rows[1].due}), (QList<int>{4, 0, 1, 1}));

    const QList<QDate> days{kToday.addDays(-1), kToday.addDays(-2), kToday.addDays(-2), kToday.addDays(-4)};
    QCOMPARE(Course::currentStreak(days, kToday), 2);
    QCOMPARE(Course::currentStreak(days + QList<QDate>{kToday}, kToday), 3);
    QCOMPARE(Course::currentStreak(days, kToday.addDays(2)), 0);
    QCOMPARE(Course::currentStreak({}, kToday), 0);
}

QTEST_GUILESS_MAIN(TestPracticeSession)
#include "tst_practicesession.moc"
