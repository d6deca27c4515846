// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStackedWidget>

#include "course/answercheck.h"
#include "course/learningchoices.h"
#include "course/recordingname.h"
#include "course/settingskeys.h"
#include "course/stressmarks.h"
#include "course/stresstable.h"
#include "fakesoundrecorder.h"
#include "platform/audio/recordingstore.h"
#include "practice/exercisepanels.h"
#include "practice/itemkinds.h"
#include "practice/itemview.h"
#include "practice/pitchpicture.h"
#include "practice/practicetexts.h"
#include "practice/practicewindow.h"
#include "practice/speakingpanel.h"
#include "practice/speakingservices.h"
#include "practicetestbed.h"

using namespace Qt::StringLiterals;
using Course::Exercise;

namespace {

// Types \a text into \a widget key by key, as a keyboard with that layout would.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QWidget *focused()
{
    return QApplication::focusWidget();
}

// Answers the current item with the keyboard alone, rightly or not.
void answerByKeyboard(Practice::PracticeWindow &window, bool right)
{
    const Course::SessionEntry &entry = window.session().current();
    switch (entry.exercise) {
    case Exercise::ListenChoose:
    case Exercise::ReadChoose:
    case Exercise::LetterSound: {
        const int choice = right ? entry.choices.right : (entry.choices.right + 1) % int(entry.choices.texts.size());
        QTest::keyClick(focused(), Qt::Key(Qt::Key_1 + choice));
        QTest::keyClick(focused(), Qt::Key_Return);
        break;
    }
    case Exercise::ListenType:
        typeText(focused(), right ? entry.item.russian : u"нет"_s);
        QTest::keyClick(focused(), Qt::Key_Return);
        QTest::keyClick(focused(), Qt::Key_Return);
        break;
    case Exercise::Recall:
    case Exercise::ListenRepeat:
        QTest::keyClick(focused(), Qt::Key_Space);
        QTest::keyClick(focused(), right ? Qt::Key_3 : Qt::Key_1);
        break;
    }
}

double stabilityOf(PracticeTestBed &bed, Course::ItemKey key)
{
    const auto states = bed.progress.itemStates();
    for (const Platform::ProgressItemState &state : *states) {
        if (state.lesson == key.lesson && state.record == key.record)
            return state.stability;
    }
    return -1;
}

} // namespace

class TestPracticeWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void controlsAreNamedForScreenReaders_data();
    void controlsAreNamedForScreenReaders();
    void twentyItemsWithTheKeyboardAlone_data();
    void twentyItemsWithTheKeyboardAlone();
    void genieSpeaksAtTheLearnersRate();
    void repeatOrSlownessMakesARightAnswerHard();
    void wrongChoiceShowsTheRightOne();
    void russianChoicesShowStressMarksAsChosen();
    void typedAnswerShowsTheDifferingLetters();
    void phoneticTypingTurnsLatinKeysIntoCyrillic();
    void answerThatCannotBeSavedEndsThePractice();
    void progressFileProblemsAreTold();
    void nothingToPractise();
    void everyExerciseHasAKindWithItsTexts();
    void learnersRecordThemselvesWhereTheyCan_data();
    void learnersRecordThemselvesWhereTheyCan();
};

void TestPracticeWindow::controlsAreNamedForScreenReaders_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("title");
    QTest::newRow("English") << int(Course::Language::English) << u"Practice"_s;
    QTest::newRow("Swedish") << int(Course::Language::Swedish) << u"Övning"_s;
    QTest::newRow("Finnish") << int(Course::Language::Finnish) << u"Harjoittelu"_s;
    QTest::newRow("German") << int(Course::Language::German) << u"Üben"_s;
    QTest::newRow("French") << int(Course::Language::French) << u"Entraînement"_s;
    QTest::newRow("Spanish") << int(Course::Language::Spanish) << u"Práctica"_s;
}

