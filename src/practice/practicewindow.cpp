// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "practice/practicewindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "course/languages.h"
#include "course/programstate.h"
#include "platform/progress/progressstore.h"
#include "platform/ui/twips.h"
#include "practice/answerview.h"
#include "practice/itemkinds.h"
#include "practice/itemview.h"
#include "practice/practicelook.h"
#include "practice/practicespeaker.h"
#include "practice/practicetexts.h"
#include "practice/progressaccess.h"
#include "practice/speakingitem.h"
#include "practice/speakingpanel.h"

namespace Practice {

namespace {

const QColor kHintColour(96, 96, 96);

void showMessageBox(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

PracticeWindow::PracticeWindow(PracticeServices &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_presenter(&showMessageBox)
    , m_random(services.seed ? services.seed : QRandomGenerator::global()->generate())
{
    setObjectName(QStringLiteral("frmPractice"));
    const int language = m_services.state->language();
    m_language = Course::Language::isInterfaceLanguage(language) ? language : Course::Language::English;
    Platform::Twips::setColours(this, Qt::black, Qt::white);
    setAutoFillBackground(true);
    m_speaker = new PracticeSpeaker(m_services.characters, *m_services.state, m_services.settings, this);
    buildControls();
    applyLanguage();
    installKeys();
    Platform::Twips::resizeClient(this, kWindowWidth, kWindowHeight);
}

PracticeWindow::~PracticeWindow() = default;

QString PracticeWindow::text(const char *key) const
{
    return practiceText(m_language, QLatin1String(key));
}

void PracticeWindow::setMessagePresenter(MessagePresenter presenter)
{
    m_presenter = std::move(presenter);
}

void PracticeWindow::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    const int margin = Platform::Twips::toPixels(180, this);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(Platform::Twips::toPixels(60, this));

    auto *top = new QHBoxLayout;
    m_ui.lblPosition = addLabel(this, QStringLiteral("lblPosition"), kCaptionColour, captionFont(10));
    m_ui.lblLesson = addLabel(this, QStringLiteral("lblLesson"), kCaptionColour, captionFont(10));
    m_ui.lblLesson->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    top->addWidget(m_ui.lblPosition, 1);
    top->addWidget(m_ui.lblLesson, 1);
    layout->addLayout(top);

    m_ui.lblTask = addLabel(this, QStringLiteral("lblTask"), Qt::black, captionFont(11));
    QFont bold = m_ui.lblTask->font();
    bold.setBold(true);
    m_ui.lblTask->setFont(bold);
    layout->addWidget(m_ui.lblTask);
    m_ui.lblPrompt = addLabel(this, QStringLiteral("lblPrompt"), kMeaningColour, captionFont(14));
    m_ui.lblPrompt->setMinimumHeight(Platform::Twips::toPixels(420, this));
    layout->addWidget(m_ui.lblPrompt);

    m_ui.stack = new QStackedWidget(this);
    m_ui.stack->setObjectName(QStringLiteral("stkExercise"));
    m_views = std::make_unique<ItemViews>(*m_ui.stack);
    for (ItemView *view : m_views->all()) {
        view->setRussianDisplay(&m_services.russian);
        connect(view, &ItemView::chosen, this, &PracticeWindow::choose);
        connect(view, &ItemView::typedAnswer, this, &PracticeWindow::check);
        connect(view, &ItemView::revealRequested, this, &PracticeWindow::reveal);
        connect(view, &ItemView::graded, this, &PracticeWindow::grade);
    }
    layout->addWidget(m_ui.stack);
    if (m_services.speaking) {
        m_ui.speaking = new SpeakingPanel(*m_services.speaking, this);
        m_ui.speaking->hide();
        m_ui.speaking->watchRecordKey(this);
        layout->addWidget(m_ui.speaking, 2);
    }

    m_ui.answer = new AnswerView(this);
    m_ui.answer->setRussianDisplay(&m_services.russian);
    layout->addWidget(m_ui.answer, 1);
    m_ui.lblHint = addLabel(this, QStringLiteral("lblHint"), kHintColour, captionFont(9));
    layout->addWidget(m_ui.lblHint);

    auto *bottom = new QHBoxLayout;
    m_ui.cmdRepeat = addButton(this, QStringLiteral("cmdRepeat"), QString(), kRepeatColour);
    m_ui.cmdNext = addButton(this, QStringLiteral("cmdNext"), QString(), kNextColour);
    m_ui.cmdEnd = addButton(this, QStringLiteral("cmdEnd"), QString(), Qt::white);
    for (QPushButton *button : {m_ui.cmdRepeat, m_ui.cmdNext, m_ui.cmdEnd})
        button->setMinimumSize(Platform::Twips::toPixels(1335, this), Platform::Twips::toPixels(420, this));
    bottom->addWidget(m_ui.cmdRepeat);
    bottom->addWidget(m_ui.cmdNext);
    bottom->addStretch(1);
    bottom->addWidget(m_ui.cmdEnd);
    layout->addLayout(bottom);
    connect(m_ui.cmdRepeat, &QPushButton::clicked, this, &PracticeWindow::sayAgain);
    connect(m_ui.cmdNext, &QPushButton::clicked, this, &PracticeWindow::nextItem);
    connect(m_ui.cmdEnd, &QPushButton::clicked, this, &PracticeWindow::close);
}

void PracticeWindow::applyLanguage()
{
    setWindowTitle(text("title"));
    setAccessibleName(windowTitle());
    setCaption(m_ui.cmdRepeat, text("repeat"));
    setCaption(m_ui.cmdNext, text("next"));
    setCaption(m_ui.cmdEnd, text("end"));
    m_ui.lblPrompt->setAccessibleDescription(text("prompt"));
    for (ItemView *view : m_views->all())
        view->setLanguage(m_language);
    if (m_ui.speaking)
        m_ui.speaking->setLanguage(m_language);
    if (auto *picture = m_ui.answer->findChild<QLabel *>(QStringLiteral("Picture1")))
        picture->setAccessibleName(text("picture"));
}

void PracticeWindow::installKeys()
{
    // Shortcuts rather than key events: the focused button would otherwise take Space and
    // Enter for itself. The answer box keeps Space and digits, which it types.
    const auto add = [this](const QKeySequence &keys, auto handler) {
        auto *shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, handler);
    };
    for (int number = 1; number <= 4; ++number) {
        const auto press = [this, number] { pressNumber(number); };
        add(QKeySequence(Qt::Key_0 + number), press);
        add(QKeySequence(Qt::KeypadModifier | (Qt::Key_0 + number)), press);
    }
    add(QKeySequence(Qt::Key_Space), [this] {
        if (m_session.finished())
            return;
        if (m_session.answered() || !currentView().pressSpace())
            sayAgain();
    });
    add(QKeySequence(Qt::Key_Return), [this] { goOn(); });
    add(QKeySequence(Qt::KeypadModifier | Qt::Key_Enter), [this] { goOn(); });
}

bool PracticeWindow::startLesson(int lesson)
{
    Course::SessionRequest request;
    request.lesson = lesson;
    m_ui.lblLesson->setText(text("lesson").arg(lesson));
    return start(request);
}

bool PracticeWindow::startDue()
{
    return start(Course::SessionRequest{});
}

bool PracticeWindow::start(const Course::SessionRequest &base)
{
    Platform::ProgressStore &store = *m_services.progress;
    if (!openProgress(store, ProgressUse::Record, m_language, m_presenter, this))
        return false;
    std::optional<QHash<Course::ItemKey, Course::ItemMemory>> memory = readMemory(store);
    if (!memory) {
        m_presenter(this, text("title"), text("progressFailed").arg(store.path()));
        return false;
    }
    m_memory = std::move(*memory);

    Course::SessionRequest request = base;
    request.today = m_services.today();
    request.language = m_language;
    request.speaking = m_ui.speaking && m_ui.speaking->canRecord();
    const Platform::Result<int> metToday = store.firstAnsweredOn(request.today);
    request.newAllowance = std::max(0, m_services.newItemsPerDay - (metToday ? *metToday : 0));
    m_session = Course::PracticeSession(Course::planSession(m_services.items(), m_memory, request, m_random));

    m_speaker->start();
    if (m_session.finished())
        showFinished(text("nothing"));
    else
        showEntry();
    return true;
}

void PracticeWindow::showEntry()
{
    const Course::SessionEntry &entry = m_session.current();
    const ItemKind &kind = itemKind(entry.exercise);
    m_ui.lblPosition->setText(text("position").arg(m_session.position() + 1).arg(m_session.size()));
    m_ui.lblLesson->setText(text("lesson").arg(entry.item.key.lesson));
    m_ui.lblTask->setText(text(kind.taskKey));
    m_ui.lblHint->setText(text(kind.hintKey));
    m_ui.answer->clear();

    const bool spoken = Course::startsSpoken(entry.exercise);
    m_ui.lblPrompt->setText(spoken ? text("listening") : Course::meaningFor(entry.item, m_language));
    Platform::Twips::setColours(m_ui.lblPrompt, spoken ? kHintColour : kMeaningColour, Qt::white);
    m_ui.lblPrompt->setAccessibleName(m_ui.lblPrompt->text());

    ItemView &view = currentView();
    QWidget *focus = view.present(entry, m_language);
    m_ui.stack->setCurrentWidget(&view);
    m_ui.stack->show();
    m_ui.cmdNext->setEnabled(false);
    // Before the answer the genie may repeat only what it has said already.
    m_ui.cmdRepeat->setEnabled(spoken);
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
    m_shownAt = m_services.now();
    if (spoken)
        m_speaker->say(entry.item.spoken);
    // Listen and repeat: the learner says what they heard, so the phrase is not shown yet.
    if (entry.exercise == Course::Exercise::ListenRepeat)
        presentSpeaking(m_ui.speaking, *m_speaker, &entry.item, false);
    else
        presentSpeaking(m_ui.speaking, *m_speaker, nullptr);
}

ItemView &PracticeWindow::currentView() const
{
    return m_views->viewFor(m_session.current().exercise);
}

void PracticeWindow::showFinished(const QString &message)
{
    presentSpeaking(m_ui.speaking, *m_speaker, nullptr);
    m_ui.lblTask->setText(message);
    m_ui.lblPrompt->clear();
    m_ui.lblPrompt->setAccessibleName(QString());
    m_ui.lblPosition->clear();
    m_ui.stack->hide();
    m_ui.answer->clear();
    m_ui.lblHint->clear();
    m_ui.cmdNext->setEnabled(false);
    m_ui.cmdRepeat->setEnabled(false);
    m_ui.cmdEnd->setFocus(Qt::OtherFocusReason);
}

void PracticeWindow::sayAgain()
{
    if (m_session.finished())
        return;
    const Course::SessionEntry &entry = m_session.current();
    const bool revealed = m_session.answered() || currentView().answerInView();
    if (!revealed && !Course::startsSpoken(entry.exercise))
        return;
    if (!m_session.answered())
        m_session.noteRepeat();
    m_speaker->say(entry.item.spoken);
}

void PracticeWindow::pressNumber(int number)
{
    if (m_session.finished() || m_session.answered())
        return;
    currentView().pressNumber(number);
}

void PracticeWindow::goOn()
{
    // Enter presses the focused button, as a keyboard learner expects; elsewhere it goes on.
    auto *focused = qobject_cast<QPushButton *>(QApplication::focusWidget());
    if (focused && isAncestorOf(focused) && focused->isVisible() && focused->isEnabled()) {
        focused->click();
        return;
    }
    if (m_session.finished())
        return;
    if (m_session.answered())
        nextItem();
    else
        currentView().pressEnter();
}

void PracticeWindow::choose(int index)
{
    const qint64 answerMs = m_shownAt.msecsTo(m_services.now());
    if (const auto outcome = m_session.choose(index, answerMs))
        settle(*outcome, index, QString());
}

void PracticeWindow::check(const QString &typed)
{
    if (m_session.finished())
        return;
    if (m_session.answered()) {
        nextItem();
        return;
    }
    // An empty box is most likely an Enter pressed twice; it is not taken as an answer.
    if (typed.trimmed().isEmpty())
        return;
    const qint64 answerMs = m_shownAt.msecsTo(m_services.now());
    if (const auto outcome = m_session.type(typed, answerMs))
        settle(*outcome, -1, typed);
}

void PracticeWindow::reveal()
{
    if (m_session.finished() || m_session.answered() || currentView().answerInView())
        return;
    const Course::SessionEntry &entry = m_session.current();
    QWidget *focus = currentView().revealAnswer();
    m_ui.answer->showAnswer(entry, std::nullopt, QString(), m_language, m_services.paths);
    m_ui.cmdRepeat->setEnabled(true);
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
    m_speaker->play(entry.item.animation);
    m_speaker->say(entry.item.spoken);
    if (entry.exercise == Course::Exercise::Recall)
        presentSpeaking(m_ui.speaking, *m_speaker, &entry.item);
    else if (entry.exercise == Course::Exercise::ListenRepeat && m_ui.speaking)
        m_ui.speaking->showPhraseText();
}

void PracticeWindow::grade(Course::Fsrs::Grade grade)
{
    if (m_session.finished() || !currentView().answerInView())
        return;
    if (const auto outcome = m_session.grade(grade))
        settle(*outcome, -1, QString());
}

void PracticeWindow::settle(const Course::AnswerOutcome &outcome, int chosen, const QString &typed)
{
    const Course::SessionEntry &entry = m_session.current();
    const QDateTime now = m_services.now();
    const QDate today = now.toLocalTime().date();
    const auto known = m_memory.constFind(entry.item.key);
    const std::optional<Course::ItemMemory> before =
        known == m_memory.constEnd() ? std::nullopt : std::optional<Course::ItemMemory>(*known);
    const Course::ItemMemory after = Course::afterAnswer(before, entry.item.key, outcome.grade, today);
    // The answer is on the disk before the learner sees anything of it.
    const Platform::Status recorded =
        recordAnswer(*m_services.progress, entry, outcome, after, now, m_shownAt.msecsTo(now));
    if (recorded.failed()) {
        m_presenter(this, text("title"), text("notSaved").arg(recorded.error().detail));
        close();
        return;
    }
    m_memory.insert(entry.item.key, after);
    Q_EMIT answerRecorded();

    ItemView &view = currentView();
    if (view.goesOnAtOnce()) {
        nextItem();
        return;
    }
    view.showAnswered(entry, chosen);
    m_ui.answer->showAnswer(entry, outcome, typed, m_language, m_services.paths);
    m_ui.cmdRepeat->setEnabled(true);
    m_ui.cmdNext->setEnabled(true);
    m_ui.cmdNext->setFocus(Qt::OtherFocusReason);
    m_ui.lblHint->setText(text("hintNext"));
    m_speaker->play(entry.item.animation);
    if (itemKind(entry.exercise).saysAfterAnswer)
        m_speaker->say(entry.item.spoken);
}

void PracticeWindow::nextItem()
{
    if (!m_session.next())
        return;
    if (!m_session.finished()) {
        showEntry();
        return;
    }
    showFinished(text("finished").arg(m_session.rightAnswers()).arg(m_session.size()));
    m_speaker->play(QStringLiteral("Congratulate"));
}

void PracticeWindow::closeEvent(QCloseEvent *event)
{
    presentSpeaking(m_ui.speaking, *m_speaker, nullptr);
    m_speaker->release();
    QWidget::closeEvent(event);
}

} // namespace Practice
