// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <chrono>
#include <functional>
#include <utility>

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

namespace Platform {

/// Calls back once, in the event-loop turn after the watched window's first paint (or, with
/// a fallback, after that many milliseconds, should the window never be painted, as when it
/// starts minimised). Watchers of one window are called in the reverse order of their
/// making, as Qt calls event filters. Header only, so that the startup benchmark's yardstick
/// uses it without linking anything of the course.
class FirstPaintWatcher final : public QObject {
public:
    FirstPaintWatcher(QWidget &window, std::function<void()> then, int fallbackMs = -1)
        : QObject(&window)
        , m_then(std::move(then))
    {
        window.installEventFilter(this);
        if (fallbackMs >= 0)
            QTimer::singleShot(fallbackMs, this, &FirstPaintWatcher::fire);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            // The paint is still going on: go on once it has reached the screen.
            QTimer::singleShot(0, this, &FirstPaintWatcher::fire);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void fire()
    {
        if (!m_then)
            return;
        std::exchange(m_then, nullptr)();
        deleteLater();
    }

    std::function<void()> m_then;
    bool m_painted = false;
};

/// VESKORA_STARTUP_PROBE=<file>: once \a window has been painted, writes the monotonic clock
/// in nanoseconds to the file and ends the program. The startup benchmark sets it to time a
/// launch from outside, in the course program and its yardstick alike.
inline void reportFirstPaintToStartupProbe(QWidget &window)
{
    const QString probe = qEnvironmentVariable("VESKORA_STARTUP_PROBE");
    if (probe.isEmpty())
        return;
    new FirstPaintWatcher(window, [probe] {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        QFile file(probe);
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray::number(qint64(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count())));
        QCoreApplication::quit();
    });
}

} // namespace Platform
