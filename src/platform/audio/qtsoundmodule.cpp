// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/audio/qtsoundplayer.h"
#include "platform/audio/qtsoundrecorder.h"
#include "platform/audio/soundmodule.h"

namespace Platform {

namespace {

class QtSoundModule final : public SoundModule {
public:
    std::unique_ptr<SoundRecorder> createRecorder() const override { return std::make_unique<QtSoundRecorder>(); }
    std::unique_ptr<SoundPlayer> createPlayer() const override { return std::make_unique<QtSoundPlayer>(); }
    PitchTrack trackPitch(const QByteArray &pcm, int sampleRate) const override
    {
        return Platform::trackPitch(pcm, sampleRate);
    }
};

} // namespace

const SoundModule &qtSoundModule()
{
    static const QtSoundModule module;
    return module;
}

} // namespace Platform
