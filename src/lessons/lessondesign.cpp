// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "lessons/lessondesign.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>

#include "lessons/controlnames.h"
#include "platform/ui/twips.h"

namespace Lessons {

QPushButton *addButton(QWidget *window, const QString &name, const QString &caption, const QColor &colour,
                       const QRect &twips)
{
    auto *button = new QPushButton(caption, window);
    button->setObjectName(name);
    Platform::Twips::place(button, twips.x(), twips.y(), twips.width(), twips.height());
    Platform::Twips::setButtonColour(button, colour);
    setCaption(button, caption);
    return button;
}

QLabel *addLabel(QWidget *window, const QString &name, const QString &accessibleName, const QRect &twips)
{
    auto *label = new QLabel(window);
    label->setObjectName(name);
    label->setAccessibleName(accessibleName);
    Platform::Twips::place(label, twips.x(), twips.y(), twips.width(), twips.height());
    return label;
}

QLineEdit *addHiddenBox(QWidget *window, const QString &name, const QString &accessibleName, const QRect &twips)
{
    auto *box = new QLineEdit(window);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    Platform::Twips::place(box, twips.x(), twips.y(), twips.width(), twips.height());
    box->hide();
    return box;
}

QPlainTextEdit *addTextBox(QWidget *window, const QString &name, const QString &accessibleName, const QRect &twips,
                           const QColor &text, const QFont &font)
{
    auto *box = new QPlainTextEdit(window);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->setFont(font);
    box->setTabChangesFocus(true);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Platform::Twips::place(box, twips.x(), twips.y(), twips.width(), twips.height());
    Platform::Twips::setColours(box, text, Qt::white);
    return box;
}

void setCaption(QWidget *control, const QString &caption)
{
    if (auto *button = qobject_cast<QPushButton *>(control))
        button->setText(fitCaption(*button, caption));
    else if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(caption);
    control->setAccessibleName(caption);
}

void orderTabs(QWidget *window, QWidget *firstFocus)
{
    // The record commands in the order they stand, the texts they show, then the lesson's own
    // controls; creation order would put Back and Repeat last.
    const char *const order[] = {"cmdBack",     "cmdRepeat", "cmdNext",  "cmdLast", "txtTexten",    "txtNative",
                                 "txtInneholl", "Slider1",   "Command1", "cmdEnd",  "cmdNextLesson"};
    QWidget *previous = nullptr;
    for (const char *name : order) {
        auto *control = window->findChild<QWidget *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
        if (!control)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
    // Next is what a learner presses most; the window opens with it in focus.
    if (firstFocus)
        firstFocus->setFocus(Qt::OtherFocusReason);
}

void nameControls(QWidget *window, int language)
{
    const ControlNames &names = controlNames(language);
    const std::pair<const char *, const QString *> controls[] = {
        {"Picture1", &names.picture},      {"Image1", &names.letterBlocks},
        {"Label1", &names.lessonCommands}, {"lblChanceButton", &names.recordCommands},
        {"Slider1", &names.speedOfSpeech}, {"txtTexten", &names.russianText},
        {"txtNative", &names.translation}, {"txtInneholl", &names.lessonHeading},
    };
    for (const auto &[name, text] : controls) {
        // The alphabet window's Label1 is its lesson caption and keeps that as its name.
        auto *control = window->findChild<QWidget *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
        if (control && !(qobject_cast<QLabel *>(control) && !static_cast<QLabel *>(control)->text().isEmpty()))
            control->setAccessibleName(*text);
    }
}

QString fitCaption(const QPushButton &button, const QString &caption)
{
    // Push buttons do not wrap their text; a caption wider than its button is broken into
    // lines at its blanks so that the whole caption stays readable.
    const QFontMetrics metrics = button.fontMetrics();
    const int room = button.width() - 8;
    if (room <= 0 || metrics.horizontalAdvance(caption) <= room)
        return caption;
    QStringList lines;
    QString line;
    for (const QString &word : caption.split(u' ')) {
        const QString longer = line.isEmpty() ? word : line + u' ' + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > room) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    lines << line;
    return lines.join(u'\n');
}

QFont designFont(const QString &family, qreal pointSize)
{
    QFont font;
    // The design names Windows fonts; behind them stand free fonts of the same build that
    // hold Cyrillic letters, so Russian text never falls back to boxes.
    if (family.contains(QLatin1String("Times"))) {
        font.setFamilies({family, QStringLiteral("Liberation Serif"), QStringLiteral("Nimbus Roman"),
                          QStringLiteral("DejaVu Serif")});
        font.setStyleHint(QFont::Serif);
    } else {
        font.setFamilies(
            {family, QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
        font.setStyleHint(QFont::SansSerif);
    }
    font.setPointSizeF(pointSize);
    return font;
}

void resizeToDesign(QWidget *window)
{
    auto *frame = qobject_cast<QMdiSubWindow *>(window->parentWidget());
    const QSize border = frame ? frame->size() - window->size() : QSize();
    Platform::Twips::resizeClient(window, kWindowWidth, kWindowHeight);
    // The third window's design puts its heading box across the bottom edge; the window
    // grows to hold every control it shows, or the box is cut off.
    const QRect controls = window->childrenRect();
    window->resize(window->size().expandedTo(QSize(controls.right() + 1, controls.bottom() + 1)));
    if (frame)
        frame->resize(window->size() + border);
}

void moveToCorner(QWidget *window)
{
    // Inside the main window the frame holds the window's place; moving the window itself
    // would slide it under the frame's title bar.
    if (auto *frame = qobject_cast<QMdiSubWindow *>(window->parentWidget()))
        frame->move(0, 0);
    else
        window->move(0, 0);
}

} // namespace Lessons