void TestPracticeWindow::controlsAreNamedForScreenReaders()
{
    QFETCH(int, language);
    QFETCH(QString, title);
    PracticeTestBed bed;
    bed.state.interfaceLanguage = language;
    Practice::PracticeWindow window(bed.services);
    QVERIFY(window.startLesson(5));
    QCOMPARE(window.objectName(), u"frmPractice"_s);
    QCOMPARE(window.windowTitle(), title);
    for (const char *name : {"cmdRepeat", "cmdNext", "cmdEnd", "cmdChoice1", "cmdChoice4", "txtAnswer", "chkPhonetic",
                             "cmdCheck", "cmdReveal", "cmdAgain", "cmdEasy", "lblTask", "lblPrompt", "Picture1",
                             "cmdKey_ж", "cmdKeySpace", "cmdKeyBackspace"})
        QVERIFY2(window.findChild<QWidget *>(QString::fromUtf8(name)), name);
    for (QWidget *control : window.findChildren<QWidget *>()) {
        const bool operable = qobject_cast<QAbstractButton *>(control) || qobject_cast<QLineEdit *>(control);
        if (operable && !control->isHidden())
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
    }
}

void TestPracticeWindow::twentyItemsWithTheKeyboardAlone_data()
{
    QTest::addColumn<int>("language");
    QTest::newRow("English") << int(Course::Language::English);
    QTest::newRow("German") << int(Course::Language::German);
}

void TestPracticeWindow::twentyItemsWithTheKeyboardAlone()
{
    QFETCH(int, language);
    PracticeTestBed bed;
    bed.state.interfaceLanguage = language;
    bed.makeEverythingDue();
    Practice::PracticeWindow window(bed.services);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(window.startDue());
    QCOMPARE(window.session().size(), Course::kSessionSize);
    QSet<Exercise> kinds;
    int answered = 0;
    while (!window.session().finished()) {
        kinds.insert(window.session().current().exercise);
        const int before = window.session().position();
        answerByKeyboard(window, answered % 4 != 3);
        ++answered;
        QCOMPARE(window.session().position(), before + 1);
        QCOMPARE(bed.answersToday(), answered);
    }
    QCOMPARE(answered, 20);
    QStringList names;
    for (const Exercise kind : std::as_const(kinds))
        names << Course::exerciseName(kind);
    QVERIFY2(kinds.size() == 5, qPrintable(names.join(u' ')));
    QCOMPARE(window.session().rightAnswers(), 15);
    QVERIFY(window.controls().lblTask->text().contains(u"15"_s));
    QVERIFY(bed.messages.isEmpty());
    // The five left over stay due; the answered ones, wrong ones too, come back tomorrow
    // at the earliest. Another window, as after a restart, finds the same five.
    QCOMPARE(*bed.progress.dueCount(bed.today()), 25 - 20);
    Practice::PracticeWindow again(bed.services);
    QVERIFY(again.startDue());
    QCOMPARE(again.session().size(), 25 - 20);
}

void TestPracticeWindow::genieSpeaksAtTheLearnersRate()
{
    PracticeTestBed bed;
    bed.settings.preset(Course::Settings::kSpeed, u"120"_s);
    Practice::PracticeWindow window(bed.services);
    QVERIFY(window.startLesson(1));
    const QString first = window.session().current().item.spoken;
    QCOMPARE(bed.characters.spoken().last(), u"\\spd=120\\\\pit=74\\"_s + first);
    QVERIFY(bed.characters.requests.contains(u"LanguageID 1049"_s));
    // A rate the learner chose in a lesson this run wins over the stored one.
    bed.state.speechRate = u"80"_s;
    window.controls().cmdRepeat->click();
    QCOMPARE(bed.characters.spoken().last(), u"\\spd=80\\\\pit=74\\"_s + first);
}

void TestPracticeWindow::repeatOrSlownessMakesARightAnswerHard()
{
    PracticeTestBed bed;
    Practice::PracticeWindow window(bed.services);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(window.startLesson(1));
    // Letters are new here: Good gives stability 3.173, Hard 1.18385.
    const Course::ItemKey first = window.session().current().item.key;
    QTest::keyClick(focused(), Qt::Key_Space);
    QCOMPARE(bed.characters.spoken().size(), 2);
    answerByKeyboard(window, true);
    QCOMPARE(stabilityOf(bed, first), 1.18385);

    const Course::ItemKey second = window.session().current().item.key;
    bed.now = bed.now.addSecs(40);
    answerByKeyboard(window, true);
    QCOMPARE(stabilityOf(bed, second), 1.18385);

    const Course::ItemKey third = window.session().current().item.key;
    answerByKeyboard(window, true);
    QCOMPARE(stabilityOf(bed, third), 3.173);
}

