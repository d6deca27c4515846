// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/geniecharacterservice.h"

#include <QDir>
#include <QFileInfo>
#include <QMetaEnum>

#include "platform/agent/agentlogging.h"
#include "platform/agent/characterballoon.h"
#include "platform/agent/charactercommandmenu.h"
#include "platform/agent/characterfigure.h"
#include "platform/agent/charactersettingssheet.h"
#include "platform/agent/characterwindow.h"
#include "platform/agent/festivalvoice.h"
#include "platform/agent/speechaudio.h"
#include "platform/agent/speechengine.h"
#include "platform/agent/speechenginefactory.h"
#include "platform/agent/speechworker.h"
#include "platform/agent/tracewriter.h"
#include "platform/agent/voicechoice.h"
#include "platform/settings/settingsstore.h"

namespace Platform {

namespace {

const QString kRussianMode = QStringLiteral("{06377F81-D48E-11d1-B17B-0020AFED142E}");
constexpr int kRussianLanguage = 1049;

// The real engine is built on the synthesiser's thread, beside the process's Festival voice
// for a learner who chooses it; an injected one is handed over and speaks alone.
std::unique_ptr<VoiceChoice> voicesFor(const AppPaths &paths, std::unique_ptr<SpeechEngine> injected)
{
    if (!injected) {
        return std::make_unique<VoiceChoice>(
            std::make_unique<SpeechWorker>([paths] { return makeSpeechEngine(paths); }),
            [paths] { return festivalVoice(paths.join(QStringLiteral("\\pronunciation\\ru-festival.tsv"))); });
    }
    auto held = std::make_shared<std::unique_ptr<SpeechEngine>>(std::move(injected));
    return std::make_unique<VoiceChoice>(std::make_unique<SpeechWorker>([held] { return std::move(*held); }));
}

// Writes \a line to the trace; fails with CharacterNotLoaded for an unknown character.
Status traced(TraceWriter &trace, const CharacterPlayer *found, const QString &line, const QString &characterId)
{
    trace.line(line);
    if (!found)
        return fail(ErrorCode::CharacterNotLoaded, characterId);
    return ok();
}

// \a text cut to kMaxSpeechLength characters, at the last blank before the limit when
// there is one in its second half, never inside a character of two code units.
QString cutToSpeechLength(const QString &text)
{
    if (text.size() <= kMaxSpeechLength)
        return text;
    qsizetype end = kMaxSpeechLength;
    if (text.at(end).isSpace()) {
        // The cut falls on a blank: every word before it is whole.
    } else if (const qsizetype blank = text.lastIndexOf(u' ', end - 1); blank >= kMaxSpeechLength / 2) {
        end = blank;
    } else if (text.at(end - 1).isHighSurrogate()) {
        --end;
    }
    return text.left(end).trimmed();
}

} // namespace

GenieCharacterService::GenieCharacterService(const AppPaths &paths, SettingsStore &settings,
                                             std::unique_ptr<SpeechEngine> engine, QObject *parent)
    : CharacterService(parent)
    , m_paths(paths)
    , m_sheet(new CharacterSettingsSheet(settings, this))
    , m_trace(std::make_unique<TraceWriter>(qEnvironmentVariable("VESKORA_AGENT_TRACE")))
    , m_menu(new CharacterCommandMenu(this))
{
    m_context.speech = voicesFor(paths, std::move(engine));
    m_context.speech->setTraceLine([this](const QString &line) { m_trace->line(line); });
    m_context.audio = new SpeechAudio(qEnvironmentVariable("VESKORA_AUDIO_OUT"), this);
    connect(m_context.audio, &SpeechAudio::started, this, &GenieCharacterService::speechAudioStarted);
    connect(m_context.audio, &SpeechAudio::soundUnavailable, this, [this](SoundProblem problem, const QString &detail) {
        const char *name = QMetaEnum::fromType<SoundProblem>().valueToKey(int(problem));
        m_trace->line(QStringLiteral("SoundUnavailable %1 %2").arg(QLatin1StringView(name), detail));
        Q_EMIT soundUnavailable(problem, detail);
    });
    connect(m_menu, &CharacterCommandMenu::chosen, this, &CharacterService::commandChosen);
    connect(m_sheet, &CharacterSettingsSheet::changed, this, [this] {
        applySettings();
        Q_EMIT propertiesChanged();
    });
    // A chosen Festival voice starts loading now, in the background, so that it is ready
    // by the first sentence if it can be.
    applySettings();
    // So does the synthesiser with its Russian voice: a window's choice of that voice right
    // after loading the character then seldom waits for it.
    m_context.speech->espeak().warmUp({QStringLiteral("ru")});
}

GenieCharacterService::~GenieCharacterService() = default;

CharacterPlayer *GenieCharacterService::player(const QString &characterId) const
{
    const auto found = m_players.find(characterId);
    return found == m_players.end() ? nullptr : found->second.get();
}

CharacterService::ControlId GenieCharacterService::registerControl()
{
    return m_menu->newControl();
}

void GenieCharacterService::unregisterControl(ControlId control)
{
    m_menu->removeControl(control);
}

Status GenieCharacterService::load(const QString &characterId, const QString &file)
{
    m_trace->line(QStringLiteral("Load %1 %2").arg(characterId, file));
    if (player(characterId))
        return ok();
    QString path = AppPaths::resolve(file);
    if (!path.contains(u'/'))
        path = m_paths.folder() + QStringLiteral("/characters/") + path;
    else if (QFileInfo(path).isRelative())
        path = QDir(m_paths.folder()).filePath(path);
    auto definition = loadCharacterFile(path);
    if (!definition)
        return definition.error();
    // Drawings that refer outside the file are left out; the rest of the figure is drawn.
    for (const QString &refused : std::as_const(definition->refusedDrawings)) {
        qCWarning(lcAgent, "%s: drawing left out: %s", qPrintable(path), qPrintable(refused));
        m_trace->line(QStringLiteral("DrawingRefused %1 %2").arg(file, refused));
    }

    auto owned = std::make_unique<CharacterPlayer>(characterId, std::move(*definition), m_context);
    CharacterPlayer *added = owned.get();
    connect(added, &CharacterPlayer::requestStarted, this,
            [this, characterId](const QString &line) { Q_EMIT requestStarted(characterId, line); });
    connect(added, &CharacterPlayer::requestFinished, this,
            [this, characterId](const QString &line) { Q_EMIT requestFinished(characterId, line); });
    connect(added, &CharacterPlayer::queueEmpty, this, [this, characterId] { Q_EMIT queueEmpty(characterId); });
    connect(added, &CharacterPlayer::balloonTextChanged, this,
            [this, characterId](const QString &text) { Q_EMIT balloonTextChanged(characterId, text); });
    CharacterWindow *window = added->figure().window();
    connect(window, &CharacterWindow::contextMenuRequested, this,
            [this, characterId, window](const QPoint &at) { m_menu->popup(characterId, window, at); });
    added->balloon().setAllowed(m_sheet->settings().balloon);
    m_players.emplace(characterId, std::move(owned));
    return ok();
}

bool GenieCharacterService::isLoaded(const QString &characterId) const
{
    return player(characterId) != nullptr;
}

Status GenieCharacterService::setLanguageId(const QString &characterId, int languageId)
{
    if (const Status status =
            traced(*m_trace, player(characterId), QStringLiteral("LanguageID %1").arg(languageId), characterId);
        status.failed())
        return status;
    if (languageId != kRussianLanguage) {
        player(characterId)->setVoice(QStringLiteral("en"));
        return ok();
    }
    if (!m_context.speech->hasVoice(QStringLiteral("ru")))
        return fail(ErrorCode::NoRussianLanguageSupport, QStringLiteral("no Russian voice can be loaded"));
    player(characterId)->setVoice(QStringLiteral("ru"));
    return ok();
}

Status GenieCharacterService::setTtsModeId(const QString &characterId, const QString &modeId)
{
    if (const Status status = traced(*m_trace, player(characterId), QStringLiteral("TTSModeID ") + modeId, characterId);
        status.failed())
        return status;
    if (modeId.compare(kRussianMode, Qt::CaseInsensitive) != 0) {
        player(characterId)->setVoice(QStringLiteral("en"));
        return ok();
    }
    // Reporting success here would leave a window believing it speaks Russian.
    if (!m_context.speech->hasVoice(QStringLiteral("ru")))
        return fail(ErrorCode::NoRussianLanguageSupport, QStringLiteral("no Russian voice can be loaded"));
    player(characterId)->setVoice(QStringLiteral("ru"));
    return ok();
}

Status GenieCharacterService::moveTo(const QString &characterId, int x, int y)
{
    const QString line = QStringLiteral("MoveTo %1 %2").arg(x).arg(y);
    if (const Status status = traced(*m_trace, player(characterId), line, characterId); status.failed())
        return status;
    player(characterId)->enqueue(CharacterPlayer::RequestKind::Move, line, {}, QPoint(x, y));
    return ok();
}

Status GenieCharacterService::show(const QString &characterId)
{
    if (const Status status = traced(*m_trace, player(characterId), QStringLiteral("Show"), characterId);
        status.failed())
        return status;
    player(characterId)->enqueue(CharacterPlayer::RequestKind::Show, QStringLiteral("Show"));
    return ok();
}

Status GenieCharacterService::play(const QString &characterId, const QString &animation)
{
    const QString line = QStringLiteral("Play ") + animation;
    if (const Status status = traced(*m_trace, player(characterId), line, characterId); status.failed())
        return status;
    CharacterPlayer &target = *player(characterId);
    const CharacterAnimation *found = target.figure().animation(animation);
    if (!found)
        return fail(ErrorCode::AnimationNotFound, animation);
    target.enqueue(CharacterPlayer::RequestKind::Play, line, found->name);
    return ok();
}

Status GenieCharacterService::speak(const QString &characterId, const QString &text)
{
    const QString spoken = cutToSpeechLength(text);
    const QString line = QStringLiteral("Speak ") + spoken;
    const Status status = traced(*m_trace, player(characterId), line, characterId);
    if (spoken.size() < text.size())
        m_trace->line(QStringLiteral("SpeakCut %1 of %2 characters").arg(spoken.size()).arg(text.size()));
    if (status.failed())
        return status;
    player(characterId)->enqueue(CharacterPlayer::RequestKind::Speak, line, spoken);
    return ok();
}

Status GenieCharacterService::synthesize(const QString &characterId, const QString &text, QObject *receiver,
                                         SpeechDelivery done)
{
    const QString line = QStringLiteral("Synthesize ") + text;
    if (const Status status = traced(*m_trace, player(characterId), line, characterId); status.failed())
        return status;
    // The same voice, engine and text handling as the character's own speech, so the sound
    // is what the learner hears from the genie; on the engine's thread, like speech.
    m_context.speech->synthesize(player(characterId)->voice(), parseSpeechText(text), receiver, std::move(done));
    return ok();
}

Status GenieCharacterService::listen(const QString &characterId, bool on)
{
    // There is no voice input; ending listening that never began is done at once.
    if (const Status status =
            traced(*m_trace, player(characterId), QStringLiteral("Listen %1").arg(on ? 1 : 0), characterId);
        status.failed())
        return status;
    if (on)
        return fail(ErrorCode::NotSupported, QStringLiteral("no voice input"));
    return ok();
}

Result<quint32> GenieCharacterService::balloonStyle(const QString &characterId) const
{
    const CharacterPlayer *found = player(characterId);
    if (!found)
        return Error{ErrorCode::CharacterNotLoaded, characterId};
    return found->balloon().style();
}

Status GenieCharacterService::setBalloonStyle(const QString &characterId, quint32 style)
{
    if (const Status status =
            traced(*m_trace, player(characterId), QStringLiteral("BalloonStyle %1").arg(style), characterId);
        status.failed())
        return status;
    player(characterId)->balloon().setStyle(style);
    return ok();
}

Status GenieCharacterService::setBalloonFontSize(const QString &characterId, int size)
{
    if (const Status status =
            traced(*m_trace, player(characterId), QStringLiteral("BalloonFontSize %1").arg(size), characterId);
        status.failed())
        return status;
    if (size < 1 || size > 200)
        return fail(ErrorCode::InvalidArgument, QStringLiteral("font size %1").arg(size));
    player(characterId)->balloon().setFontSize(size);
    return ok();
}

Status GenieCharacterService::setBalloonFontCharSet(const QString &characterId, int charSet)
{
    // Balloon fonts draw Unicode text, so a character set has nothing left to select.
    if (const Status status =
            traced(*m_trace, player(characterId), QStringLiteral("BalloonFontCharSet %1").arg(charSet), characterId);
        status.failed())
        return status;
    if (charSet < 0 || charSet > 255)
        return fail(ErrorCode::InvalidArgument, QStringLiteral("character set %1").arg(charSet));
    return ok();
}

Status GenieCharacterService::setBalloonFontName(const QString &characterId, const QString &name)
{
    if (const Status status =
            traced(*m_trace, player(characterId), QStringLiteral("BalloonFontName ") + name, characterId);
        status.failed())
        return status;
    if (name.trimmed().isEmpty())
        return fail(ErrorCode::InvalidArgument, QStringLiteral("empty font name"));
    player(characterId)->balloon().setFontFamily(name);
    return ok();
}

Status GenieCharacterService::setCommands(ControlId control, const QString &characterId,
                                          const QList<AgentCommand> &commands)
{
    QStringList names;
    for (const AgentCommand &command : commands)
        names << command.name;
    if (const Status status =
            traced(*m_trace, player(characterId), QStringLiteral("Commands ") + names.join(u','), characterId);
        status.failed())
        return status;
    m_menu->setCommands(control, characterId, commands);
    return ok();
}

Status GenieCharacterService::setPropertySheetVisible(bool visible)
{
    m_trace->line(QStringLiteral("PropertySheet %1").arg(visible ? 1 : 0));
    m_sheet->setVisible(visible);
    return ok();
}

void GenieCharacterService::setTimeScale(double factor)
{
    m_context.timeScale = factor > 0 ? factor : 1;
}

void GenieCharacterService::applySettings()
{
    const CharacterSettings settings = m_sheet->settings();
    for (auto &[id, each] : m_players) {
        CharacterBalloon &balloon = each->balloon();
        if (!settings.balloonFontName.isEmpty())
            balloon.setFontFamily(settings.balloonFontName);
        if (settings.balloonFontSize > 0)
            balloon.setFontSize(settings.balloonFontSize);
        balloon.setAllowed(settings.balloon);
    }
    m_context.audio->setOutput(settings.speechOutput, settings.volume);
    m_context.speech->choose(voiceNamed(settings.voice).value_or(RussianVoice::Espeak));
}

} // namespace Platform
