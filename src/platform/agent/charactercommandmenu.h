// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <map>

#include <QHash>

#include "platform/agent/characterservice.h"

class QWidget;

namespace Platform {

/// The entries that controls add to the characters' pop-up menus, and the menu itself.
/// Each control's entries are kept apart, so a choice reaches the control that added it.
class CharacterCommandMenu final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CharacterCommandMenu)
public:
    explicit CharacterCommandMenu(QObject *parent = nullptr);

    /// Replaces what \a control has added for \a characterId.
    void setCommands(CharacterService::ControlId control, const QString &characterId,
                     const QList<AgentCommand> &commands);
    /// Drops everything \a control has added.
    void removeControl(CharacterService::ControlId control);
    /// A control id not handed out before (1, 2, …).
    CharacterService::ControlId newControl() { return m_nextControl++; }
    /// Opens the menu of \a characterId over \a figure at \a globalPos (nothing when it
    /// would be empty). The menu ("agentCommandMenu") deletes itself when closed.
    void popup(const QString &characterId, QWidget *figure, const QPoint &globalPos);

Q_SIGNALS:
    void chosen(Platform::CharacterService::ControlId control, const Platform::AgentCommand &command);

private:
    std::map<CharacterService::ControlId, QHash<QString, QList<AgentCommand>>> m_commands;
    CharacterService::ControlId m_nextControl = 1;
};

} // namespace Platform
