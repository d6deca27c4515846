// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/settings/inisettingsstore.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <fcntl.h>
#include <unistd.h>

#include "platform/settings/folderlock.h"

namespace Platform {
namespace {

QString configFolder()
{
    // QSettings' user scope follows XDG_CONFIG_HOME; asking it directly keeps both in step.
    QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder))
        folder = QDir::homePath() + QStringLiteral("/.config");
    return folder;
}

QString iniKey(const QString &section, const QString &key)
{
    return section + u'/' + key;
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

QString textOf(const QVariant &value)
{
    // A value that is not text (a list written by hand into the file) reads as its text form.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    return value.toString();
}

/// Why \a path could not be written, as far as the file system tells.
QString writeProblem(const QString &path)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (file.exists() && !file.isReadable())
        return QStringLiteral("%1 cannot be read or written by this user").arg(path);
    if (file.exists() && !file.isWritable())
        return QStringLiteral("%1 is read-only or belongs to another user").arg(path);
    if (!folder.isWritable())
        return QStringLiteral("the folder %1 is read-only or belongs to another user").arg(folder.filePath());
    return QStringLiteral("%1 could not be written (the disk may be full)").arg(path);
}

} // namespace

QString IniSettingsStore::filePath(const QString &application)
{
    return configFolder() + u'/' + application + u'/' + application + QStringLiteral(".ini");
}

IniSettingsStore IniSettingsStore::forFile(const QString &path)
{
    IniSettingsStore store;
    store.m_file = path;
    return store;
}

QString IniSettingsStore::pathFor(const QString &application) const
{
    return m_file.isEmpty() ? filePath(application) : m_file;
}

QString IniSettingsStore::read(const QString &application, const QString &section, const QString &key) const
{
    const QString path = pathFor(application);
    const auto kept = m_unsaved.constFind(path);
    if (kept != m_unsaved.cend() && kept->contains(iniKey(section, key)))
        return kept->value(iniKey(section, key));
    // Shared with other readers; a save in another copy of the program waits until the file
    // has been read (see save()).
    const FolderLock lock(QFileInfo(path).absolutePath(), FolderLock::Mode::Shared);
    const QSettings settings(path, QSettings::IniFormat);
    return textOf(settings.value(iniKey(section, key)));
}

bool IniSettingsStore::moveAsideIfUnparsable(const QString &path, QHash<QString, QString> &values)
{
    if (!QFileInfo::exists(path))
        return true;
    const QSettings current(path, QSettings::IniFormat);
    // QSettings parses the file on first use, and only then knows its status.
    const QStringList keys = current.allKeys();
    if (current.status() != QSettings::FormatError)
        return true;
    // The file does not parse: writing it back would lose what QSettings could not read, so
    // the file is kept beside the store under another name. The values that could be read
    // (the installer's record among them) go on in the fresh file.
    for (const QString &key : keys) {
        if (!values.contains(key))
            values.insert(key, textOf(current.value(key)));
    }
    const QString aside = path + QStringLiteral(".unreadable-") + QString::number(QDateTime::currentMSecsSinceEpoch());
    return QFile::rename(path, aside);
}

bool IniSettingsStore::save(const QString &application, const QString &section, const QString &key,
                            const QString &value)
{
    const QString path = pathFor(application);
    // Values kept from earlier failed saves are written with this one.
    QHash<QString, QString> values = m_unsaved.value(path);
    values.insert(iniKey(section, key), value);

    QDir().mkpath(QFileInfo(path).absolutePath());
    // QSettings notes a file's size and time after reading it, keeps what it read for the
    // rest of the process, and a save trusts that note to skip reading the file again. A
    // file another copy of the program renamed into place between the read and the note
    // would be written over with the older text, losing that copy's values. The folder's
    // lock keeps every other save out from the first read here to the rename.
    const FolderLock lock(QFileInfo(path).absolutePath(), FolderLock::Mode::Exclusive);
    bool written = moveAsideIfUnparsable(path, values);
    if (written) {
        QSettings settings(path, QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            settings.setValue(it.key(), it.value());
        settings.sync();
        // A file that cannot be written (read-only, another user's, a full disk) is left
        // exactly as it is: QSettings writes a temporary file and renames it only on success.
        written = settings.status() == QSettings::NoError;
    }
    if (!written) {
        m_unsaved.insert(path, values);
        m_lastProblem = writeProblem(path);
        return false;
    }
    m_unsaved.remove(path);
    syncToDisk(path);
    return true;
}

QString IniSettingsStore::lastSaveProblem() const
{
    return m_lastProblem;
}

} // namespace Platform
