// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "lessons/russiantextview.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextDocumentFragment>

#include "course/displayrussian.h"
#include "course/languages.h"
#include "course/learningchoices.h"
#include "course/lessontable.h"
#include "course/programstate.h"
#include "course/russiantext.h"
#include "course/stressmarks.h"
#include "lessons/controlnames.h"
#include "lessons/lessondesign.h"
#include "lessons/lessonservices.h"
#include "platform/database/datasource.h"
#include "platform/ui/accessibletext.h"
#include "platform/ui/markfont.h"
#include "platform/ui/twips.h"

namespace Lessons {

RussianTextView::RussianTextView(QPlainTextEdit &box, QWidget &below, const Platform::DataSource &data,
                                 const LessonServices &services, QWidget *window)
    : QObject(window)
    , m_box(box)
    , m_below(below)
    , m_data(data)
    , m_services(services)
    , m_belowDesign(below.geometry())
{
    Platform::readWithoutCharacters(&m_box, QString(QChar(Course::kStressMark)));
    m_box.setFont(Platform::fontPlacingMarks(m_box.font()));

    m_line = new QLabel(window);
    m_line->setObjectName(QStringLiteral("lblTransliteration"));
    m_line->setAccessibleName(controlNames(Course::Language::English).transliteration);
    m_line->setTextFormat(Qt::RichText);
    m_line->setWordWrap(true);
    m_line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_line->setFont(designFont(QStringLiteral("MS Sans Serif"), 10));
    Platform::Twips::setColours(m_line, QColor(32, 32, 112), Qt::white);
    m_line->hide();

    if (m_services.learning)
        connect(m_services.learning, &Course::LearningChoicesNotifier::choicesChanged, this, &RussianTextView::refresh);
}

RussianTextView::~RussianTextView() = default;

QString RussianTextView::spokenText() const
{
    return Course::withoutStressMarks(Course::DecodeRussianText(m_box.toPlainText()));
}

void RussianTextView::refresh()
{
    const QString plain = spokenText();
    // The record's own stress decisions are keyed by its text as stored, whatever the
    // learner has typed into the box since.
    const Course::CourseRecord record{Course::lessonPlace(m_lesson),
                                      Course::DecodeRussianText(m_data.value(Course::LessonTable::russianText()))};
    const Course::LearningChoices choices = Course::choicesOf(m_services.learning);
    const QString shown = Course::displayRussian(plain, m_services.stress, choices, record);
    if (shown != m_box.toPlainText()) {
        const QSignalBlocker blocker(&m_box);
        m_box.setPlainText(shown);
    }

    const int language = m_services.state ? m_services.state->language() : 0;
    const QString line = Course::transliterationLine(plain, m_services.stress, choices, language, record);
    m_line->setText(line);
    // Named by its role like the boxes; the transliteration itself is its description.
    m_line->setAccessibleName(controlNames(language).transliteration);
    m_line->setAccessibleDescription(QTextDocumentFragment::fromHtml(line).toPlainText());
    placeLine(choices.transliteration);
}

void RussianTextView::placeLine(bool shown)
{
    if (!shown) {
        m_line->hide();
        m_below.setGeometry(m_belowDesign);
        return;
    }
    // The line sits between the box and the one below, as high as its text wraps. The box
    // below moves down by what the line needs, into the free room under it first (down to
    // the next control), giving up height only for the rest, and keeps at least one line.
    const QRect box = m_box.geometry();
    const int gap = qMax(2, (m_belowDesign.top() - box.bottom()) / 4);
    const int minimumBelow = m_below.fontMetrics().lineSpacing() + 8;
    const int bottom = m_belowDesign.bottom() + freeRoomBelow(gap);
    const int lineTop = box.bottom() + 1 + gap;
    const int room = bottom + 1 - minimumBelow - gap - lineTop;
    const int wanted = qMax(m_line->fontMetrics().lineSpacing(), m_line->heightForWidth(box.width())) + 4;
    m_line->setGeometry(box.left(), lineTop, box.width(), qMax(0, qMin(wanted, room)));
    const int top = qMax(m_belowDesign.top(), m_line->geometry().bottom() + 1 + gap);
    const int height = qMin(m_belowDesign.height(), bottom + 1 - top);
    m_below.setGeometry(m_belowDesign.left(), top, m_belowDesign.width(), qMax(minimumBelow, height));
    m_line->show();
    m_line->raise();
}

int RussianTextView::freeRoomBelow(int gap) const
{
    // Down to the nearest control under the box below that the learner can see, or the
    // window's edge, less a gap.
    const QWidget *window = m_line->parentWidget();
    int limit = window->height();
    const QList<QWidget *> controls = window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (const QWidget *control : controls) {
        const QRect area = control->geometry();
        if (control == &m_below || control == m_line || !control->isVisibleTo(window)
            || area.top() <= m_belowDesign.bottom() || area.right() < m_belowDesign.left()
            || area.left() > m_belowDesign.right())
            continue;
        limit = qMin(limit, area.top());
    }
    return qMax(0, limit - gap - (m_belowDesign.bottom() + 1));
}

} // namespace Lessons