void TestPracticeWindow::wrongChoiceShowsTheRightOne()
{
    PracticeTestBed bed;
    Practice::PracticeWindow window(bed.services);
    QVERIFY(window.startLesson(5));
    const Course::SessionEntry entry = window.session().current();
    QVERIFY(Course::isChoice(entry.exercise));
    const int wrong = (entry.choices.right + 1) % int(entry.choices.texts.size());
    window.findChild<QPushButton *>(u"cmdChoice%1"_s.arg(wrong + 1))->click();
    auto *verdict = window.findChild<QLabel *>(u"lblVerdict"_s);
    QCOMPARE(verdict->text(), u"Not quite."_s);
    QVERIFY(window.findChild<QLabel *>(u"lblAnswer"_s)->text().contains(entry.item.russian));
    QCOMPARE(window.findChild<QLabel *>(u"lblMeaning"_s)->text(), entry.item.meaning(Course::Language::English));
    QVERIFY(window.controls().cmdNext->isEnabled());
    // A second click after the answer changes nothing.
    window.findChild<QPushButton *>(u"cmdChoice%1"_s.arg(entry.choices.right + 1))->click();
    QCOMPARE(bed.answersToday(), 1);
    QCOMPARE(stabilityOf(bed, entry.item.key), 0.40255);
}

void TestPracticeWindow::russianChoicesShowStressMarksAsChosen()
{
    PracticeTestBed bed;
    // A table that stresses every word of two syllables or more after its first vowel.
    const QString vowels = u"аеиоуыэюя"_s;
    QSet<QString> words;
    for (const Course::PracticeItem &item : Practice::readPracticeItems(bed.engine, bed.services.paths)) {
        for (const QString &word : item.russian.toLower().split(QRegularExpression(u"[^а-яё]+"_s))) {
            if (!word.contains(u'ё')
                && std::count_if(word.begin(), word.end(), [&](QChar c) { return vowels.contains(c); }) >= 2)
                words.insert(word);
        }
    }
    QString rows = u"word\tstress\tnote\n"_s;
    for (const QString &word : words) {
        const qsizetype vowel =
            std::find_if(word.begin(), word.end(), [&](QChar c) { return vowels.contains(c); }) - word.begin();
        rows += word + u'\t' + word.left(vowel + 1) + QChar(Course::kStressMark) + word.mid(vowel + 1) + u"\t\n"_s;
    }
    Course::StressTable table;
    table.read(rows);
    Course::LearningChoicesNotifier choices;
    bed.services.russian = {[&table] { return &table; }, &choices};

    bed.makeEverythingDue();
    Practice::PracticeWindow window(bed.services);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(window.startDue());
    // Marks on (the default), then off: each time the next item whose choices are phrases.
    for (const bool marks : {true, false}) {
        Course::LearningChoices chosen = choices.choices();
        chosen.stressMarks = marks;
        choices.setChoices(chosen);
        answerByKeyboard(window, true);
        while (!window.session().finished()
               && !(Course::choiceShowsRussian(window.session().current().exercise)
                    && !window.session().current().item.isLetter))
            answerByKeyboard(window, true);
        QVERIFY(!window.session().finished());
        bool marked = false;
        for (int i = 1; i <= int(window.session().current().choices.texts.size()); ++i) {
            auto *button = window.findChild<QPushButton *>(u"cmdChoice%1"_s.arg(i));
            marked = marked || button->text().contains(QChar(Course::kStressMark));
            QVERIFY2(!button->accessibleName().contains(QChar(Course::kStressMark)),
                     qPrintable(button->accessibleName()));
        }
        QCOMPARE(marked, marks);
    }
}

void TestPracticeWindow::typedAnswerShowsTheDifferingLetters()
{
    PracticeTestBed bed;
    bed.makeEverythingDue();
    Practice::PracticeWindow window(bed.services);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(window.startDue());
    int typingItems = 0;
    while (!window.session().finished()) {
        const Course::SessionEntry entry = window.session().current();
        if (entry.exercise != Exercise::ListenType) {
            answerByKeyboard(window, true);
            continue;
        }
        ++typingItems;
        // One letter wrong, the rest in lower case, ё as е and without punctuation.
        QString typed = Course::AnswerCheck::comparisonForm(entry.item.russian);
        typed[0] = typed[0] == u'ж' ? u'ш' : u'ж';
        typeText(focused(), typed);
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(window.findChild<QLabel *>(u"lblVerdict"_s)->text(), u"Not quite."_s);
        const QString yours = window.findChild<QLabel *>(u"lblYourAnswer"_s)->text();
        QVERIFY2(yours.contains(u">"_s + typed.left(1) + u"</span>"_s), qPrintable(yours));
        QCOMPARE(yours.count(u"background-color"_s), 1);
        QTest::keyClick(focused(), Qt::Key_Return);
    }
    QVERIFY(typingItems > 0);
}

