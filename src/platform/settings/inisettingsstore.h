// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QHash>

#include "platform/settings/settingsstore.h"

namespace Platform {

/// The settings store as an INI file in the user's configuration folder:
/// $XDG_CONFIG_HOME/<application>/<application>.ini (default ~/.config/...). The section is
/// the INI group and the key the INI key. Each call opens the file afresh, so values
/// written by another program are seen at once; each save is synced before it returns, and
/// holds the folder's lock (FolderLock) from reading the file to writing it, so copies of the
/// program saving at the same moment neither corrupt the file nor lose each other's values.
///
/// A file that does not parse as INI is moved aside (".unreadable-<time>") by the first
/// save, and the values that could be read from it go on in a fresh file. A file that
/// cannot be written (read-only, another user's, a full disk) is never moved or changed:
/// save() returns false, and the value is kept in memory, read back by read() and written
/// with the next save that succeeds.
class IniSettingsStore final : public SettingsStore {
public:
    IniSettingsStore() = default;
    /// A store in the one file at \a path, whatever application a caller names; written the
    /// same way (synced, a file that is not INI moved aside on the first save).
    static IniSettingsStore forFile(const QString &path);

    QString read(const QString &application, const QString &section, const QString &key) const override;
    bool save(const QString &application, const QString &section, const QString &key, const QString &value) override;
    QString lastSaveProblem() const override;

    /// The file that holds \a application's settings.
    static QString filePath(const QString &application);

private:
    QString pathFor(const QString &application) const;

    /// The one file of a store made by forFile(); empty for the per-application files.
    QString m_file;
    /// Moves the file at \a path aside when it does not parse, adding the values that could
    /// be read from it to \a values. False when it had to be moved and could not be.
    static bool moveAsideIfUnparsable(const QString &path, QHash<QString, QString> &values);

    /// Values whose save failed, by file and then by "<section>/<key>".
    QHash<QString, QHash<QString, QString>> m_unsaved;
    QString m_lastProblem;
};

} // namespace Platform
