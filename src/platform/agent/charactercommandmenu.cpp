// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/charactercommandmenu.h"

#include <QMenu>

namespace Platform {

CharacterCommandMenu::CharacterCommandMenu(QObject *parent)
    : QObject(parent)
{
}

void CharacterCommandMenu::setCommands(CharacterService::ControlId control, const QString &characterId,
                                       const QList<AgentCommand> &commands)
{
    m_commands[control][characterId] = commands;
}

void CharacterCommandMenu::removeControl(CharacterService::ControlId control)
{
    m_commands.erase(control);
}

void CharacterCommandMenu::popup(const QString &characterId, QWidget *figure, const QPoint &globalPos)
{
    auto *menu = new QMenu(figure);
    menu->setObjectName(QStringLiteral("agentCommandMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const auto &[control, perCharacter] : m_commands) {
        for (const AgentCommand &command : perCharacter.value(characterId)) {
            QAction *action = menu->addAction(command.caption);
            action->setObjectName(command.name);
            const CharacterService::ControlId owner = control;
            connect(action, &QAction::triggered, this, [this, owner, command] { Q_EMIT chosen(owner, command); });
        }
    }
    if (menu->isEmpty()) {
        delete menu;
        return;
    }
    menu->popup(globalPos);
}

} // namespace Platform
