// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/ui/keyboard.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace Platform::Keyboard {
namespace {

// Sees the key presses that the window's controls passed on to the window.
class EnterFilter final : public QObject {
public:
    EnterFilter(QWidget *window, QPushButton *button)
        : QObject(window)
        , m_window(window)
        , m_button(button)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window || event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (!enter || !plain)
            return false;
        // As in a dialog, Enter on another button presses that one.
        auto *focused = qobject_cast<QPushButton *>(m_window->focusWidget());
        if (focused && focused != m_button && focused->isEnabled()) {
            focused->click();
            return true;
        }
        if (!m_button || !m_button->isEnabled() || !m_button->isVisibleTo(m_window))
            return false;
        m_button->click();
        return true;
    }

private:
    QWidget *m_window;
    QPointer<QPushButton> m_button;
};

} // namespace

void enterClicks(QWidget *window, QPushButton *button)
{
    window->installEventFilter(new EnterFilter(window, button));
}

} // namespace Platform::Keyboard
