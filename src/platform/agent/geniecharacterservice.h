// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <map>
#include <memory>

#include "platform/agent/characterplayer.h"
#include "platform/agent/characterservice.h"
#include "platform/agent/speechengine.h"
#include "platform/core/apppaths.h"

namespace Platform {

class CharacterCommandMenu;
class CharacterSettingsSheet;
class SettingsStore;
class TraceWriter;

/// The real character service: animated figures on the desktop that speak through
/// libespeak-ng, with a speech balloon, a pop-up menu and a settings dialog. It checks and
/// traces each request and hands it to the player of its character (CharacterPlayer),
/// which carries the requests out in order.
///
/// Construction is cheap: the synthesiser starts on its own thread (SpeechWorker) in the
/// background at the first Load, sound devices are looked up at the first speech, and
/// windows are made when a character is loaded. When the synthesiser cannot start,
/// everything still runs: speech is silent (the balloon keeps the pace) and LanguageID
/// 1049 fails with NoRussianLanguageSupport.
///
/// Balloon style word: see CharacterBalloon. So the windows' 0x00100000 allows up to 16
/// lines and their 0x04000000 asks for lines of 32 characters. The default is 0x0000000D.
///
/// The settings dialog's values win over the windows' font only until a window sets its
/// balloon font again, which the windows do when propertiesChanged tells them.
///
/// Environment, read at construction: VESKORA_AGENT_TRACE (trace file, see
/// CharacterService) and VESKORA_AUDIO_OUT (all speech goes into that one WAV file instead of
/// the sound device, in the order spoken, without the time between requests).
class GenieCharacterService final : public CharacterService {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GenieCharacterService)
public:
    /// Speech through libespeak-ng (set up on first use), or through \a engine (tests inject
    /// voices that are missing; it is used and destroyed on the synthesiser's thread: only
    /// engines that may move between threads). \a settings keeps the character's own
    /// settings (section "Character"): the learner's CharacterSettingsStore, apart from the
    /// course's settings.
    GenieCharacterService(const AppPaths &paths, SettingsStore &settings,
                          std::unique_ptr<SpeechEngine> engine = nullptr, QObject *parent = nullptr);
    ~GenieCharacterService() override;

    ControlId registerControl() override;
    void unregisterControl(ControlId control) override;
    Status load(const QString &characterId, const QString &file) override;
    bool isLoaded(const QString &characterId) const override;
    Status setLanguageId(const QString &characterId, int languageId) override;
    Status setTtsModeId(const QString &characterId, const QString &modeId) override;
    Status moveTo(const QString &characterId, int x, int y) override;
    Status show(const QString &characterId) override;
    Status play(const QString &characterId, const QString &animation) override;
    Status speak(const QString &characterId, const QString &text) override;
    Status listen(const QString &characterId, bool on) override;
    Status synthesize(const QString &characterId, const QString &text, QObject *receiver, SpeechDelivery done) override;
    Result<quint32> balloonStyle(const QString &characterId) const override;
    Status setBalloonStyle(const QString &characterId, quint32 style) override;
    Status setBalloonFontSize(const QString &characterId, int size) override;
    Status setBalloonFontCharSet(const QString &characterId, int charSet) override;
    Status setBalloonFontName(const QString &characterId, const QString &name) override;
    Status setCommands(ControlId control, const QString &characterId, const QList<AgentCommand> &commands) override;
    Status setPropertySheetVisible(bool visible) override;

    /// Runs animations, glides and speech timing \a factor times faster (tests and demos;
    /// sound is then not played, only written to VESKORA_AUDIO_OUT). Default 1.
    void setTimeScale(double factor);

    /// The player of \a characterId (its figure, balloon, voice and queue), or nullptr.
    CharacterPlayer *player(const QString &characterId) const;
    /// The character's settings and their dialog.
    CharacterSettingsSheet &settingsSheet() const { return *m_sheet; }

Q_SIGNALS:
    /// A queued request (its trace line) begins / has ended on the figure.
    void requestStarted(const QString &characterId, const QString &request);
    void requestFinished(const QString &characterId, const QString &request);
    /// The queue of \a characterId has run empty.
    void queueEmpty(const QString &characterId);
    /// Speech audio was handed to the sound output (or would have been, without one).
    void speechAudioStarted(const QString &characterId);
    /// The balloon now shows \a text.
    void balloonTextChanged(const QString &characterId, const QString &text);

private:
    /// Puts the settings in force: balloons, sound output and the Russian voice.
    void applySettings();

    AppPaths m_paths;
    CharacterSettingsSheet *m_sheet;
    std::unique_ptr<TraceWriter> m_trace;
    CharacterCommandMenu *m_menu;
    PlaybackContext m_context;
    std::map<QString, std::unique_ptr<CharacterPlayer>> m_players;
};

} // namespace Platform
