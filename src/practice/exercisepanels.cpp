// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "practice/exercisepanels.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "course/phonetictyping.h"
#include "course/practicesession.h"
#include "course/stressmarks.h"
#include "platform/ui/twips.h"
#include "practice/practicelook.h"
#include "practice/practicetexts.h"
#include "practice/russiandisplay.h"
#include "practice/russiankeyboard.h"

namespace Practice {

namespace {

constexpr int kChoiceCount = 4;
// A typed answer longer than any phrase of the course is cut off here.
constexpr int kLongestAnswer = 200;

const QColor kRightColour(0, 200, 0);
const QColor kWrongColour(255, 80, 80);

} // namespace

ChoicePanel::ChoicePanel(QWidget *parent)
    : ItemView(parent)
{
    setObjectName(QStringLiteral("fraChoices"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < kChoiceCount; ++i) {
        QPushButton *button = addButton(this, QStringLiteral("cmdChoice%1").arg(i + 1), QString(), kChoiceColour);
        button->setMinimumHeight(Platform::Twips::toPixels(400, this));
        connect(button, &QPushButton::clicked, this, [this, i] { Q_EMIT chosen(i); });
        layout->addWidget(button);
        m_buttons.append(button);
    }
}

QWidget *ChoicePanel::present(const Course::SessionEntry &entry, int language)
{
    // Meanings are shown as they are; Russian phrases and letters as Russian is shown.
    const bool russian = Course::choiceShowsRussian(entry.exercise);
    QStringList shown = entry.choices.texts;
    if (russian) {
        const int lesson = entry.item.key.lesson;
        std::transform(shown.begin(), shown.end(), shown.begin(),
                       [this, lesson](const QString &text) { return shownRussian(text, lesson); });
    }
    setChoices(shown, russian, language);
    return button(0);
}

void ChoicePanel::pressNumber(int number)
{
    if (button(number - 1))
        Q_EMIT chosen(number - 1);
}

void ChoicePanel::showAnswered(const Course::SessionEntry &entry, int chosen)
{
    markAnswer(chosen, entry.choices.right);
}

void ChoicePanel::setChoices(const QStringList &texts, bool russian, int language)
{
    m_shown = std::min<qsizetype>(texts.size(), m_buttons.size());
    for (qsizetype i = 0; i < m_buttons.size(); ++i) {
        QPushButton *button = m_buttons.at(i);
        button->setVisible(i < m_shown);
        Platform::Twips::setButtonColour(button, kChoiceColour);
        if (i >= m_shown)
            continue;
        button->setFont(russian ? russianFont(14) : captionFont(11));
        button->setText(QStringLiteral("%1   %2").arg(i + 1).arg(texts.at(i)));
        button->setAccessibleName(
            practiceText(language, QStringLiteral("choice")).arg(i + 1).arg(Course::withoutStressMarks(texts.at(i))));
    }
}

void ChoicePanel::markAnswer(int chosen, int right)
{
    if (QPushButton *button = this->button(right))
        Platform::Twips::setButtonColour(button, kRightColour);
    if (chosen != right) {
        if (QPushButton *button = this->button(chosen))
            Platform::Twips::setButtonColour(button, kWrongColour);
    }
}

QPushButton *ChoicePanel::button(int index) const
{
    return index >= 0 && index < m_shown ? m_buttons.at(index) : nullptr;
}

TypingPanel::TypingPanel(QWidget *parent)
    : ItemView(parent)
{
    setObjectName(QStringLiteral("fraTyping"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);

    auto *row = new QHBoxLayout;
    m_box = new QLineEdit(this);
    m_box->setObjectName(QStringLiteral("txtAnswer"));
    m_box->setFont(russianFont(15));
    m_box->setMaxLength(kLongestAnswer);
    Platform::Twips::setColours(m_box, kRussianColour, Qt::white);
    m_box->installEventFilter(this);
    connect(m_box, &QLineEdit::returnPressed, this, &TypingPanel::pressEnter);
    row->addWidget(m_box, 1);
    m_check = addButton(this, QStringLiteral("cmdCheck"), QString(), kNextColour);
    connect(m_check, &QPushButton::clicked, this, &TypingPanel::pressEnter);
    row->addWidget(m_check);
    layout->addLayout(row);

    m_phonetic = new QCheckBox(this);
    m_phonetic->setObjectName(QStringLiteral("chkPhonetic"));
    m_phonetic->setChecked(true);
    Platform::Twips::setColours(m_phonetic, Qt::black, Qt::white);
    layout->addWidget(m_phonetic);

    m_keyboard = new RussianKeyboard(this);
    m_keyboard->attachTo(m_box);
    layout->addWidget(m_keyboard);
}

void TypingPanel::setLanguage(int language)
{
    m_box->setAccessibleName(practiceText(language, QStringLiteral("answerBox")));
    m_box->setPlaceholderText(m_box->accessibleName());
    m_phonetic->setText(practiceText(language, QStringLiteral("phonetic")));
    m_phonetic->setAccessibleName(m_phonetic->text());
    setCaption(m_check, practiceText(language, QStringLiteral("check")));
    m_keyboard->setLanguage(language);
}

QWidget *TypingPanel::present(const Course::SessionEntry &entry, int language)
{
    Q_UNUSED(entry)
    Q_UNUSED(language)
    reset();
    return m_box;
}

void TypingPanel::pressEnter()
{
    if (!m_box->isReadOnly())
        Q_EMIT typedAnswer(m_box->text());
}

void TypingPanel::showAnswered(const Course::SessionEntry &entry, int chosen)
{
    Q_UNUSED(entry)
    Q_UNUSED(chosen)
    lock();
}

void TypingPanel::reset()
{
    m_box->clear();
    m_box->setReadOnly(false);
    m_check->setEnabled(true);
}

void TypingPanel::lock()
{
    m_box->setReadOnly(true);
    m_check->setEnabled(false);
}

QString TypingPanel::typed() const
{
    return m_box->text();
}

bool TypingPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_box || event->type() != QEvent::KeyPress || !m_phonetic->isChecked() || m_box->isReadOnly())
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const QString text = key->text();
    if (text.size() != 1 || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return QWidget::eventFilter(watched, event);
    // A key typed over a selection replaces it, so the letters before the selection are
    // the ones a spelling completes.
    const int start = m_box->hasSelectedText() ? m_box->selectionStart() : m_box->cursorPosition();
    const std::optional<Course::PhoneticTyping::Edit> edit =
        Course::PhoneticTyping::edit(m_box->text().left(start), text.at(0));
    if (!edit)
        return QWidget::eventFilter(watched, event);
    if (m_box->hasSelectedText())
        m_box->del();
    for (int i = 0; i < edit->replaced; ++i)
        m_box->backspace();
    m_box->insert(edit->text);
    return true;
}

RecallPanel::RecallPanel(QWidget *parent)
    : ItemView(parent)
{
    setObjectName(QStringLiteral("fraRecall"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_reveal = addButton(this, QStringLiteral("cmdReveal"), QString(), kNextColour);
    m_reveal->setMinimumHeight(Platform::Twips::toPixels(480, this));
    connect(m_reveal, &QPushButton::clicked, this, &RecallPanel::revealRequested);
    layout->addWidget(m_reveal);
    auto *grades = new QHBoxLayout;
    const char *const names[] = {"cmdAgain", "cmdHard", "cmdGood", "cmdEasy"};
    for (int i = 0; i < 4; ++i) {
        QPushButton *button = addButton(this, QLatin1String(names[i]), QString(), kGradeColours[i]);
        button->setMinimumHeight(Platform::Twips::toPixels(480, this));
        const auto grade = Course::Fsrs::Grade(i + 1);
        connect(button, &QPushButton::clicked, this, [this, grade] { Q_EMIT graded(grade); });
        grades->addWidget(button);
        m_grades.append(button);
    }
    layout->addLayout(grades);
    layout->addStretch(1);
}

void RecallPanel::setLanguage(int language)
{
    setCaption(m_reveal, practiceText(language, QStringLiteral("reveal")));
    const char *const keys[] = {"again", "hard", "good", "easy"};
    for (int i = 0; i < 4; ++i) {
        const QString caption = practiceText(language, QLatin1String(keys[i]));
        m_grades.at(i)->setText(QStringLiteral("%1   %2").arg(i + 1).arg(caption));
        m_grades.at(i)->setAccessibleName(caption);
    }
}

QWidget *RecallPanel::present(const Course::SessionEntry &entry, int language)
{
    Q_UNUSED(entry)
    Q_UNUSED(language)
    reset();
    return m_reveal;
}

void RecallPanel::pressNumber(int number)
{
    if (revealed() && number >= 1 && number <= 4)
        Q_EMIT graded(Course::Fsrs::Grade(number));
}

bool RecallPanel::pressSpace()
{
    if (revealed())
        return false;
    Q_EMIT revealRequested();
    return true;
}

QWidget *RecallPanel::revealAnswer()
{
    showGrades();
    return gradeButton(Course::Fsrs::Grade::Good);
}

void RecallPanel::reset()
{
    m_reveal->show();
    for (QPushButton *button : std::as_const(m_grades))
        button->hide();
}

void RecallPanel::showGrades()
{
    m_reveal->hide();
    for (QPushButton *button : std::as_const(m_grades))
        button->show();
}

bool RecallPanel::revealed() const
{
    return m_reveal->isHidden();
}

QPushButton *RecallPanel::gradeButton(Course::Fsrs::Grade grade) const
{
    return m_grades.value(int(grade) - 1);
}

} // namespace Practice
