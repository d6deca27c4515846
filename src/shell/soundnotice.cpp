// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/soundnotice.h"

#include <QMessageBox>

#include "course/captiontable.h"
#include "course/programstate.h"
#include "platform/agent/characterservice.h"

namespace Shell {

QString soundUnavailableText(int language)
{
    return Course::CaptionTable::builtIn(QStringLiteral("shell"))
        .textOrEnglish(language, QStringLiteral("soundUnavailable"));
}

void showSoundProblems(Platform::CharacterService &characters, const Course::ProgramState &state)
{
    QObject::connect(&characters, &Platform::CharacterService::soundUnavailable, &characters, [&state] {
        auto *box = new QMessageBox(QMessageBox::Information, QStringLiteral("Veskora"),
                                    soundUnavailableText(state.language()), QMessageBox::Ok);
        box->setObjectName(QStringLiteral("soundUnavailableMessage"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    });
}

} // namespace Shell
