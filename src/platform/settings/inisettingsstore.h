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

    QString read(const QString &application, const QString &section, const QString &key) const override;
    bool save(const QString &application, const QString &section, const QString &key, const QString &value) override;

    /// The file that holds \a application's settings.
    static QString filePath(const QString &application);
};

} // namespace Platform
