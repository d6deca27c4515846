// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/audio/recordingstore.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include "platform/agent/wavwriter.h"
#include "platform/audio/audiologging.h"

namespace Platform {

namespace {

const QString kSuffix = QStringLiteral(".wav");

bool isPlainName(const QString &name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_-]{1,100}$"));
    return plain.match(name).hasMatch();
}

// The rename is only durable once the folder's entry is on disk too.
void syncFolder(const QString &folder)
{
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    ::fsync(descriptor);
    ::close(descriptor);
}

} // namespace

QString RecordingStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/Veskora/recordings");
}

RecordingStore::RecordingStore(QString folder)
    : m_folder(std::move(folder))
{
}

QString RecordingStore::pathOf(const QString &name) const
{
    return isPlainName(name) ? m_folder + u'/' + name + kSuffix : QString();
}

Status RecordingStore::save(const QString &name, const RecordedSound &sound)
{
    const QString path = pathOf(name);
    if (path.isEmpty())
        return fail(ErrorCode::InvalidArgument, QStringLiteral("not a recording name: ") + name);
    if (sound.pcm.size() < 2 || sound.sampleRate <= 0)
        return fail(ErrorCode::InvalidArgument, QStringLiteral("nothing to keep for ") + name);
    if (!QDir().mkpath(m_folder))
        return fail(ErrorCode::FileNotFound, QStringLiteral("cannot make ") + m_folder);
    // QSaveFile writes beside the target, syncs it to disk and renames it over the target.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(wavFile(sound.pcm, sound.sampleRate)) < 0 || !file.commit()) {
        qCWarning(lcAudio) << "cannot keep a recording:" << path << file.errorString();
        return fail(ErrorCode::FileNotFound, file.errorString());
    }
    syncFolder(m_folder);
    return ok();
}

std::optional<RecordedSound> RecordingStore::load(const QString &name) const
{
    const QString path = pathOf(name);
    RecordedSound sound;
    if (path.isEmpty() || !readWav(path, &sound.pcm, &sound.sampleRate) || sound.sampleRate <= 0)
        return std::nullopt;
    return sound;
}

QStringList RecordingStore::names() const
{
    QStringList names;
    const QStringList files = QDir(m_folder).entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        const QString name = file.chopped(kSuffix.size());
        if (isPlainName(name))
            names << name;
    }
    return names;
}

bool RecordingStore::removeAll()
{
    bool removed = true;
    for (const QString &name : names())
        removed = QFile::remove(pathOf(name)) && removed;
    // Leftovers of a save that was cut off go too; anything else stays with its folder.
    QDir folder(m_folder);
    const QStringList leftovers = folder.entryList({QStringLiteral("*.wav.*")}, QDir::Files);
    for (const QString &file : leftovers)
        folder.remove(file);
    if (folder.exists() && folder.isEmpty())
        QDir().rmdir(m_folder);
    return removed;
}

} // namespace Platform
