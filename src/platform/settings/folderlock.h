// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>

namespace Platform {

/// An advisory lock (flock) on a folder, held from construction to destruction. The settings
/// store takes it exclusively for a whole save (read, merge, write, rename) and shared for a
/// read, so every copy of the program sees a settings file as it was before or after another
/// copy's save, never halfway. The lock belongs to the open folder: it adds no file to the
/// folder, works in a read-only folder and ends with the process. Where the folder cannot be
/// opened or locked (it does not exist yet, a file system without locks) the caller goes on
/// unlocked.
class FolderLock final {
public:
    enum class Mode { Shared, Exclusive };

    FolderLock(const QString &folder, Mode mode);
    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

private:
    int m_fd = -1;
};

} // namespace Platform
