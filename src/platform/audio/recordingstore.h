// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <optional>

#include <QString>
#include <QStringList>

#include "platform/audio/soundrecorder.h"
#include "platform/core/error.h"

namespace Platform {

/// The learner's last recording of each phrase, one WAV file (16-bit mono) per name in one
/// folder. A recording replaces the earlier one of its name only once it is wholly on disk
/// (written beside it, synced, then renamed over it, and the folder synced), so a crash
/// leaves either the old file or the new one, never half of one.
class RecordingStore final {
public:
    /// $XDG_DATA_HOME/Veskora/recordings (by default ~/.local/share/Veskora/recordings).
    static QString defaultFolder();

    /// Keeps recordings in \a folder, which is made when the first one is saved.
    explicit RecordingStore(QString folder);

    QString folder() const { return m_folder; }
    /// The file of recording \a name; empty for a name that is not a plain file name of
    /// letters, digits, '-' and '_' (so no name reaches outside the folder).
    QString pathOf(const QString &name) const;

    /// Stores \a sound as recording \a name, replacing the one before. Errors:
    /// InvalidArgument for a bad name or empty sound, FileNotFound when it cannot be written.
    Status save(const QString &name, const RecordedSound &sound);
    /// The recording \a name, or nothing when there is none or it cannot be read.
    std::optional<RecordedSound> load(const QString &name) const;
    /// The names of the recordings kept, sorted.
    QStringList names() const;
    /// Deletes every recording (and the folder when nothing else is left in it). False
    /// when one of them could not be deleted.
    bool removeAll();

private:
    QString m_folder;
};

} // namespace Platform
