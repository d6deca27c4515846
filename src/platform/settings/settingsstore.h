// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>

namespace Platform {

/// The per-user store of text values addressed by (application, section, key), shared by
/// the course, the installer and the check program.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    /// The stored text, or an empty text when the key was never written. Never fails.
    virtual QString read(const QString &application, const QString &section, const QString &key) const = 0;

    /// Stores \a value. When this returns the value is on disk, so a crash right after
    /// loses nothing. Returns false when the store could not be written; read() still
    /// gives the value for the rest of the run.
    virtual bool save(const QString &application, const QString &section, const QString &key, const QString &value) = 0;

    /// Why the last save() that returned false failed, a technical detail for humans (the
    /// file and what is wrong with it); empty when no save has failed.
    virtual QString lastSaveProblem() const { return {}; }
};

/// The application name and section every caller passes.
inline const QString kApplication = QStringLiteral("Veskora");
inline const QString kSection = QStringLiteral("Settings");

} // namespace Platform
