// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/settings/folderlock.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace Platform {

FolderLock::FolderLock(const QString &folder, Mode mode)
    : m_fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
    if (m_fd < 0)
        return;
    const int operation = mode == Mode::Exclusive ? LOCK_EX : LOCK_SH;
    while (::flock(m_fd, operation) != 0 && errno == EINTR) { }
}

FolderLock::~FolderLock()
{
    // Closing the folder releases the lock.
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace Platform
