// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QWidget>

#include "course/fsrs.h"
#include "practice/russiandisplay.h"

namespace Course {
struct SessionEntry;
}

namespace Practice {

/// The part of the practice window that asks one item and takes its answer. The window
/// owns the item's text, the answer view, Repeat and Next; a view owns its own controls and
/// turns the learner's keys and clicks into one of its answer signals. The window records
/// the answer, then calls showAnswered().
///
/// Keys reach the view only while its item is unanswered: 1–4, Space (unless the view
/// takes it, the genie says the item again) and Enter (unless a button has the focus).
class ItemView : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ItemView)
public:
    explicit ItemView(QWidget *parent = nullptr)
        : QWidget(parent)
    {
    }

    /// How the view shows Russian text; must outlive the view. Unset: as stored.
    void setRussianDisplay(const RussianDisplay *display) { m_russianDisplay = display; }

    /// Captions and accessible names in interface language \a language.
    virtual void setLanguage(int language) = 0;
    /// Shows \a entry before its answer and returns the control that takes the focus.
    virtual QWidget *present(const Course::SessionEntry &entry, int language) = 0;

    /// Number key \a number (1–4).
    virtual void pressNumber(int number) { Q_UNUSED(number) }
    /// Space; false leaves it to the window, which has the genie say the item again.
    virtual bool pressSpace() { return false; }
    /// Enter while no button has the focus.
    virtual void pressEnter() { }

    /// The learner asked to see the answer before grading themselves (revealRequested()):
    /// the view offers its grades and returns the control that takes the focus. The window
    /// shows the answer and has the genie say it.
    virtual QWidget *revealAnswer() { return nullptr; }
    /// True once the view shows the answer before it is graded (a revealed recall item), so
    /// that Repeat may say it.
    virtual bool answerInView() const { return false; }
    /// True when the window goes on to the next item as soon as the answer is recorded;
    /// otherwise it shows the answer and waits for Next.
    virtual bool goesOnAtOnce() const { return false; }
    /// The answer is recorded; \a chosen is the chosen index in a choice item, else -1.
    virtual void showAnswered(const Course::SessionEntry &entry, int chosen)
    {
        Q_UNUSED(entry)
        Q_UNUSED(chosen)
    }

Q_SIGNALS:
    /// The learner chose choice \a index (from 0).
    void chosen(int index);
    /// The learner asked for \a typed to be checked.
    void typedAnswer(const QString &typed);
    /// The learner asked to see the answer before grading themselves.
    void revealRequested();
    /// The learner graded their own answer.
    void graded(Course::Fsrs::Grade grade);

protected:
    /// \a russian of lesson \a lesson as the learner chose to see it.
    QString shownRussian(const QString &russian, int lesson) const
    {
        return m_russianDisplay ? Practice::shownRussian(russian, lesson, *m_russianDisplay) : russian;
    }

private:
    const RussianDisplay *m_russianDisplay = nullptr;
};

} // namespace Practice
