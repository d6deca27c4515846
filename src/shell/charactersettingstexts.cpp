// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/charactersettingstexts.h"

#include "course/captiontable.h"
#include "course/programstate.h"

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

std::function<Platform::CharacterSettingsTexts()> characterSettingsTexts(const Course::ProgramState &state)
{
    return [&state] { return characterSettingsTexts(state.language()); };
}

} // namespace Shell
