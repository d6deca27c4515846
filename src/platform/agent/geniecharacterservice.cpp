// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/geniecharacterservice.h"

#include <cmath>
#include <deque>
#include <optional>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMenu>
#include <QTimer>

#include "platform/agent/audioplayer.h"
#include "platform/agent/characterfile.h"
#include "platform/agent/characterwindow.h"
#include "platform/agent/espeakspeechengine.h"
#include "platform/agent/pronunciationlexicon.h"
#include "platform/agent/speechengine.h"
#include "platform/agent/tracewriter.h"
#include "platform/agent/wavwriter.h"
#include "platform/settings/settingsstore.h"

Q_LOGGING_CATEGORY(lcAgent, "veskora.platform.agent")

namespace Platform {

namespace {

enum RequestKind { MoveRequest, ShowRequest, PlayRequest, SpeakRequest };

constexpr quint32 kDefaultStyle = 0x0000000D;
constexpr quint32 kBalloonOn = 0x1;
constexpr quint32 kAutoHide = 0x4;
const QString kRussianMode = QStringLiteral("{06377F81-D48E-11d1-B17B-0020AFED142E}");
constexpr int kRussianLanguage = 1049;
constexpr int kTickMs = 20;
constexpr int kBalloonHideMs = 1500;
constexpr int kEnvelopeMs = 40;
// How far the sound may lag behind the clock before the balloon stops waiting for it; a
// stalled device must not hold up the queue.
constexpr int kAudioSlackMs = 300;
// Mean absolute sample value above which the mouth is drawn open.
constexpr int kMouthThreshold = 900;
// Every few idle loops the figure blinks instead of just breathing.
constexpr int kBlinkEvery = 3;

} // namespace

struct CharacterStage {
    struct Request {
        int kind;
        QString line;
        QString text;
        QPoint point;
    };
    enum class Activity { None, Frames, Idle, Glide, Speech };

    QString id;
    CharacterDefinition definition;
    std::unique_ptr<CharacterRenderer> renderer;
    std::unique_ptr<CharacterWindow> window;
    std::unique_ptr<BalloonWindow> balloon;
    QString voice = QStringLiteral("en");
    quint32 style = kDefaultStyle;

    /// A frame of the figure drawn at the pixel density of the window's screen, so that the
    /// figure stays sharp when the desktop is scaled.
    QImage frame(const CharacterFrame *shown, bool mouthOpen) const
    {
        const qreal ratio = window ? window->devicePixelRatioF() : 1.0;
        QImage image = renderer->render(shown, mouthOpen, ratio);
        image.setDevicePixelRatio(ratio);
        return image;
    }
    QFont font;
    QPoint position{450, 450};
    bool shown = false;

    std::deque<Request> queue;
    std::optional<Request> current;
    bool advanceScheduled = false;
    Activity activity = Activity::None;

    const CharacterAnimation *animation = nullptr;
    int frameIndex = 0;
    int idleLoops = 0;
    QTimer frameTimer;
    QTimer tickTimer;
    QTimer balloonHide;
    QElapsedTimer clock;

    QPoint glideFrom;
    QPoint glideTo;
    qint64 glideMs = 0;

