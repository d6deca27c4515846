// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QList>

#include "course/fsrs.h"
#include "practice/itemview.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace Practice {

class RussianKeyboard;

/// The four choices of a choice exercise: buttons cmdChoice1 … cmdChoice4, each showing the
/// key that picks it. Choices a lesson cannot fill are hidden. Russian choices are shown
/// through shownRussian().
class ChoicePanel final : public ItemView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChoicePanel)
public:
    explicit ChoicePanel(QWidget *parent = nullptr);

    void setLanguage(int language) override { Q_UNUSED(language) }
    QWidget *present(const Course::SessionEntry &entry, int language) override;
    void pressNumber(int number) override;
    void showAnswered(const Course::SessionEntry &entry, int chosen) override;

    /// Shows \a texts (at most four), in the Russian face when \a russian.
    void setChoices(const QStringList &texts, bool russian, int language);
    /// Marks the right choice and, when another was chosen, the chosen one.
    void markAnswer(int chosen, int right);
    /// The button of choice \a index (from 0); null past the shown choices.
    QPushButton *button(int index) const;
    int count() const { return int(m_shown); }

private:
    QList<QPushButton *> m_buttons;
    qsizetype m_shown = 0;
};

/// The typing exercise: the answer box txtAnswer, the phonetic typing switch chkPhonetic
/// (on by default; Cyrillic keys type as they are either way), the on-screen keyboard and
/// cmdCheck.
class TypingPanel final : public ItemView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TypingPanel)
public:
    explicit TypingPanel(QWidget *parent = nullptr);

    void setLanguage(int language) override;
    QWidget *present(const Course::SessionEntry &entry, int language) override;
    void pressEnter() override;
    void showAnswered(const Course::SessionEntry &entry, int chosen) override;

    /// Empties and unlocks the box.
    void reset();
    /// Stops further typing once the answer is checked.
    void lock();
    QString typed() const;
    QLineEdit *box() const { return m_box; }
    QPushButton *checkButton() const { return m_check; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_box = nullptr;
    QCheckBox *m_phonetic = nullptr;
    RussianKeyboard *m_keyboard = nullptr;
    QPushButton *m_check = nullptr;
};

/// The recall exercise: cmdReveal shows the answer; then the four grade buttons cmdAgain,
/// cmdHard, cmdGood and cmdEasy take the learner's own grade.
class RecallPanel final : public ItemView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RecallPanel)
public:
    explicit RecallPanel(QWidget *parent = nullptr);

    void setLanguage(int language) override;
    QWidget *present(const Course::SessionEntry &entry, int language) override;
    /// Once revealed, 1–4 are the grades.
    void pressNumber(int number) override;
    /// Before the answer is shown, Space shows it.
    bool pressSpace() override;
    /// Offers the grades; Good takes the focus.
    QWidget *revealAnswer() override;
    bool answerInView() const override { return revealed(); }
    bool goesOnAtOnce() const override { return true; }

    /// Back to the state before the answer is revealed.
    void reset();
    /// Hides the reveal button and offers the grades.
    void showGrades();
    bool revealed() const;
    QPushButton *revealButton() const { return m_reveal; }
    QPushButton *gradeButton(Course::Fsrs::Grade grade) const;

private:
    QPushButton *m_reveal = nullptr;
    QList<QPushButton *> m_grades;
};

} // namespace Practice
