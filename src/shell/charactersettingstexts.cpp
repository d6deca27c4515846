// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/charactersettingstexts.h"

#include "course/captiontable.h"
#include "course/programstate.h"
#include "platform/agent/charactersettingssheet.h"
#include "platform/agent/geniecharacterservice.h"

namespace Shell {

Platform::CharacterSettingsTexts characterSettingsTexts(int language)
{
    const Course::CaptionTable &table = Course::CaptionTable::builtIn(QStringLiteral("charactersettings"));
    const auto text = [&](const char *key) { return table.textOrEnglish(language, QString::fromLatin1(key)); };
    Platform::CharacterSettingsTexts texts;
    texts.title = text("title");
    texts.speakAloud = text("speakAloud");
    texts.volume = text("volume");
    texts.voice = text("voice");
    texts.voiceLight = text("voiceLight");
    texts.voiceNatural = text("voiceNatural");
    texts.balloon = text("balloon");
    texts.balloonFont = text("balloonFont");
    texts.fontSize = text("fontSize");
    return texts;
}

void translateCharacterSettings(Platform::GenieCharacterService &characters, const Course::ProgramState &state)
{
    characters.settingsSheet().setTexts([&state] { return characterSettingsTexts(state.language()); });
}

} // namespace Shell
