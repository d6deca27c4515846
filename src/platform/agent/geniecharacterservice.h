// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <map>
#include <memory>

#include <QPointer>

#include "platform/agent/agentsettingsdialog.h"
#include "platform/agent/characterplayer.h"
#include "platform/agent/characterservice.h"
#include "platform/core/apppaths.h"

namespace Platform {

class CharacterCommandMenu;
class CharacterWindow;
class SettingsStore;
class SpeechAudio;
class SpeechEngine;
class TraceWriter;

/// The real character service: animated figures on the desktop that speak through
/// libespeak-ng, with a speech balloon, a pop-up menu and a settings dialog. It checks and
/// traces each request and hands it to the player of its character (CharacterPlayer),
/// which carries the requests out in order.
///
/// Construction is cheap: the synthesiser starts at the first Load, sound devices are
/// looked up at the first speech, and windows are made when a character is loaded. When the
/// synthesiser cannot start, everything still runs: speech is silent (the balloon keeps the
/// pace) and LanguageID 1049 fails with NoRussianLanguageSupport.
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
    /// Speech through libespeak-ng (set up on first use). \a settings keeps the character's
    /// own settings (section "Character"): the learner's CharacterSettingsStore, apart from
    /// the course's settings.
    GenieCharacterService(const AppPaths &paths, SettingsStore &settings, QObject *parent = nullptr);
    /// Speech through \a engine (tests inject voices that are missing).
    GenieCharacterService(const AppPaths &paths, SettingsStore &settings, std::unique_ptr<SpeechEngine> engine,
                          QObject *parent = nullptr);
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
    Result<Utterance> synthesize(const QString &characterId, const QString &text) override;
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

    /// The figure window of \a characterId, or nullptr (tests, screenshots).
    CharacterWindow *figure(const QString &characterId) const;
    /// The balloon window of \a characterId, or nullptr.
    QWidget *balloon(const QString &characterId) const;
    /// The settings dialog once it has been opened, or nullptr.
    AgentSettingsDialog *settingsDialog() const { return m_dialog; }
    /// The voice ("ru" or "en") that \a characterId speaks with.
    QString voice(const QString &characterId) const;
    /// True while \a characterId has requests waiting or running.
    bool isBusy(const QString &characterId) const;
    CharacterSettings settings() const { return m_settings; }

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
    /// Writes \a line to the trace; fails with CharacterNotLoaded for an unknown id.
    Status trace(const QString &line, const QString &characterId);
    CharacterPlayer *player(const QString &characterId) const;
    SpeechEngine &engine();
    void applySettings();
    void settingsAccepted();

    AppPaths m_paths;
    SettingsStore *m_settingsStore;
    std::unique_ptr<SpeechEngine> m_engine;
    std::unique_ptr<TraceWriter> m_trace;
    SpeechAudio *m_audio;
    CharacterCommandMenu *m_menu;
    PlaybackContext m_context;
    std::map<QString, std::unique_ptr<CharacterPlayer>> m_players;
    ControlId m_nextControl = 1;
    CharacterSettings m_settings;
    QPointer<AgentSettingsDialog> m_dialog;
};

} // namespace Platform
