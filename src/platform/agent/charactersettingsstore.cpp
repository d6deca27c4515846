// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/charactersettingsstore.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <optional>

#include <fcntl.h>
#include <unistd.h>

#include "platform/agent/agentlogging.h"
#include "platform/settings/folderlock.h"
#include "platform/settings/inisettingsstore.h"

namespace Platform {

namespace {

const QString kGroup = QStringLiteral("Character");

QString configFolder()
{
    // The folder QSettings and the course's settings store use.
    QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder))
        folder = QDir::homePath() + QStringLiteral("/.config");
    return folder;
}

// QSettings writes through a temporary file that it renames; the rename reaches the disk
// only when the folder is synced too.
void syncToDisk(const QString &path)
{
    for (const QString &target : {path, QFileInfo(path).absolutePath()}) {
        const int fd = ::open(QFile::encodeName(target).constData(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
    }
}

// A value written by hand with a comma reads as a list; it is meant as its text.
QString textOf(const QVariant &value)
{
    return value.typeId() == QMetaType::QStringList ? value.toStringList().join(u',') : value.toString();
}

// QSettings parses a file at the first look into it, and only then knows.
bool isUnreadable(const QString &path)
{
    const QSettings file(path, QSettings::IniFormat);
    (void)file.allKeys();
    return file.status() == QSettings::FormatError;
}

using Values = QList<std::pair<QString, QString>>;

// Writes \a values (full INI keys) into the file at \a path, synced to disk.
bool writeDurably(const QString &path, const Values &values)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Held from the first read to the rename, as the course's settings store does: QSettings
    // would otherwise write over a file another program renamed into place meanwhile.
    const FolderLock lock(QFileInfo(path).absolutePath(), FolderLock::Mode::Exclusive);
    // What QSettings cannot parse it would rewrite in its own way, losing what the file
    // held: it is kept beside the file under another name before anything is written.
    if (isUnreadable(path)) {
        const QString aside =
            path + QStringLiteral(".unreadable-") + QString::number(QDateTime::currentMSecsSinceEpoch());
        qCWarning(lcAgent) << "unreadable character settings moved to" << aside;
        if (!QFile::rename(path, aside))
            return false;
    }
    QSettings file(path, QSettings::IniFormat);
    for (const auto &[key, value] : values)
        file.setValue(key, value);
    file.sync();
    if (file.status() != QSettings::NoError)
        return false;
    syncToDisk(path);
    return true;
}

} // namespace

CharacterSettingsStore::CharacterSettingsStore()
    : CharacterSettingsStore(configFolder() + QStringLiteral("/Veskora/Character.ini"))
{
    if (!adoptFrom(IniSettingsStore::filePath(kApplication)))
        qCWarning(lcAgent) << "the character settings could not be moved to" << m_path;
}

CharacterSettingsStore::CharacterSettingsStore(QString path)
    : m_path(std::move(path))
{
}

QString CharacterSettingsStore::read(const QString &, const QString &section, const QString &key) const
{
    const FolderLock lock(QFileInfo(m_path).absolutePath(), FolderLock::Mode::Shared);
    return textOf(QSettings(m_path, QSettings::IniFormat).value(section + u'/' + key));
}

bool CharacterSettingsStore::save(const QString &, const QString &section, const QString &key, const QString &value)
{
    return writeDurably(m_path, {{section + u'/' + key, value}});
}

bool CharacterSettingsStore::adoptFrom(const QString &courseSettingsPath)
{
    if (!QFileInfo::exists(courseSettingsPath))
        return true;
    // Both files are read and written under their folders' locks, as the course's settings
    // store does, and never with a lock of this process still held on the way to another.
    const QString courseFolder = QFileInfo(courseSettingsPath).absolutePath();
    std::optional<FolderLock> readingCourse(std::in_place, courseFolder, FolderLock::Mode::Shared);
    QSettings course(courseSettingsPath, QSettings::IniFormat);
    course.beginGroup(kGroup);
    const QStringList oldKeys = course.childKeys();
    if (oldKeys.isEmpty())
        return true;

    Values missing;
    {
        const FolderLock readingOwn(QFileInfo(m_path).absolutePath(), FolderLock::Mode::Shared);
        const QSettings own(m_path, QSettings::IniFormat);
        for (const QString &key : oldKeys) {
            if (!own.contains(kGroup + u'/' + key))
                missing.append({kGroup + u'/' + key, textOf(course.value(key))});
        }
    }
    readingCourse.reset();
    if (!missing.isEmpty() && !writeDurably(m_path, missing))
        return false;
    const FolderLock writingCourse(courseFolder, FolderLock::Mode::Exclusive);
    course.endGroup();
    course.remove(kGroup);
    course.sync();
    if (course.status() != QSettings::NoError)
        qCWarning(lcAgent) << "the old character settings could not be removed from" << courseSettingsPath;
    else
        syncToDisk(courseSettingsPath);
    return true;
}

} // namespace Platform
