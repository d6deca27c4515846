// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QObject>
#include <QRect>

class QLabel;
class QPlainTextEdit;
class QWidget;

namespace Platform {
class DataSource;
}

namespace Lessons {

struct LessonServices;

/// How a lesson window shows the Russian text of its current record. Data1 fills txtTexten
/// with the stored single-byte text; refresh() shows it decoded, with stress marks when the
/// learner's choices ask for them (the record's own decisions for words of two senses
/// included), and fills the transliteration line lblTransliteration under the box, for
/// which the box below (txtNative) gives up part of its height while the line is on. A
/// change of the choices re-renders at once. Screen readers read txtTexten without the
/// marks, and spokenText() is what the window speaks: the decoded text without marks.
class RussianTextView final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RussianTextView)
public:
    /// \a box, \a below, \a data and \a services must outlive the view; \a window holds the
    /// transliteration line.
    RussianTextView(QPlainTextEdit &box, QWidget &below, const Platform::DataSource &data,
                    const LessonServices &services, QWidget *window);
    ~RussianTextView() override;

    /// The lesson whose records are shown: the place of their own stress decisions.
    void setLesson(int lesson) { m_lesson = lesson; }
    /// Shows what the box holds (stored, decoded or already marked) as the choices ask.
    void refresh();
    /// The box's text as the window speaks it: decoded, without stress marks.
    QString spokenText() const;
    QLabel *transliterationLine() const { return m_line; }

private:
    void placeLine(bool shown);
    /// How far the box below may reach under its design place without covering a control.
    int freeRoomBelow(int gap) const;

    QPlainTextEdit &m_box;
    QWidget &m_below;
    const Platform::DataSource &m_data;
    const LessonServices &m_services;
    QLabel *m_line = nullptr;
    /// Where the box below stands while the line is off.
    QRect m_belowDesign;
    int m_lesson = 0;
};

} // namespace Lessons
