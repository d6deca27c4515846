// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "character/geniereference.h"

#include "course/genie.h"

namespace Character {

GenieReference::GenieReference(Platform::AgentControl &agent, BalloonFont font)
    : m_agent(agent)
    , m_font(std::move(font))
{
}

Platform::Status GenieReference::noCharacter()
{
    return Platform::fail(Platform::ErrorCode::CharacterNotLoaded, QStringLiteral("no character reference"));
}

Platform::Status GenieReference::load()
{
    return m_agent.load(Course::Genie::kId, Course::Genie::kFile);
}

Platform::Status GenieReference::refresh()
{
    auto character = m_agent.character(Course::Genie::kId);
    if (!character)
        return character.status();
    m_character = *character;
    return Platform::ok();
}

Platform::Status GenieReference::speakRussian()
{
    return m_character ? m_character->setLanguageID(Course::Genie::kRussianLanguageId) : noCharacter();
}

Platform::Status GenieReference::chooseRussianVoice()
{
    return m_character ? m_character->setTTSModeID(Course::Genie::kRussianVoiceId) : noCharacter();
}

Platform::Status GenieReference::setUpBalloon()
{
    if (!m_character)
        return noCharacter();
    Platform::Status first;
    const auto keep = [&first](const Platform::Status &status) {
        if (first.ok() && status.failed())
            first = status;
    };
    Platform::AgentBalloon balloon = m_character->balloon();
    for (const quint32 bits : {Course::Genie::kBalloonLineWidth32, Course::Genie::kBalloonLines16}) {
        const Platform::Result<quint32> style = balloon.style();
        keep(style ? balloon.setStyle(*style | bits) : style.status());
    }
    keep(balloon.setFontSize(m_font.size));
    keep(balloon.setFontCharSet(Course::Genie::kBalloonCharSet));
    // The font name goes to the balloon of a fresh look-up, not of the kept reference.
    const Platform::Result<Platform::AgentCharacter> fresh = m_agent.character(Course::Genie::kId);
    keep(fresh ? fresh->balloon().setFontName(m_font.name) : fresh.status());
    return first;
}

Platform::Status GenieReference::moveTo(QPoint position)
{
    return m_character ? m_character->moveTo(position.x(), position.y()) : noCharacter();
}

Platform::Status GenieReference::show()
{
    return m_character ? m_character->show() : noCharacter();
}

Platform::Status GenieReference::play(const QString &animation)
{
    return m_character ? m_character->play(animation) : noCharacter();
}

Platform::Status GenieReference::speak(const QString &text)
{
    return m_character ? m_character->speak(text) : noCharacter();
}

Platform::Status GenieReference::listen(bool on)
{
    return m_character ? m_character->listen(on) : noCharacter();
}

Platform::Status GenieReference::addSettingsCommand()
{
    if (const Platform::Status status = refresh(); status.failed())
        return status;
    if (const Platform::Status status = m_character->removeAllCommands(); status.failed())
        return status;
    const QString &command = Course::Genie::kSettingsCommand;
    return m_character->addCommand(command, command, command);
}

void GenieReference::answerCommand(const Platform::AgentCommand &command)
{
    refresh();
    if (command.name == Course::Genie::kSettingsCommand)
        m_agent.setPropertySheetVisible(true);
}

Platform::AgentCharacter *GenieReference::character()
{
    return m_character ? &*m_character : nullptr;
}

void GenieReference::release()
{
    m_character.reset();
}

} // namespace Character
