// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>
#include <QStringList>

namespace Installer {

/// Looks for the speech components the course needs on this machine.
class ComponentProbe final {
public:
    /// \a applicationFolder is the course's folder (the parent of the Tamrelon folder).
    explicit ComponentProbe(QString applicationFolder);

    /// The espeak-ng data folder holding a Russian dictionary (ru_dict), or empty.
    QString russianVoiceData() const;
    /// The espeak-ng data folder holding an English dictionary (en_dict), or empty.
    QString englishVoiceData() const;
    /// The character file characters/Genie.acs in the application folder, or empty.
    QString characterFile() const;
    /// Whether the system offers an audio output device.
    static bool soundOutput();
    /// Whether a font with Cyrillic letters is installed.
    static bool cyrillicFont();
    /// The installed font families with Cyrillic letters.
    static QStringList cyrillicFontFamilies();
    /// The file of the speech library libespeak-ng when it can be loaded, or empty.
    static QString speechLibrary();

    /// The folder of Festival's Russian voice (msu_ru_nsh_clunits, package festvox-ru) when
    /// it and Festival's own files are installed, or empty. \a festivalFolder: Festival's
    /// library folder (tests).
    static QString festivalRussianVoice(const QString &festivalFolder = QStringLiteral("/usr/share/festival"));

    /// Folders where espeak-ng data may lie ($ESPEAK_DATA_PATH first).
    static QStringList espeakDataFolders();

private:
    QString voiceData(const QString &dictionary) const;
    QString m_folder;
};

} // namespace Installer
