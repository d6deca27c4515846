// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <optional>

#include <QPoint>
#include <QString>

#include "platform/agent/agentcontrol.h"
#include "platform/core/error.h"

namespace Character {

/// A window's hold on the course's character: it loads "Genie" through the window's own
/// Agent control, keeps the character reference, and sets the character up the way the
/// course wants it (Russian voice, balloon, position). Each operation is one step that a
/// window runs on its own step runner; every step fails with CharacterNotLoaded while the
/// window holds no reference.
class GenieReference final {
public:
    /// How the balloon is set up: its point size and font name.
    struct BalloonFont {
        int size = 0;
        QString name;
    };

    /// Holds the character through \a agent; \a font is how this window's balloon looks.
    GenieReference(Platform::AgentControl &agent, BalloonFont font);

    Platform::AgentControl &agent() const { return m_agent; }

    /// Loads the character from its file.
    Platform::Status load();
    /// Looks the character up again and keeps the reference.
    Platform::Status refresh();
    /// Makes the character speak Russian; fails with NoRussianLanguageSupport when no
    /// Russian voice can be loaded.
    Platform::Status speakRussian();
    /// Chooses the Russian text-to-speech voice.
    Platform::Status chooseRussianVoice();
    /// Adds the course's balloon style bits and sets the balloon's size, character set and
    /// font. Every part is tried; the first failure is returned.
    Platform::Status setUpBalloon();
    Platform::Status moveTo(QPoint position);
    Platform::Status show();
    Platform::Status play(const QString &animation);
    Platform::Status speak(const QString &text);
    Platform::Status listen(bool on);

    /// Puts the entry that opens the character service's settings into the character's
    /// pop-up menu, in place of the window's earlier entries (looking the character up again
    /// first).
    Platform::Status addSettingsCommand();
    /// Answers a pop-up menu entry the learner chose: the settings entry opens the settings.
    void answerCommand(const Platform::AgentCommand &command);

    /// The reference, or nothing before refresh() succeeded and after release().
    Platform::AgentCharacter *character();
    bool holds() const { return m_character.has_value(); }
    /// Drops the reference; the character stays on screen.
    void release();

    /// The failure every step returns while no reference is held.
    static Platform::Status noCharacter();

private:
    Platform::AgentControl &m_agent;
    BalloonFont m_font;
    std::optional<Platform::AgentCharacter> m_character;
};

} // namespace Character