void TestPracticeWindow::phoneticTypingTurnsLatinKeysIntoCyrillic()
{
    Practice::TypingPanel panel;
    panel.setLanguage(Course::Language::English);
    panel.show();
    QTest::keyClicks(panel.box(), u"Shchi i kasha"_s);
    QCOMPARE(panel.typed(), u"Щи и каша"_s);
    QTest::keyClick(panel.box(), Qt::Key_Backspace);
    QCOMPARE(panel.typed(), u"Щи и каш"_s);
    panel.findChild<QPushButton *>(u"cmdKey_ё"_s)->click();
    QCOMPARE(panel.typed(), u"Щи и кашё"_s);
    panel.findChild<QCheckBox *>(u"chkPhonetic"_s)->setChecked(false);
    QTest::keyClicks(panel.box(), u"zh"_s);
    QCOMPARE(panel.typed(), u"Щи и кашёzh"_s);
}

void TestPracticeWindow::answerThatCannotBeSavedEndsThePractice()
{
    PracticeTestBed bed;
    Practice::PracticeWindow window(bed.services);
    window.setMessagePresenter(bed.presenter());
    window.show();
    QVERIFY(window.startLesson(5));
    bed.progress.failRecording = true;
    const Course::SessionEntry entry = window.session().current();
    window.findChild<QPushButton *>(u"cmdChoice%1"_s.arg(entry.choices.right + 1))->click();
    QCOMPARE(bed.messages.size(), 1);
    QVERIFY2(bed.messages.first().contains(u"could not be saved"_s), qPrintable(bed.messages.first()));
    QVERIFY(!window.isVisible());
    QVERIFY(window.findChild<QLabel *>(u"lblVerdict"_s)->text().isEmpty());
}

void TestPracticeWindow::progressFileProblemsAreTold()
{
    PracticeTestBed bed;
    bed.state.interfaceLanguage = Course::Language::Swedish;
    bed.spoilProgressFile(QByteArray(3000, '\x7f'));
    Practice::PracticeWindow window(bed.services);
    window.setMessagePresenter(bed.presenter());
    QVERIFY(window.startLesson(5));
    QCOMPARE(bed.messages.size(), 1);
    QVERIFY2(bed.messages.first().startsWith(u"Övning: Dina övningsresultat kunde inte läsas."_s),
             qPrintable(bed.messages.first()));
    QVERIFY(bed.messages.first().contains(u"progress.sqlite.unreadable-"_s));
    QVERIFY(!window.session().finished());

    PracticeTestBed newer;
    newer.makeProgressFileNewer();
    Practice::PracticeWindow refused(newer.services);
    refused.setMessagePresenter(newer.presenter());
    QVERIFY(!refused.startDue());
    QCOMPARE(newer.messages.size(), 1);
    QVERIFY(newer.messages.first().contains(u"newer version"_s));
}

void TestPracticeWindow::nothingToPractise()
{
    PracticeTestBed bed;
    Practice::PracticeWindow window(bed.services);
    QVERIFY(window.startDue());
    QVERIFY(window.session().finished());
    QVERIFY(window.controls().lblTask->text().startsWith(u"There is nothing to practise"_s));
    QVERIFY(!window.controls().cmdNext->isEnabled());
    QVERIFY(window.controls().stack->isHidden());
}

