// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QTimer>

namespace TestSupport {

/// Writes 16-bit mono samples into the pipe that a sound server's pipe source reads, in real
/// time (a tenth of a second ahead), as a microphone would deliver them. Writes never block:
/// once nobody records, the server stops reading, and what does not fit waits for the next
/// tick (a blocked write would stop the test's own event loop).
class PipeFeeder final {
public:
    PipeFeeder(const QString &pipe, QByteArray pcm, int sampleRate)
        : m_path(QFile::encodeName(pipe))
        , m_pcm(std::move(pcm))
        , m_sampleRate(sampleRate)
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { feed(); });
    }
    ~PipeFeeder()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    PipeFeeder(const PipeFeeder &) = delete;
    PipeFeeder &operator=(const PipeFeeder &) = delete;

    bool start()
    {
        m_fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (m_fd < 0)
            return false;
        m_clock.start();
        m_timer.start();
        return true;
    }

private:
    void feed()
    {
        const qsizetype due = std::min<qsizetype>(m_pcm.size(), (m_clock.elapsed() + 100) * m_sampleRate / 1000 * 2);
        if (due > m_written)
            m_written += std::max<ssize_t>(0, ::write(m_fd, m_pcm.constData() + m_written, size_t(due - m_written)));
        if (m_written >= m_pcm.size())
            m_timer.stop();
    }

    QByteArray m_path;
    int m_fd = -1;
    QByteArray m_pcm;
    int m_sampleRate;
    QTimer m_timer;
    QElapsedTimer m_clock;
    qsizetype m_written = 0;
};

} // namespace TestSupport
