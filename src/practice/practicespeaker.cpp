// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "practice/practicespeaker.h"

#include "character/geniereference.h"
#include "course/genie.h"
#include "course/programstate.h"
#include "course/settingskeys.h"
#include "platform/agent/agentcontrol.h"
#include "platform/settings/settingsstore.h"

namespace Practice {

PracticeSpeaker::PracticeSpeaker(Platform::CharacterService *characters, const Course::ProgramState &state,
                                 const Platform::SettingsStore *settings, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_settings(settings)
{
    if (!characters)
        return;
    m_agent = new Platform::AgentControl(*characters, this);
    m_agent->setObjectName(QStringLiteral("Agent1"));
    m_genie = std::make_unique<Character::GenieReference>(
        *m_agent, Character::GenieReference::BalloonFont{Course::Genie::kBalloonFontSize, QStringLiteral("Arial")});
    connect(m_agent, &Platform::AgentControl::command, this,
            [this](const Platform::AgentCommand &command) { m_genie->answerCommand(command); });
    connect(m_agent, &Platform::AgentControl::agentPropertyChange, this, [this] { m_genie->setUpBalloon(); });
}

PracticeSpeaker::~PracticeSpeaker() = default;

void PracticeSpeaker::start()
{
    if (!m_genie)
        return;
    // Each step is tried on its own: without a Russian voice the character still shows.
    m_genie->load();
    m_genie->refresh();
    m_genie->speakRussian();
    m_genie->chooseRussianVoice();
    m_genie->setUpBalloon();
    m_genie->moveTo(Course::Genie::kWaitingPosition);
    m_genie->show();
    m_genie->addSettingsCommand();
}

QString PracticeSpeaker::rate() const
{
    if (!m_state.speechRate.isEmpty() || !m_settings)
        return m_state.speechRate;
    // The setting holds a rate the slider chose; anything else leaves the voice's own rate.
    const QString stored =
        m_settings->read(Course::Settings::kApplication, Course::Settings::kSection, Course::Settings::kSpeed)
            .trimmed();
    bool number = false;
    stored.toInt(&number);
    return number ? stored : QString();
}

void PracticeSpeaker::say(const QString &russian)
{
    if (m_genie && !russian.isEmpty())
        m_genie->speak(Course::Genie::speechAtRate(rate(), russian));
}

void PracticeSpeaker::requestSpeech(const QString &russian, QObject *receiver,
                                    std::function<void(const Platform::Utterance &)> done)
{
    Platform::AgentCharacter *character = m_genie ? m_genie->character() : nullptr;
    if (character && !russian.isEmpty())
        character->synthesize(Course::Genie::speechAtRate(rate(), russian), receiver, std::move(done));
}

void PracticeSpeaker::play(const QString &animation)
{
    if (m_genie && !animation.isEmpty())
        m_genie->play(animation);
}

void PracticeSpeaker::release()
{
    if (m_genie)
        m_genie->release();
}

} // namespace Practice
