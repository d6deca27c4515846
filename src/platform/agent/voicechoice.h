// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QString>

#include "platform/agent/speechengine.h"

namespace Platform {

class BackgroundSpeechEngine;

/// The Russian voices a learner can choose between, by the names kept in the settings.
enum class RussianVoice { Espeak, Festival };
/// "espeak-ng" or "festival".
QString voiceName(RussianVoice voice);
/// The voice named \a name; empty for any other name.
std::optional<RussianVoice> voiceNamed(const QString &name);

/// The learner's choice of Russian voice over the engines that can speak it. eSpeak NG
/// (light, always there) speaks English and every other voice, and Russian unless the
/// learner chose Festival (natural) and its voice has loaded in the background; while it
/// loads, or when it cannot load, eSpeak NG speaks and nothing waits.
///
/// Reports each change of the engine that speaks ("Voice festival", "Voice espeak-ng")
/// and, once, why the chosen voice cannot speak ("VoiceUnavailable festival <reason>"),
/// as trace lines through the callback, from the thread that speaks.
class VoiceChoice final : public SpeechEngine {
public:
    /// \a festival may be null (not started, because nobody chose it yet).
    explicit VoiceChoice(std::unique_ptr<SpeechEngine> espeak);
    ~VoiceChoice() override;
    VoiceChoice(const VoiceChoice &) = delete;
    VoiceChoice &operator=(const VoiceChoice &) = delete;

    /// The learner's choice and, for Festival, the engine that loads it.
    void choose(RussianVoice voice, std::shared_ptr<BackgroundSpeechEngine> festival = {});
    RussianVoice chosen() const { return m_chosen; }
    void setTraceLine(std::function<void(const QString &)> traceLine) { m_traceLine = std::move(traceLine); }

    SpeechEngine &espeak() { return *m_espeak; }

    /// What eSpeak NG has, and Russian once Festival is ready.
    bool hasVoice(const QString &voice) override;
    Utterance synthesize(const QString &voice, const SpeechText &text) override;

private:
    /// The engine that speaks \a voice now.
    RussianVoice speakerFor(const QString &voice);
    void trace(const QString &line) const;

    std::unique_ptr<SpeechEngine> m_espeak;
    std::shared_ptr<BackgroundSpeechEngine> m_festival;
    RussianVoice m_chosen = RussianVoice::Espeak;
    std::optional<RussianVoice> m_speaking;
    bool m_unavailableTraced = false;
    std::function<void(const QString &)> m_traceLine;
};

} // namespace Platform
