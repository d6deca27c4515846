// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <functional>

#include <QPointer>
#include <QWidget>

namespace Shell {

/// The one program-wide object of a window kind: touching it creates and loads the window
/// when it is not loaded; closing the window (which deletes it) releases the object, so
/// the next touch creates it afresh.
template<typename Window>
class WindowSlot final {
public:
    using Factory = std::function<Window *()>;

    void setFactory(Factory factory) { m_factory = std::move(factory); }

    /// The loaded window, created (and so loaded) first when there is none.
    Window *touch()
    {
        if (!m_window && m_factory) {
            m_window = m_factory();
            if (m_window)
                m_window->setAttribute(Qt::WA_DeleteOnClose);
        }
        return m_window;
    }

    Window *get() const { return m_window; }
    bool isLoaded() const { return !m_window.isNull(); }
    /// Forgets the window without closing it (the program's reference is released).
    void release() { m_window = nullptr; }
    /// Takes over a window created elsewhere.
    void adopt(Window *window) { m_window = window; }

private:
    Factory m_factory;
    QPointer<Window> m_window;
};

} // namespace Shell
