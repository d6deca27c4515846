// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/agentcontrol.h"

namespace Platform {

AgentBalloon::AgentBalloon(CharacterService &service, QString characterId)
    : m_service(&service)
    , m_id(std::move(characterId))
{
}

Result<quint32> AgentBalloon::style() const { return m_service->balloonStyle(m_id); }
Status AgentBalloon::setStyle(quint32 style) { return m_service->setBalloonStyle(m_id, style); }
Status AgentBalloon::setFontSize(int size) { return m_service->setBalloonFontSize(m_id, size); }
Status AgentBalloon::setFontCharSet(int charSet) { return m_service->setBalloonFontCharSet(m_id, charSet); }
Status AgentBalloon::setFontName(const QString &name) { return m_service->setBalloonFontName(m_id, name); }

AgentCharacter::AgentCharacter(AgentControl &control, QString characterId)
    : m_control(&control)
    , m_id(std::move(characterId))
{
}

Status AgentCharacter::setLanguageID(int languageId) { return m_control->service().setLanguageId(m_id, languageId); }
Status AgentCharacter::setTTSModeID(const QString &modeId) { return m_control->service().setTtsModeId(m_id, modeId); }
Status AgentCharacter::moveTo(int x, int y) { return m_control->service().moveTo(m_id, x, y); }
Status AgentCharacter::show() { return m_control->service().show(m_id); }
Status AgentCharacter::play(const QString &animation) { return m_control->service().play(m_id, animation); }
Status AgentCharacter::speak(const QString &text) { return m_control->service().speak(m_id, text); }
Status AgentCharacter::listen(bool on) { return m_control->service().listen(m_id, on); }
AgentBalloon AgentCharacter::balloon() const { return AgentBalloon(m_control->service(), m_id); }

Status AgentCharacter::removeAllCommands()
{
    m_control->m_commands[m_id].clear();
    return m_control->publishCommands(m_id);
}

Status AgentCharacter::addCommand(const QString &name, const QString &caption, const QString &voice)
{
    m_control->m_commands[m_id].append(AgentCommand{name, caption, voice});
    return m_control->publishCommands(m_id);
}

AgentControl::AgentControl(CharacterService &service, QObject *parent)
    : QObject(parent)
    , m_service(&service)
    , m_id(service.registerControl())
{
    connect(m_service, &CharacterService::commandChosen, this,
            [this](CharacterService::ControlId control, const AgentCommand &chosen) {
                if (control == m_id)
                    Q_EMIT command(chosen);
            });
    connect(m_service, &CharacterService::propertiesChanged, this, &AgentControl::agentPropertyChange);
}

AgentControl::~AgentControl()
{
    if (m_service)
        m_service->unregisterControl(m_id);
}

Status AgentControl::load(const QString &characterId, const QString &file)
{
    const Status status = m_service->load(characterId, file);
    if (status.ok())
        m_loaded.insert(characterId);
    return status;
}

Result<AgentCharacter> AgentControl::character(const QString &characterId)
{
    if (!m_loaded.contains(characterId) || !m_service->isLoaded(characterId))
        return Error{ErrorCode::CharacterNotLoaded, QStringLiteral("character not loaded: %1").arg(characterId)};
    return AgentCharacter(*this, characterId);
}

Status AgentControl::setPropertySheetVisible(bool visible)
{
    return m_service->setPropertySheetVisible(visible);
}

Status AgentControl::publishCommands(const QString &characterId)
{
    return m_service->setCommands(m_id, characterId, m_commands.value(characterId));
}

} // namespace Platform
