// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/agentcontrol.h"

namespace Platform {

namespace {

Error serviceGone(const QString &characterId)
{
    return Error{ErrorCode::CharacterNotLoaded, QStringLiteral("the character service has ended: %1").arg(characterId)};
}

// Runs \a call on \a service, or fails when the service has gone.
template<typename Call>
Status onService(CharacterService *service, const QString &characterId, Call call)
{
    if (!service)
        return serviceGone(characterId);
    return call(*service);
}

} // namespace

AgentBalloon::AgentBalloon(CharacterService *service, QString characterId)
    : m_service(service)
    , m_id(std::move(characterId))
{
}

Result<quint32> AgentBalloon::style() const
{
    if (!m_service)
        return serviceGone(m_id);
    return m_service->balloonStyle(m_id);
}

Status AgentBalloon::setStyle(quint32 style)
{
    return onService(m_service, m_id, [&](CharacterService &service) { return service.setBalloonStyle(m_id, style); });
}

Status AgentBalloon::setFontSize(int size)
{
    return onService(m_service, m_id,
                     [&](CharacterService &service) { return service.setBalloonFontSize(m_id, size); });
}

Status AgentBalloon::setFontCharSet(int charSet)
{
    return onService(m_service, m_id,
                     [&](CharacterService &service) { return service.setBalloonFontCharSet(m_id, charSet); });
}

Status AgentBalloon::setFontName(const QString &name)
{
    return onService(m_service, m_id,
                     [&](CharacterService &service) { return service.setBalloonFontName(m_id, name); });
}

AgentCharacter::AgentCharacter(AgentControl &control, QString characterId)
    : m_control(&control)
    , m_id(std::move(characterId))
{
}

CharacterService *AgentCharacter::service() const
{
    return m_control ? m_control->service() : nullptr;
}

Status AgentCharacter::setLanguageID(int languageId)
{
    return onService(service(), m_id,
                     [&](CharacterService &service) { return service.setLanguageId(m_id, languageId); });
}

Status AgentCharacter::setTTSModeID(const QString &modeId)
{
    return onService(service(), m_id, [&](CharacterService &service) { return service.setTtsModeId(m_id, modeId); });
}

Status AgentCharacter::moveTo(int x, int y)
{
    return onService(service(), m_id, [&](CharacterService &service) { return service.moveTo(m_id, x, y); });
}

Status AgentCharacter::show()
{
    return onService(service(), m_id, [&](CharacterService &service) { return service.show(m_id); });
}

Status AgentCharacter::play(const QString &animation)
{
    return onService(service(), m_id, [&](CharacterService &service) { return service.play(m_id, animation); });
}

Status AgentCharacter::speak(const QString &text)
{
    return onService(service(), m_id, [&](CharacterService &service) { return service.speak(m_id, text); });
}

Status AgentCharacter::listen(bool on)
{
    return onService(service(), m_id, [&](CharacterService &service) { return service.listen(m_id, on); });
}

Status AgentCharacter::synthesize(const QString &text, QObject *receiver, CharacterService::SpeechDelivery done)
{
    return onService(service(), m_id, [&](CharacterService &service) {
        return service.synthesize(m_id, text, receiver, std::move(done));
    });
}

AgentBalloon AgentCharacter::balloon() const
{
    return AgentBalloon(service(), m_id);
}

Status AgentCharacter::removeAllCommands()
{
    if (!service())
        return serviceGone(m_id);
    m_control->m_commands[m_id].clear();
    return m_control->publishCommands(m_id);
}

Status AgentCharacter::addCommand(const QString &name, const QString &caption, const QString &voice)
{
    if (!service())
        return serviceGone(m_id);
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
    const Status status =
        onService(m_service, characterId, [&](CharacterService &service) { return service.load(characterId, file); });
    if (status.ok())
        m_loaded.insert(characterId);
    return status;
}

Result<AgentCharacter> AgentControl::character(const QString &characterId)
{
    if (!m_service)
        return serviceGone(characterId);
    if (!m_loaded.contains(characterId) || !m_service->isLoaded(characterId))
        return Error{ErrorCode::CharacterNotLoaded, QStringLiteral("character not loaded: %1").arg(characterId)};
    return AgentCharacter(*this, characterId);
}

Status AgentControl::setPropertySheetVisible(bool visible)
{
    return onService(m_service, QString(),
                     [&](CharacterService &service) { return service.setPropertySheetVisible(visible); });
}

Status AgentControl::publishCommands(const QString &characterId)
{
    return onService(m_service, characterId, [&](CharacterService &service) {
        return service.setCommands(m_id, characterId, m_commands.value(characterId));
    });
}

} // namespace Platform
