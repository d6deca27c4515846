// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QWidget>

#include "course/answercheck.h"
#include "practice/russiandisplay.h"

class QLabel;

namespace Course {
struct AnswerOutcome;
struct SessionEntry;
} // namespace Course
namespace Platform {
class AppPaths;
}

namespace Practice {

/// What the learner sees after an answer: whether it was right (lblVerdict), the right
/// answer in Russian (lblAnswer) with its meaning (lblMeaning), for a typed answer the
/// learner's text beside it with the differing letters marked (lblYourAnswer), and the
/// item's picture (Picture1).
class AnswerView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AnswerView)
public:
    explicit AnswerView(QWidget *parent = nullptr);

    /// How the answer's Russian text is shown; must outlive the view. Unset: as stored.
    void setRussianDisplay(const RussianDisplay *display) { m_russianDisplay = display; }
    /// Hides everything until the next answer.
    void clear();
    /// Shows \a entry's answer. \a outcome is empty for a recall item that is revealed
    /// but not yet graded; \a typed is the learner's text in a typing item.
    void showAnswer(const Course::SessionEntry &entry, const std::optional<Course::AnswerOutcome> &outcome,
                    const QString &typed, int language, const Platform::AppPaths &paths);

    /// \a pieces as rich text, the differing ones marked.
    static QString markedText(const QList<Course::AnswerCheck::Piece> &pieces);

private:
    void showPicture(const QString &path);

    const RussianDisplay *m_russianDisplay = nullptr;
    QLabel *m_verdict = nullptr;
    QLabel *m_answer = nullptr;
    QLabel *m_meaning = nullptr;
    QLabel *m_yourAnswer = nullptr;
    QLabel *m_picture = nullptr;
};

} // namespace Practice
