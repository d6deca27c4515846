// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "lessons/currentrecordtext.h"

#include <QPlainTextEdit>

#include "lessons/russiantextview.h"
#include "platform/database/datasource.h"

namespace Lessons {

CurrentRecordText::CurrentRecordText(QPlainTextEdit &box, QWidget &below, const Platform::DataSource &data,
                                     const LessonServices &services, QWidget *window)
    : QObject(window)
    , m_box(box)
    , m_data(data)
    , m_view(new RussianTextView(box, below, data, services, window))
{
    // The box receives the stored single-byte form from Data1; Qt fonts have no code-page
    // character sets, so the box shows the decoded Cyrillic instead, marked as the learner
    // chose. Both steps are idempotent, so reading the box back always gives the letters.
    connect(&data, &Platform::DataSource::boundTextChanged, this, &CurrentRecordText::onBoundTextChanged);
    connect(&data, &Platform::DataSource::currentRowChanged, m_view, &RussianTextView::refresh);
}

CurrentRecordText::~CurrentRecordText() = default;

void CurrentRecordText::setLesson(int lesson)
{
    m_view->setLesson(lesson);
}

QString CurrentRecordText::spokenText() const
{
    return m_view->spokenText();
}

void CurrentRecordText::onBoundTextChanged(QWidget *control)
{
    if (control != &m_box)
        return;
    const QString stored = m_box.toPlainText();
    m_view->refresh();
    if (m_data.recordCount() <= 0 || m_data.currentRow() < 0) {
        m_shownText.reset();
        return;
    }
    if (m_shownText && *m_shownText == stored)
        return;
    m_shownText = stored;
    Q_EMIT recordChanged();
}

} // namespace Lessons
