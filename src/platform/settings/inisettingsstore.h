// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include "platform/settings/settingsstore.h"

namespace Platform {

/// The settings store as an INI file in the user's configuration folder:
/// $XDG_CONFIG_HOME/<application>/<application>.ini (default ~/.config/...). The section is
/// the INI group and the key the INI key. Each call opens the file afresh, so values
/// written by another program are seen at once; each save is synced before it returns,
/// under QSettings' file lock, so programs writing alternately never corrupt the file.
/// A file that is not INI reads as empty; the first save moves it aside (".unreadable-<time>")
/// rather than overwriting it.
class IniSettingsStore final : public SettingsStore {
public:
    IniSettingsStore() = default;
    /// A store in the one file at \a path, whatever application a caller names; written the
    /// same way (synced, a file that is not INI moved aside on the first save).
    static IniSettingsStore forFile(const QString &path);

    QString read(const QString &application, const QString &section, const QString &key) const override;
    bool save(const QString &application, const QString &section, const QString &key, const QString &value) override;

    /// The file that holds \a application's settings.
    static QString filePath(const QString &application);

private:
    QString pathFor(const QString &application) const;

    /// The one file of a store made by forFile(); empty for the per-application files.
    QString m_file;
};

} // namespace Platform
