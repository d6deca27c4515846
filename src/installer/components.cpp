// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "installer/components.h"

#include <QFileInfo>

#include "installer/componentprobe.h"

namespace Installer {
namespace {

constexpr ComponentInfo kComponents[] = {
    {Component::CharacterService, "MSAgent", 301, "libespeak-ng1"},
    {Component::CharacterFile, "Genie", 302, ""},
    {Component::EnglishVoice, "tv_enua", 303, "espeak-ng-data"},
    {Component::RussianVoice, "lhttsrur", 304, "espeak-ng-data"},
    {Component::CyrillicFonts, "AgtX0419", 305, "fonts-dejavu-core"},
    {Component::SpeechSettings, "spchcpl", 306, ""},
};

Finding fromPath(const QString &path)
{
    return Finding{!path.isEmpty(), path};
}

} // namespace

const ComponentInfo *componentForProgram(const QString &programPath)
{
    QString name = QFileInfo(programPath).fileName();
    if (name.endsWith(u".exe", Qt::CaseInsensitive))
        name.chop(4);
    for (const ComponentInfo &info : kComponents) {
        if (name.compare(QLatin1String(info.program), Qt::CaseInsensitive) == 0)
            return &info;
    }
    return nullptr;
}

Finding checkComponent(Component component, const ComponentProbe &probe)
{
    switch (component) {
    case Component::CharacterService: {
        Finding finding = fromPath(ComponentProbe::speechLibrary());
        finding.soundOutput = ComponentProbe::soundOutput();
        return finding;
    }
    case Component::CharacterFile:
        return fromPath(probe.characterFile());
    case Component::EnglishVoice: {
        const QString folder = probe.englishVoiceData();
        return fromPath(folder.isEmpty() ? folder : folder + QStringLiteral("/en_dict"));
    }
    case Component::RussianVoice: {
        const QString folder = probe.russianVoiceData();
        Finding finding = fromPath(folder.isEmpty() ? folder : folder + QStringLiteral("/ru_dict"));
        finding.naturalVoice = ComponentProbe::festivalRussianVoice();
        return finding;
    }
    case Component::CyrillicFonts: {
        const QStringList families = ComponentProbe::cyrillicFontFamilies();
        return Finding{!families.isEmpty(), families.mid(0, 3).join(QStringLiteral(", "))};
    }
    case Component::SpeechSettings:
        // The settings live in the settings store, which is always there.
        return Finding{true, {}};
    }
    return {};
}

} // namespace Installer
