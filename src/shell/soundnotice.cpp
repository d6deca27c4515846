// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/soundnotice.h"

#include <QMessageBox>

#include "platform/agent/characterservice.h"
#include "platform/core/programstate.h"

namespace Shell {

QString soundUnavailableText(int language)
{
    switch (language) {
    case Platform::Language::Swedish:
        return QStringLiteral("Talet kan inte höras: ingen ljudenhet kunde spela upp det. "
                              "Figuren visar ändå vad den säger i sin pratbubbla.");
    case Platform::Language::Finnish:
        return QStringLiteral("Puhetta ei kuulu: mikään äänilaite ei pystynyt toistamaan sitä. "
                              "Hahmo näyttää silti puhekuplassaan, mitä se sanoo.");
    case Platform::Language::German:
        return QStringLiteral("Die Sprache ist nicht zu hören: Kein Audiogerät konnte sie wiedergeben. "
                              "Die Figur zeigt trotzdem in ihrer Sprechblase, was sie sagt.");
    case Platform::Language::French:
        return QStringLiteral("La voix ne peut pas être entendue : aucun périphérique audio n'a pu la lire. "
                              "Le personnage affiche toujours ce qu'il dit dans sa bulle.");
    case Platform::Language::Spanish:
        return QStringLiteral("No se puede oír la voz: ningún dispositivo de sonido pudo reproducirla. "
                              "El personaje sigue mostrando lo que dice en su bocadillo.");
    default:
        return QStringLiteral("Speech cannot be heard: no sound device could play it. "
                              "The character still shows what it says in its speech balloon.");
    }
}

void showSoundProblems(Platform::CharacterService &characters, const Platform::ProgramState &state)
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
