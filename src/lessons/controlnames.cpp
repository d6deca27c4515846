// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "lessons/controlnames.h"

#include "course/captiontable.h"

namespace Lessons {

ControlNames controlNames(int language)
{
    const Course::CaptionTable &table = Course::CaptionTable::builtIn(QStringLiteral("lessoncontrols"));
    const auto text = [&](const char *key) { return table.textOrEnglish(language, QString::fromLatin1(key)); };
    return ControlNames{text("picture"),        text("letterBlocks"),  text("lessonCommands"),
                        text("recordCommands"), text("speedOfSpeech"), text("russianText"),
                        text("translation"),    text("lessonHeading"), text("transliteration")};
}

} // namespace Lessons
