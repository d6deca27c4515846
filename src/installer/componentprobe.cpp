// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "installer/componentprobe.h"

#include <QAudioDevice>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLibrary>
#include <QMediaDevices>

namespace Installer {

ComponentProbe::ComponentProbe(QString applicationFolder)
    : m_folder(std::move(applicationFolder))
{
}

QStringList ComponentProbe::espeakDataFolders()
{
    QStringList folders;
    const QString fromEnvironment = qEnvironmentVariable("ESPEAK_DATA_PATH");
    if (!fromEnvironment.isEmpty())
        folders << fromEnvironment << fromEnvironment + QStringLiteral("/espeak-ng-data");
    folders << QStringLiteral("/usr/lib/x86_64-linux-gnu/espeak-ng-data")
            << QStringLiteral("/usr/lib/aarch64-linux-gnu/espeak-ng-data") << QStringLiteral("/usr/lib/espeak-ng-data")
            << QStringLiteral("/usr/share/espeak-ng-data") << QStringLiteral("/usr/local/share/espeak-ng-data");
    return folders;
}

QString ComponentProbe::voiceData(const QString &dictionary) const
{
    for (const QString &folder : espeakDataFolders()) {
        if (QFileInfo::exists(folder + u'/' + dictionary))
            return folder;
    }
    return {};
}

QString ComponentProbe::russianVoiceData() const
{
    return voiceData(QStringLiteral("ru_dict"));
}
QString ComponentProbe::englishVoiceData() const
{
    return voiceData(QStringLiteral("en_dict"));
}

QString ComponentProbe::characterFile() const
{
    const QString path = m_folder + QStringLiteral("/characters/Genie.acs");
    return QFileInfo(path).isFile() ? path : QString();
}

bool ComponentProbe::soundOutput()
{
    return !QMediaDevices::audioOutputs().isEmpty();
}

bool ComponentProbe::cyrillicFont()
{
    return !QFontDatabase::families(QFontDatabase::Cyrillic).isEmpty();
}

QStringList ComponentProbe::cyrillicFontFamilies()
{
    return QFontDatabase::families(QFontDatabase::Cyrillic);
}

QString ComponentProbe::speechLibrary()
{
    // The character service loads the same library; a missing or broken one shows here first.
    QLibrary library(QStringLiteral("espeak-ng"), 1);
    if (!library.load() || !library.resolve("espeak_ng_Initialize"))
        return {};
    // The loader's search found it somewhere; name the file the learner can look for.
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (maps.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> lines = maps.readAll().split('\n');
        for (const QByteArray &line : lines) {
            const qsizetype at = line.indexOf('/');
            if (at >= 0 && line.contains("libespeak-ng"))
                return QString::fromLocal8Bit(line.mid(at));
        }
    }
    return library.fileName();
}

QString ComponentProbe::festivalRussianVoice(const QString &festivalFolder)
{
    const QString voice = festivalFolder + QStringLiteral("/voices/russian/msu_ru_nsh_clunits");
    const bool installed = QFileInfo::exists(festivalFolder + QStringLiteral("/init.scm"))
        && QFileInfo::exists(voice + QStringLiteral("/festvox/msu_ru_nsh_clunits.scm"));
    return installed ? voice : QString();
}

} // namespace Installer
