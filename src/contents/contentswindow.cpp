// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "contents/contentswindow.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QShortcut>

#include "course/programstate.h"
#include "platform/ui/twips.h"

namespace Contents {

using Course::kLessonCount;
using Course::LessonTitles;
namespace {

// The design layout: one column of equal entries whose tops step irregularly down the window.
constexpr int kEntryLeft = 120;
constexpr int kEntryWidth = 7575;
constexpr int kEntryHeight = 180;
constexpr std::array<int, kLessonCount> kEntryTops = {
    0,    200,  400,  620,  840,  1050, 1260, 1460, 1680, 1900, 2120, 2360, 2580, 2780, 3000, 3220, 3440, 3640, 3860,
    4060, 4280, 4500, 4700, 4920, 5140, 5400, 5640, 5880, 6120, 6360, 6600, 6840, 7080, 7320, 7560, 7800, 8040, 8280,
};
constexpr int kClientWidth = 7644;
constexpr int kClientHeight = 8508;

const QColor kOddBackground(255, 255, 255);
const QColor kEvenBackground(255, 192, 192);
const QColor kWindowBackground(128, 255, 128);

void setBold(QLabel *label, bool bold)
{
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
}

} // namespace

ContentsWindow::ContentsWindow(Course::ProgramState &state, QWidget *parent)
    : QWidget(parent, Qt::Tool)
    , m_state(state)
{
    setObjectName(QStringLiteral("Contents"));
    setAccessibleName(QStringLiteral("Contents"));
    Platform::Twips::setColours(this, Qt::black, kWindowBackground);

    QFont entryFont = font();
    entryFont.setPointSize(8);
    for (int lesson = 1; lesson <= kLessonCount; ++lesson) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("Label%1").arg(lesson));
        label->setFont(entryFont);
        label->setMouseTracking(true);
        label->setCursor(Qt::PointingHandCursor);
        Platform::Twips::setColours(label, Qt::black, lesson % 2 == 1 ? kOddBackground : kEvenBackground);
        Platform::Twips::place(label, kEntryLeft, kEntryTops[lesson - 1], kEntryWidth, kEntryHeight);
        // Entries take focus so that the list works from the keyboard as well: arrows move,
        // Enter or Space chooses, and a frame shows where focus is.
        label->setFocusPolicy(Qt::StrongFocus);
        label->installEventFilter(this);
        m_ui.Label[lesson - 1] = label;
    }
    Platform::Twips::resizeClient(this, kClientWidth, kClientHeight);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
}

ContentsWindow::~ContentsWindow() = default;

void ContentsWindow::load()
{
    const LessonTitles &titles = LessonTitles::builtIn();
    const LessonTitles::Captions *captions = titles.forLanguage(m_state.language());
    if (!captions)
        captions = titles.forLanguage(Course::Language::English);
    if (!captions)
        return;
    setWindowTitle(captions->caption);
    for (int lesson = 1; lesson <= kLessonCount; ++lesson) {
        QLabel *label = m_ui.Label[lesson - 1];
        label->setText(captions->entries.at(lesson - 1));
        label->setAccessibleName(captions->entries.at(lesson - 1).trimmed());
    }
}

QLabel *ContentsWindow::entry(int lesson) const
{
    return lesson >= 1 && lesson <= kLessonCount ? m_ui.Label[lesson - 1] : nullptr;
}

void ContentsWindow::chooseLesson(int lesson)
{
    if (!entry(lesson))
        return;
    m_state.currentLesson = lesson;
    m_state.selectedLesson = QString::number(lesson);
    Q_EMIT startCommandRequested();
    close();
}

void ContentsWindow::hoverEntry(int lesson)
{
    // Only the neighbours are reset, so a pointer that skips entries leaves several bold.
    setBold(m_ui.Label[lesson - 1], true);
    if (lesson > 1)
        setBold(m_ui.Label[lesson - 2], false);
    if (lesson < kLessonCount)
        setBold(m_ui.Label[lesson], false);
}

int ContentsWindow::lessonOf(const QObject *object) const
{
    for (int lesson = 1; lesson <= kLessonCount; ++lesson) {
        if (m_ui.Label[lesson - 1] == object)
            return lesson;
    }
    return 0;
}

bool ContentsWindow::eventFilter(QObject *watched, QEvent *event)
{
    const int lesson = lessonOf(watched);
    if (lesson == 0)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        m_ui.Label[lesson - 1]->setFrameShape(event->type() == QEvent::FocusIn ? QFrame::Box : QFrame::NoFrame);
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            chooseLesson(lesson);
            return true;
        }
        const int step = key == Qt::Key_Down ? 1 : key == Qt::Key_Up ? -1 : 0;
        if (step != 0) {
            if (QLabel *next = entry(lesson + step))
                next->setFocus(Qt::TabFocusReason);
            return true;
        }
        break;
    }
    case QEvent::MouseMove:
        hoverEntry(lesson);
        break;
    case QEvent::MouseButtonRelease: {
        // A click is a press and a release on the same entry, as with any button.
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && m_ui.Label[lesson - 1]->rect().contains(mouse->position().toPoint())) {
            chooseLesson(lesson);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace Contents