void TestPracticeWindow::everyExerciseHasAKindWithItsTexts()
{
    // Every exercise has a stored name, so walking the names reaches a newly added one.
    QSet<Exercise> listed;
    for (const Practice::ItemKind &kind : Practice::itemKinds()) {
        QVERIFY2(!listed.contains(kind.exercise), kind.taskKey);
        listed.insert(kind.exercise);
        for (const char *key : {kind.taskKey, kind.hintKey})
            QVERIFY2(!Practice::practiceText(Course::Language::English, QLatin1String(key)).isEmpty(), key);
    }
    for (int value = 0; !Course::exerciseName(Exercise(value)).isEmpty(); ++value)
        QVERIFY2(listed.contains(Exercise(value)), qPrintable(Course::exerciseName(Exercise(value))));

    PracticeTestBed bed;
    Practice::PracticeWindow window(bed.services);
    const auto views = window.controls().stack->findChildren<Practice::ItemView *>(Qt::FindDirectChildrenOnly);
    QCOMPARE(views.size(), window.controls().stack->count());
}

void TestPracticeWindow::learnersRecordThemselvesWhereTheyCan_data()
{
    QTest::addColumn<bool>("hasInput");
    QTest::newRow("with a microphone") << true;
    QTest::newRow("without one") << false;
}

void TestPracticeWindow::learnersRecordThemselvesWhereTheyCan()
{
    QFETCH(bool, hasInput);
    PracticeTestBed bed;
    TestSupport::FakeSoundRecorder recorder;
    TestSupport::FakeSoundPlayer player;
    if (!hasInput)
        recorder.problem = Platform::SoundRecorder::InputProblem::NoDevice;
    recorder.nextTake = {QByteArray(16000, '\1'), 16000};
    Platform::RecordingStore recordings(bed.dir.filePath(u"recordings"_s));
    const Practice::SpeakingServices speaking{&recorder, &player, &recordings, {}, {}};
    bed.services.speaking = &speaking;
    bed.characters.speech.pcm = QByteArray(8000, '\2');
    bed.characters.speech.sampleRate = 16000;
    bed.makeEverythingDue();
    Practice::PracticeWindow window(bed.services);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(window.startDue());
    Practice::SpeakingPanel *panel = window.controls().speaking;
    QVERIFY(panel);
    QSet<Exercise> kinds;
    while (!window.session().finished()) {
        const Course::SessionEntry entry = window.session().current();
        kinds.insert(entry.exercise);
        const QString name = Course::recordingName(entry.item.key.lesson, entry.item.key.record);
        // Listen and repeat shows the panel at once; recall once revealed; nothing else.
        QCOMPARE(panel->isVisible(), entry.exercise == Exercise::ListenRepeat);
        if (entry.exercise == Exercise::Recall) {
            QTest::keyClick(focused(), Qt::Key_Space);
            QVERIFY(panel->isVisible());
        }
        if (panel->isVisible()) {
            QVERIFY(bed.characters.requests.last().startsWith(u"Synthesize "_s));
            QVERIFY(bed.characters.requests.last().endsWith(entry.item.spoken));
            // The genie's speech comes in the background; the phrase to repeat stays unread.
            QTRY_VERIFY(panel->findChild<QPushButton *>(u"cmdHearGenie"_s)->isEnabled());
            QCOMPARE(panel->picture()->syllablesShown(), entry.exercise == Exercise::Recall);
            // The window has grown to give the melodies the height they need.
            QTRY_VERIFY(panel->picture()->height() >= panel->picture()->sizeHint().height());
            QCOMPARE(panel->inputProblem().has_value(), !hasInput);
            // R held down records; letting go ends the take, which is kept and played after the genie.
            QTest::keyPress(&window, Qt::Key_R);
            QCOMPARE(recorder.isRecording(), hasInput);
            QTest::keyRelease(&window, Qt::Key_R);
            QVERIFY(!recorder.isRecording());
            QCOMPARE(recordings.load(name).has_value(), hasInput);
            if (hasInput)
                QCOMPARE(player.played.last().pcm, bed.characters.speech.pcm);
        }
        const int before = window.session().position();
        if (entry.exercise == Exercise::ListenRepeat) {
            // Revealing shows the phrase under the melody and keeps the take.
            QTest::keyClick(focused(), Qt::Key_Space);
            QVERIFY(panel->picture()->syllablesShown());
            QCOMPARE(panel->take().has_value(), hasInput);
        }
        answerByKeyboard(window, true);
        QCOMPARE(window.session().position(), before + 1);
    }
    QVERIFY(!panel->isVisible());
    QCOMPARE(kinds.contains(Exercise::ListenRepeat), hasInput);
    QVERIFY(kinds.contains(Exercise::Recall));
}

QTEST_MAIN(TestPracticeWindow)
#include "tst_practicewindow.moc"
