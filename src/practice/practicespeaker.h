// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <functional>
#include <memory>

#include <QObject>

#include "platform/agent/speechengine.h"

namespace Character {
class GenieReference;
}
namespace Platform {
class AgentControl;
class CharacterService;
class SettingsStore;
} // namespace Platform
namespace Course {
struct ProgramState;
}

namespace Practice {

/// The practice window's genie: loaded through the window's own Agent control, speaking
/// Russian at the learner's rate (the program's speech rate, or the stored "Speed" setting
/// while no lesson window has set it). Every request that fails is skipped, so a window
/// without a character works silently.
class PracticeSpeaker final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PracticeSpeaker)
public:
    /// \a characters may be null; \a settings may be null.
    PracticeSpeaker(Platform::CharacterService *characters, const Course::ProgramState &state,
                    const Platform::SettingsStore *settings, QObject *parent = nullptr);
    ~PracticeSpeaker() override;

    /// Loads the character, makes it speak Russian, sets up its balloon, moves it to its
    /// waiting place, shows it and puts its settings entry into its pop-up menu.
    void start();
    /// Says \a russian at the learner's rate.
    void say(const QString &russian);
    /// Asks for the genie's speech of \a russian at the learner's rate, handed back to
    /// \a done (on this thread, later, while \a receiver lives) instead of said. Nothing
    /// comes when there is no character.
    void requestSpeech(const QString &russian, QObject *receiver,
                       std::function<void(const Platform::Utterance &)> done);
    /// Plays \a animation when it is not empty.
    void play(const QString &animation);
    /// Lets go of the character reference; the character stays on screen.
    void release();

    /// The rate text put into the speed tag.
    QString rate() const;

private:
    Platform::AgentControl *m_agent = nullptr;
    std::unique_ptr<Character::GenieReference> m_genie;
    const Course::ProgramState &m_state;
    const Platform::SettingsStore *m_settings;
};

} // namespace Practice
