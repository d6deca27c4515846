// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include "platform/settings/settingsstore.h"

namespace Platform {

/// The store that keeps the character service's own settings (CharacterSettings), apart
/// from the course's four keys: $XDG_CONFIG_HOME/Veskora/Character.ini (default
/// ~/.config/Veskora/Character.ini). The section is the INI group ("Character") and the key
/// the INI key; the application name is not part of the address, the file is the
/// character's. Each call opens the file afresh; each save reaches the disk (file and
/// folder synced) before it returns. A file that is not INI reads as empty; the first save
/// moves it aside (".unreadable-<time>") before a fresh one is written.
class CharacterSettingsStore final : public SettingsStore {
public:
    /// The learner's file. Takes over the old [Character] group of the course's settings
    /// file (see adoptFrom), so no choice made with an earlier version is lost.
    CharacterSettingsStore();
    /// The file at \a path, as it is (tests).
    explicit CharacterSettingsStore(QString path);

    QString path() const { return m_path; }

    QString read(const QString &application, const QString &section, const QString &key) const override;
    bool save(const QString &application, const QString &section, const QString &key, const QString &value) override;

    /// Takes over the [Character] group that earlier versions kept in the course's settings
    /// file \a courseSettingsPath: keys this file lacks are copied, keys it has win; then the
    /// group is removed from the course's file, whose other groups stay as they were. Does
    /// nothing when that group is absent. False when this file could not be written; the
    /// old group then stays, so that no choice is lost.
    bool adoptFrom(const QString &courseSettingsPath);

private:
    QString m_path;
};

} // namespace Platform
