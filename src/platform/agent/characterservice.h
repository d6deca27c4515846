// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <functional>

#include <QList>
#include <QObject>
#include <QString>

#include "platform/agent/speechengine.h"
#include "platform/core/error.h"

namespace Platform {

/// One entry of a character's pop-up menu, as a control adds it.
struct AgentCommand {
    QString name;
    QString caption;
    QString voice;
    friend bool operator==(const AgentCommand &, const AgentCommand &) = default;
};

/// The most characters one speech request carries, tags included. The course's longest
/// request, a lesson sentence with its rate and pitch tags, has about a hundred; a text
/// beyond this (a damaged course file, a whole page pasted into a field) would take the
/// synthesiser's memory and minutes of speech. It is cut at the last blank before the limit
/// and the beginning is spoken and shown, as far as a learner would listen anyway.
inline constexpr int kMaxSpeechLength = 2000;

/// The process-wide character service: it owns one on-screen figure per character id and
/// one ordered request queue per character. Requests (move, show, play, speak) return at
/// once; the service carries them out in the order issued, whichever control issued them.
/// Windows never use this class directly: each holds its own AgentControl (its "Agent1").
///
/// Every request is also written to the trace file named by VESKORA_AGENT_TRACE as one
/// line: the operation name and its arguments separated by single blanks, texts exactly as
/// passed: "Load Genie Genie.acs", "LanguageID 1049", "TTSModeID {…}", "MoveTo 450 450",
/// "Show", "Play Greet", "Speak <text>", "Listen 0", "BalloonStyle <n>", "BalloonFontSize 14",
/// "BalloonFontCharSet 0", "BalloonFontName Arial", "Commands <name>,<name>…" (the
/// control's whole pop-up list after each change), "PropertySheet 1". A speech text longer
/// than kMaxSpeechLength is traced as it is spoken, cut, followed by
/// "SpeakCut <kept> of <given> characters". A drawing of the character file left out at Load
/// because it refers outside the file adds "DrawingRefused <file> <section>: <reason>".
class CharacterService : public QObject {
    Q_OBJECT
public:
    using ControlId = quint64;

    /// Why speech cannot be heard: no sound device, a device that takes no format speech
    /// can be converted to, or a device that failed when asked to play.
    enum class SoundProblem { NoDevice, FormatRefused, DeviceFailed };
    Q_ENUM(SoundProblem)

    explicit CharacterService(QObject *parent = nullptr)
        : QObject(parent)
    {
    }

    /// A new control identity; commands and events are kept per control.
    virtual ControlId registerControl() = 0;
    /// Drops the control's commands from the pop-up menu. The character stays on screen.
    virtual void unregisterControl(ControlId control) = 0;

    /// Loads \a characterId from \a file (a bare name is looked up in the application
    /// folder's "characters" folder). Loading an id that is loaded already succeeds and
    /// keeps the one figure. Errors: FileNotFound, CharacterFileInvalid.
    virtual Status load(const QString &characterId, const QString &file) = 0;
    virtual bool isLoaded(const QString &characterId) const = 0;

    /// 1049 selects Russian; fails with NoRussianLanguageSupport when no Russian voice
    /// can be loaded. Other ids select English.
    virtual Status setLanguageId(const QString &characterId, int languageId) = 0;
    virtual Status setTtsModeId(const QString &characterId, const QString &modeId) = 0;

    virtual Status moveTo(const QString &characterId, int x, int y) = 0;
    virtual Status show(const QString &characterId) = 0;
    /// Fails with AnimationNotFound for a name the character file lacks; the queue goes on.
    virtual Status play(const QString &characterId, const QString &animation) = 0;
    /// Speaks text with the tags \spd=n\, \pit=n\ and \map="spoken"="shown"\ ; a text over
    /// kMaxSpeechLength characters is cut there and its beginning spoken.
    virtual Status speak(const QString &characterId, const QString &text) = 0;
    virtual Status listen(const QString &characterId, bool on) = 0;
    /// Called with a speech handed back by synthesize().
    using SpeechDelivery = std::function<void(const Utterance &)>;
    /// The speech the character would say for \a text (tags as for speak()), with the voice
    /// that speaks now, handed back instead of spoken: nothing is queued, shown or heard.
    /// Returns at once; the speech is synthesised in the background and \a done is called
    /// with it later on this thread, unless \a receiver has been destroyed by then. Its
    /// samples are empty when the voice cannot be heard; the word starts are there either
    /// way. Traced as "Synthesize <text>". Errors (at once, and \a done is never called):
    /// CharacterNotLoaded; NotSupported from a service without this ability (the default).
    virtual Status synthesize(const QString &characterId, const QString &text, QObject *receiver, SpeechDelivery done)
    {
        Q_UNUSED(characterId)
        Q_UNUSED(text)
        Q_UNUSED(receiver)
        Q_UNUSED(done)
        return fail(ErrorCode::NotSupported, QStringLiteral("this service hands out no speech"));
    }

    virtual Result<quint32> balloonStyle(const QString &characterId) const = 0;
    virtual Status setBalloonStyle(const QString &characterId, quint32 style) = 0;
    virtual Status setBalloonFontSize(const QString &characterId, int size) = 0;
    virtual Status setBalloonFontCharSet(const QString &characterId, int charSet) = 0;
    virtual Status setBalloonFontName(const QString &characterId, const QString &name) = 0;

    /// Replaces the pop-up menu entries that \a control has added for the character.
    virtual Status setCommands(ControlId control, const QString &characterId, const QList<AgentCommand> &commands) = 0;

    /// Opens (or closes) the service's own settings dialog.
    virtual Status setPropertySheetVisible(bool visible) = 0;

Q_SIGNALS:
    /// The learner picked \a command, which \a control had added, from the pop-up menu.
    void commandChosen(Platform::CharacterService::ControlId control, const Platform::AgentCommand &command);
    /// The service's own settings changed (the settings dialog was saved).
    void propertiesChanged();
    /// Speech cannot be heard, for \a problem (\a detail is technical, for the log). Raised
    /// once a run, at the first speech that fails; speech goes on silently, balloon and all,
    /// and the trace gets the line "SoundUnavailable <problem> <detail>". The shell tells
    /// the learner.
    void soundUnavailable(Platform::CharacterService::SoundProblem problem, const QString &detail);
};

} // namespace Platform
