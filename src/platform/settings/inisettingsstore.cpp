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

bool writeValue(const QString &path, const QString &key, const QString &value)
{
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
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
    const QSettings settings(pathFor(application), QSettings::IniFormat);
    const QVariant value = settings.value(iniKey(section, key));
    // A value that is not text (a list written by hand into the file) reads as its text form.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    return value.toString();
}

bool IniSettingsStore::save(const QString &application, const QString &section, const QString &key,
                            const QString &value)
{
    const QString path = pathFor(application);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!writeValue(path, iniKey(section, key), value)) {
        // A file that QSettings cannot parse cannot be written back without losing what it
        // holds: keep it beside the store under another name and start a fresh one.
        if (!QFile::exists(path))
            return false;
        QFile::rename(path,
                      path + QStringLiteral(".unreadable-") + QString::number(QDateTime::currentMSecsSinceEpoch()));
        if (!writeValue(path, iniKey(section, key), value))
            return false;
    }
    syncToDisk(path);
    return true;
}

} // namespace Platform