    Utterance utterance;
    QStringList shownWords;
    QList<bool> mouthEnvelope;
    int wordsShown = -1;
    bool mouthOpen = false;
    bool playing = false;
};

GenieCharacterService::GenieCharacterService(const AppPaths &paths, SettingsStore &settings, QObject *parent)
    : GenieCharacterService(paths, settings, nullptr, parent)
{
}

GenieCharacterService::GenieCharacterService(const AppPaths &paths, SettingsStore &settings,
                                             std::unique_ptr<SpeechEngine> engine, QObject *parent)
    : CharacterService(parent)
    , m_paths(paths)
    , m_settingsStore(&settings)
    , m_engine(std::move(engine))
    , m_trace(std::make_unique<TraceWriter>(qEnvironmentVariable("VESKORA_AGENT_TRACE")))
    , m_wavPath(qEnvironmentVariable("VESKORA_AUDIO_OUT"))
    , m_audio(new AudioPlayer(this))
    , m_settings(CharacterSettings::read(settings))
{
}

GenieCharacterService::~GenieCharacterService()
{
    delete m_dialog;
}

SpeechEngine &GenieCharacterService::engine()
{
    if (!m_engine) {
        auto espeak = std::make_unique<EspeakSpeechEngine>();
        espeak->setRussianLexicon(PronunciationLexicon::fromFile(m_paths.join(QStringLiteral("\\pronunciation\\ru.tsv"))));
        m_engine = std::move(espeak);
    }
    return *m_engine;
}

Status GenieCharacterService::trace(const QString &line, const QString &characterId)
{
    m_trace->line(line);
    if (!stage(characterId))
        return fail(ErrorCode::CharacterNotLoaded, characterId);
    return ok();
}

CharacterStage *GenieCharacterService::stage(const QString &characterId) const
{
    const auto found = m_stages.find(characterId);
    return found == m_stages.end() ? nullptr : found->second.get();
}

CharacterService::ControlId GenieCharacterService::registerControl() { return m_nextControl++; }

void GenieCharacterService::unregisterControl(ControlId control) { m_commands.erase(control); }

Status GenieCharacterService::load(const QString &characterId, const QString &file)
{
    m_trace->line(QStringLiteral("Load %1 %2").arg(characterId, file));
    if (stage(characterId))
        return ok();
    QString path = AppPaths::resolve(file);
    if (!path.contains(u'/'))
        path = m_paths.folder() + QStringLiteral("/characters/") + path;
    else if (QFileInfo(path).isRelative())
        path = QDir(m_paths.folder()).filePath(path);
    auto definition = loadCharacterFile(path);
    if (!definition)
        return definition.error();

    auto owned = std::make_unique<CharacterStage>();
    CharacterStage &s = *owned;
    s.id = characterId;
    s.definition = std::move(*definition);
    s.renderer = std::make_unique<CharacterRenderer>(s.definition);
    s.window = std::make_unique<CharacterWindow>();
    s.window->setWindowTitle(characterId);
    s.window->setAccessibleName(characterId);
    s.window->setFrame(s.frame(nullptr, false));
    s.balloon = std::make_unique<BalloonWindow>();
    s.frameTimer.setSingleShot(true);
    s.tickTimer.setInterval(kTickMs);
    s.balloonHide.setSingleShot(true);
    s.font.setPointSize(12);
    connect(&s.frameTimer, &QTimer::timeout, this, [this, &s] { showFrame(s, s.frameIndex + 1); });
    connect(&s.tickTimer, &QTimer::timeout, this, [this, &s] {
        if (s.activity == CharacterStage::Activity::Speech) {
            speechTick(s);
        } else if (s.activity == CharacterStage::Activity::Glide) {
            const double t = std::min(1.0, s.clock.elapsed() * m_timeScale / double(std::max<qint64>(1, s.glideMs)));
            const double eased = t * t * (3 - 2 * t);
            const QPoint at = s.glideFrom + (s.glideTo - s.glideFrom) * eased;
            s.window->move(at);
            if (s.balloon->isVisible())
                s.balloon->placeBeside(s.window->geometry());
            if (t >= 1) {
                s.tickTimer.stop();
                s.position = s.glideTo;
                finishRequest(s);
            }
        }
    });
    connect(&s.balloonHide, &QTimer::timeout, s.balloon.get(), &QWidget::hide);
    connect(s.window.get(), &CharacterWindow::contextMenuRequested, this,
            [this, &s](const QPoint &at) { showCommandMenu(s, at); });
    applyBalloonLook(s);
    m_stages.emplace(characterId, std::move(owned));
    return ok();
}

bool GenieCharacterService::isLoaded(const QString &characterId) const { return stage(characterId) != nullptr; }

Status GenieCharacterService::setLanguageId(const QString &characterId, int languageId)
{
    if (const Status status = trace(QStringLiteral("LanguageID %1").arg(languageId), characterId); status.failed())
        return status;
    if (languageId != kRussianLanguage) {
        stage(characterId)->voice = QStringLiteral("en");
        return ok();
    }
    if (!engine().hasVoice(QStringLiteral("ru")))
        return fail(ErrorCode::NoRussianLanguageSupport, QStringLiteral("no Russian voice can be loaded"));
    stage(characterId)->voice = QStringLiteral("ru");
    return ok();
}

Status GenieCharacterService::setTtsModeId(const QString &characterId, const QString &modeId)
{
    if (const Status status = trace(QStringLiteral("TTSModeID ") + modeId, characterId); status.failed())
        return status;
    if (modeId.compare(kRussianMode, Qt::CaseInsensitive) != 0) {
        stage(characterId)->voice = QStringLiteral("en");
        return ok();
    }
    // Reporting success here would leave a window believing it speaks Russian.
    if (!engine().hasVoice(QStringLiteral("ru")))
        return fail(ErrorCode::NoRussianLanguageSupport, QStringLiteral("no Russian voice can be loaded"));
    stage(characterId)->voice = QStringLiteral("ru");
    return ok();
}

Status GenieCharacterService::moveTo(const QString &characterId, int x, int y)
{
    const QString line = QStringLiteral("MoveTo %1 %2").arg(x).arg(y);
    if (const Status status = trace(line, characterId); status.failed())
        return status;
    enqueue(*stage(characterId), MoveRequest, line, {}, QPoint(x, y));
    return ok();
}

Status GenieCharacterService::show(const QString &characterId)
{
    if (const Status status = trace(QStringLiteral("Show"), characterId); status.failed())
        return status;
    enqueue(*stage(characterId), ShowRequest, QStringLiteral("Show"));
    return ok();
}

Status GenieCharacterService::play(const QString &characterId, const QString &animation)
{
    const QString line = QStringLiteral("Play ") + animation;
    if (const Status status = trace(line, characterId); status.failed())
        return status;
    CharacterStage &s = *stage(characterId);
    const CharacterAnimation *found = s.definition.animation(animation);
    if (!found)
        return fail(ErrorCode::AnimationNotFound, animation);
    enqueue(s, PlayRequest, line, found->name);
    return ok();
}

Status GenieCharacterService::speak(const QString &characterId, const QString &text)
{
    const QString line = QStringLiteral("Speak ") + text;
    if (const Status status = trace(line, characterId); status.failed())
        return status;
    enqueue(*stage(characterId), SpeakRequest, line, text);
    return ok();
}

Status GenieCharacterService::listen(const QString &characterId, bool on)
{
    // There is no voice input; ending listening that never began is done at once.
    if (const Status status = trace(QStringLiteral("Listen %1").arg(on ? 1 : 0), characterId); status.failed())
        return status;
    if (on)
        return fail(ErrorCode::NotSupported, QStringLiteral("no voice input"));
    return ok();
}

Result<quint32> GenieCharacterService::balloonStyle(const QString &characterId) const
{
    const CharacterStage *s = stage(characterId);
    if (!s)
        return Error{ErrorCode::CharacterNotLoaded, characterId};
    return s->style;
}

Status GenieCharacterService::setBalloonStyle(const QString &characterId, quint32 style)
{
    if (const Status status = trace(QStringLiteral("BalloonStyle %1").arg(style), characterId); status.failed())
        return status;
    CharacterStage &s = *stage(characterId);
    s.style = style;
    applyBalloonLook(s);
    return ok();
}

Status GenieCharacterService::setBalloonFontSize(const QString &characterId, int size)
{
    if (const Status status = trace(QStringLiteral("BalloonFontSize %1").arg(size), characterId); status.failed())
        return status;
    if (size < 1 || size > 200)
        return fail(ErrorCode::InvalidArgument, QStringLiteral("font size %1").arg(size));
    CharacterStage &s = *stage(characterId);
    s.font.setPointSize(size);
    applyBalloonLook(s);
    return ok();
}

Status GenieCharacterService::setBalloonFontCharSet(const QString &characterId, int charSet)
{
    // Balloon fonts draw Unicode text, so a character set has nothing left to select.
    if (const Status status = trace(QStringLiteral("BalloonFontCharSet %1").arg(charSet), characterId); status.failed())
        return status;
    if (charSet < 0 || charSet > 255)
        return fail(ErrorCode::InvalidArgument, QStringLiteral("character set %1").arg(charSet));
    return ok();
}

Status GenieCharacterService::setBalloonFontName(const QString &characterId, const QString &name)
{
    if (const Status status = trace(QStringLiteral("BalloonFontName ") + name, characterId); status.failed())
        return status;
    if (name.trimmed().isEmpty())
        return fail(ErrorCode::InvalidArgument, QStringLiteral("empty font name"));
    CharacterStage &s = *stage(characterId);
    // A family the system lacks falls back to a similar one with Cyrillic letters.
    s.font.setFamily(name);
    applyBalloonLook(s);
    return ok();
}

Status GenieCharacterService::setCommands(ControlId control, const QString &characterId,
                                          const QList<AgentCommand> &commands)
{
    QStringList names;
    for (const AgentCommand &command : commands)
        names << command.name;
    if (const Status status = trace(QStringLiteral("Commands ") + names.join(u','), characterId); status.failed())
        return status;
    m_commands[control][characterId] = commands;
    return ok();
}

Status GenieCharacterService::setPropertySheetVisible(bool visible)
{
    m_trace->line(QStringLiteral("PropertySheet %1").arg(visible ? 1 : 0));
    if (!visible) {
        if (m_dialog)
            m_dialog->hide();
        return ok();
    }
    if (!m_dialog) {
        m_dialog = new AgentSettingsDialog;
        connect(m_dialog, &QDialog::accepted, this, &GenieCharacterService::settingsAccepted);
    }
    m_dialog->setSettings(m_settings);
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
    return ok();
}

void GenieCharacterService::setTimeScale(double factor) { m_timeScale = factor > 0 ? factor : 1; }

CharacterWindow *GenieCharacterService::figure(const QString &characterId) const
{
    const CharacterStage *s = stage(characterId);
    return s ? s->window.get() : nullptr;
}

QWidget *GenieCharacterService::balloon(const QString &characterId) const
{
    const CharacterStage *s = stage(characterId);
    return s ? s->balloon.get() : nullptr;
}

QString GenieCharacterService::voice(const QString &characterId) const
{
    const CharacterStage *s = stage(characterId);
    return s ? s->voice : QString();
}

bool GenieCharacterService::isBusy(const QString &characterId) const
{
    const CharacterStage *s = stage(characterId);
    return s && (s->current || !s->queue.empty());
}

void GenieCharacterService::enqueue(CharacterStage &s, int kind, const QString &line, const QString &text, QPoint point)
{
    s.queue.push_back({kind, line, text, point});
    if (s.current || s.advanceScheduled)
        return;
    // The caller never waits: the request starts from the event loop.
    s.advanceScheduled = true;
    QMetaObject::invokeMethod(this, [this, &s] { advance(s); }, Qt::QueuedConnection);
}

void GenieCharacterService::advance(CharacterStage &s)
{
    s.advanceScheduled = false;
    if (s.current)
        return;
    if (s.activity == CharacterStage::Activity::Idle) {
        s.frameTimer.stop();
        s.activity = CharacterStage::Activity::None;
        s.window->setFrame(s.frame(nullptr, false));
    }
    if (s.queue.empty()) {
        Q_EMIT queueEmpty(s.id);
        startIdle(s);
        return;
    }
    s.current = s.queue.front();
    s.queue.pop_front();
    Q_EMIT requestStarted(s.id, s.current->line);
    switch (s.current->kind) {
    case MoveRequest:
        if (!s.shown || s.position == s.current->point) {
            s.position = s.current->point;
            s.window->move(s.position);
            finishRequest(s);
        } else {
            startGlide(s, s.current->point);
        }
        break;
    case ShowRequest:
        if (s.shown) {
            finishRequest(s);
            break;
        }
        s.shown = true;
        s.window->move(s.position);
        s.window->show();
        if (s.definition.animation(QStringLiteral("Show")))
            runFrames(s, QStringLiteral("Show"), false);
        else
            finishRequest(s);
        break;
    case PlayRequest:
        runFrames(s, s.current->text, false);
        break;
    case SpeakRequest:
        startSpeech(s, s.current->text);
        break;
    }
}

void GenieCharacterService::finishRequest(CharacterStage &s)
{
    s.activity = CharacterStage::Activity::None;
    if (s.current) {
        const QString line = s.current->line;
        s.current.reset();
        Q_EMIT requestFinished(s.id, line);
    }
    if (!s.advanceScheduled) {
        s.advanceScheduled = true;
        QMetaObject::invokeMethod(this, [this, &s] { advance(s); }, Qt::QueuedConnection);
    }
}

void GenieCharacterService::startIdle(CharacterStage &s)
{
    if (!s.shown)
        return;
    ++s.idleLoops;
    const QString name = s.idleLoops % kBlinkEvery == 0 ? QStringLiteral("Blink") : QStringLiteral("Idle");
    if (s.definition.animation(name))
        runFrames(s, name, true);
}

void GenieCharacterService::runFrames(CharacterStage &s, const QString &animation, bool idle)
{
    s.animation = s.definition.animation(animation);
    s.activity = idle ? CharacterStage::Activity::Idle : CharacterStage::Activity::Frames;
    showFrame(s, 0);
}

void GenieCharacterService::showFrame(CharacterStage &s, int frameIndex)
{
    if (!s.animation || frameIndex >= s.animation->frames.size()) {
        s.window->setFrame(s.frame(nullptr, false));
        if (s.activity == CharacterStage::Activity::Idle)
            startIdle(s);
        else
            finishRequest(s);
        return;
    }
    s.frameIndex = frameIndex;
    const CharacterFrame &frame = s.animation->frames.at(frameIndex);
    s.window->setFrame(s.frame(&frame, false));
    s.frameTimer.start(std::max(1, int(frame.durationMs / m_timeScale)));
}

void GenieCharacterService::startGlide(CharacterStage &s, QPoint target)
{
    s.activity = CharacterStage::Activity::Glide;
    s.glideFrom = s.position;
    s.glideTo = target;
    const double distance = std::hypot(double(target.x() - s.position.x()), double(target.y() - s.position.y()));
    s.glideMs = std::clamp<qint64>(qint64(distance * 1.5), 150, 1200);
    s.clock.start();
    s.tickTimer.start();
}

void GenieCharacterService::startSpeech(CharacterStage &s, const QString &text)
{
    s.activity = CharacterStage::Activity::Speech;
    const SpeechText parsed = parseSpeechText(text);
    s.utterance = engine().synthesize(s.voice, parsed);
    s.shownWords = balloonWords(parsed.shown);
    s.wordsShown = -1;
    s.mouthOpen = false;
    s.playing = false;

    s.mouthEnvelope.clear();
    const qsizetype block = qsizetype(s.utterance.sampleRate) * kEnvelopeMs / 1000;
    const auto *samples = reinterpret_cast<const qint16 *>(s.utterance.pcm.constData());
    const qsizetype count = s.utterance.pcm.size() / 2;
    for (qsizetype at = 0; block > 0 && at < count; at += block) {
        qint64 sum = 0;
        const qsizetype end = std::min(count, at + block);
        for (qsizetype k = at; k < end; ++k)
            sum += std::abs(int(samples[k]));
        s.mouthEnvelope << (sum / std::max<qsizetype>(1, end - at) > kMouthThreshold);
    }

    if (m_settings.speechOutput && !s.utterance.pcm.isEmpty()) {
        // The capture file takes the place of the sound device; sped-up time (tests) would
        // garble the sound anyway.
        if (!m_wavPath.isEmpty()) {
            if (!m_wav)
                m_wav = std::make_unique<WavWriter>(m_wavPath, s.utterance.sampleRate);
            if (!m_wav->append(s.utterance.pcm, s.utterance.sampleRate))
                qCWarning(lcAgent) << "could not write speech to" << m_wavPath;
        } else if (m_timeScale == 1) {
            s.playing = m_audio->play(s.utterance.pcm, s.utterance.sampleRate, m_settings.volume);
        }
        Q_EMIT speechAudioStarted(s.id);
    }

    s.balloonHide.stop();
    const bool balloonWanted = m_settings.balloon && (s.style & kBalloonOn) && s.shown && !s.shownWords.isEmpty();
    if (balloonWanted) {
        s.balloon->setWords({});
        s.balloon->placeBeside(s.window->geometry());
        s.balloon->show();
    } else {
        s.balloon->hide();
    }
    s.clock.start();
    speechTick(s);
    if (s.activity == CharacterStage::Activity::Speech)
        s.tickTimer.start();
}

void GenieCharacterService::speechTick(CharacterStage &s)
{
    qint64 at = qint64(s.clock.elapsed() * m_timeScale);
    // With sound, words and mouth follow what the device has played.
    if (const qint64 played = s.playing ? m_audio->playedMs() : -1; played >= 0)
        at = std::max(played, at - kAudioSlackMs);
    const bool done = at >= s.utterance.durationMs;
    const QList<qint64> &starts = s.utterance.wordStartsMs;
    qsizetype said = 0;
    while (said < starts.size() && starts.at(said) <= at)
        ++said;
    // A \map= shown form may have another number of words than its spoken form.
    int visible = int(s.shownWords.size());
    if (!done && !starts.isEmpty())
        visible = int(std::ceil(double(said) * s.shownWords.size() / double(starts.size())));
    if (visible != s.wordsShown) {
        s.wordsShown = visible;
        const QStringList words = s.shownWords.mid(0, visible);
        if (s.balloon->isVisible()) {
            s.balloon->setWords(words);
            s.balloon->placeBeside(s.window->geometry());
        }
        s.balloon->setAccessibleDescription(words.join(u' '));
        Q_EMIT balloonTextChanged(s.id, words.join(u' '));
    }
    const qsizetype block = at / kEnvelopeMs;
    const bool open = !done && block < s.mouthEnvelope.size() && s.mouthEnvelope.at(block);
    if (open != s.mouthOpen) {
        s.mouthOpen = open;
        s.window->setFrame(s.frame(nullptr, open));
    }
    if (!done)
        return;
    s.tickTimer.stop();
    if (s.style & kAutoHide)
        s.balloonHide.start(std::max(1, int(kBalloonHideMs / m_timeScale)));
    finishRequest(s);
}

void GenieCharacterService::showCommandMenu(CharacterStage &s, const QPoint &globalPos)
{
    auto *menu = new QMenu(s.window.get());
    menu->setObjectName(QStringLiteral("agentCommandMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const auto &[control, perCharacter] : m_commands) {
        for (const AgentCommand &command : perCharacter.value(s.id)) {
            QAction *action = menu->addAction(command.caption);
            action->setObjectName(command.name);
            const ControlId owner = control;
            connect(action, &QAction::triggered, this, [this, owner, command] { Q_EMIT commandChosen(owner, command); });
        }
    }
    if (menu->isEmpty()) {
        delete menu;
        return;
    }
    menu->popup(globalPos);
}

void GenieCharacterService::applyBalloonLook(CharacterStage &s)
{
    const int widthUnits = int((s.style >> 24) & 0xFF);
    const int lines = int((s.style >> 16) & 0xFF);
    s.balloon->setFont(s.font);
    s.balloon->setLayoutLimits(widthUnits ? widthUnits * 8 : 32, lines ? lines : 2);
    if (s.balloon->isVisible()) {
        s.balloon->setWords(s.shownWords.mid(0, std::max(0, s.wordsShown)));
        s.balloon->placeBeside(s.window->geometry());
    }
}

void GenieCharacterService::applySettings()
{
    for (auto &[id, s] : m_stages) {
        if (!m_settings.balloonFontName.isEmpty())
            s->font.setFamily(m_settings.balloonFontName);
        if (m_settings.balloonFontSize > 0)
            s->font.setPointSize(m_settings.balloonFontSize);
        if (!m_settings.balloon)
            s->balloon->hide();
        applyBalloonLook(*s);
    }
    if (!m_settings.speechOutput)
        m_audio->stop();
}

void GenieCharacterService::settingsAccepted()
{
    m_settings = m_dialog->settings();
    if (!m_settings.save(*m_settingsStore))
        qCWarning(lcAgent) << "the character settings could not be stored; they last for this run only";
    applySettings();
    Q_EMIT propertiesChanged();
}

} // namespace Platform
