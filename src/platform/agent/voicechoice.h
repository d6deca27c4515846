// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QString>

#include "platform/agent/speechengine.h"

class QObject;

namespace Platform {

class FestivalVoice;
class SpeechWorker;

/// The Russian voices a learner can choose between, by the names kept in the settings.
enum class RussianVoice { Espeak, Festival };
/// "espeak-ng" or "festival".
QString voiceName(RussianVoice voice);
/// The voice named \a name; empty for any other name.
std::optional<RussianVoice> voiceNamed(const QString &name);

/// The learner's choice of Russian voice over the workers that can speak it. eSpeak NG
/// (light, always there) speaks English and every other voice, and Russian unless the
/// learner chose Festival (natural) and its voice has loaded in the background; while it
/// loads, or when it cannot load, eSpeak NG speaks and nothing waits.
///
/// Reports each change of the engine that speaks ("Voice festival", "Voice espeak-ng")
/// and, once, why the chosen voice cannot speak ("VoiceUnavailable festival <reason>"),
/// as trace lines through the callback.
///
/// Lives on the user-interface thread, like its workers.
class VoiceChoice final {
public:
    /// Where Festival's voice comes from, the first time the learner chooses it.
    using FestivalSource = std::function<std::shared_ptr<FestivalVoice>()>;

    /// Without \a festival, eSpeak NG speaks whatever the choice.
    explicit VoiceChoice(std::unique_ptr<SpeechWorker> espeak, FestivalSource festival = {});
    ~VoiceChoice();
    VoiceChoice(const VoiceChoice &) = delete;
    VoiceChoice &operator=(const VoiceChoice &) = delete;

    /// The learner's choice; Festival's voice starts loading when first chosen.
    void choose(RussianVoice voice);
    RussianVoice chosen() const { return m_chosen; }
    void setTraceLine(std::function<void(const QString &)> traceLine) { m_traceLine = std::move(traceLine); }

    SpeechWorker &espeak() { return *m_espeak; }

    /// What eSpeak NG has (it may wait for it, see SpeechWorker::hasVoice), and Russian
    /// once Festival is ready.
    bool hasVoice(const QString &voice);
    /// Queues the synthesis with the engine that speaks \a voice now; see
    /// SpeechWorker::synthesize.
    void synthesize(const QString &voice, const SpeechText &text, QObject *receiver,
                    std::function<void(const Utterance &)> done);
    /// The same in pieces; see SpeechWorker::synthesizeInParts.
    void synthesizeInParts(const QString &voice, const SpeechText &text, QObject *receiver,
                           std::function<void(const UtterancePart &)> deliver);

private:
    /// The engine that speaks \a voice now.
    RussianVoice speakerFor(const QString &voice);
    /// The worker for \a voice now, tracing a change of engine.
    SpeechWorker &workerFor(const QString &voice);
    void trace(const QString &line) const;

    std::unique_ptr<SpeechWorker> m_espeak;
    FestivalSource m_festivalSource;
    std::shared_ptr<FestivalVoice> m_festival;
    RussianVoice m_chosen = RussianVoice::Espeak;
    std::optional<RussianVoice> m_speaking;
    bool m_unavailableTraced = false;
    std::function<void(const QString &)> m_traceLine;
};

} // namespace Platform
