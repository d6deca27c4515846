// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>

#include <QByteArray>

#include "platform/audio/pitchtracker.h"
#include "platform/audio/soundrecorder.h"

namespace Platform {

/// Makes what records and plays the learner's voice (Qt Multimedia) and follows a voice's
/// pitch (aubio). Both bring many shared libraries (aubio alone all of ffmpeg), so the course
/// program takes them from its sound module (plugins/sound.so beside the program), which
/// exports this object as "veskoraSoundModule"; tests and other programs that link
/// veskora_platform_sound hand in qtSoundModule().
class SoundModule {
public:
    virtual std::unique_ptr<SoundRecorder> createRecorder() const = 0;
    virtual std::unique_ptr<SoundPlayer> createPlayer() const = 0;
    /// See Platform::trackPitch(). Any thread.
    virtual PitchTrack trackPitch(const QByteArray &pcm, int sampleRate) const = 0;

protected:
    ~SoundModule() = default;
};

/// The module in use: the one handed to useSoundModule(), or else the sound module beside the
/// program, loaded at the first call (a call while preloadSoundModule() loads it waits for
/// that); null, with a warning once, when it cannot be loaded. Any thread.
const SoundModule *soundModule();
/// Makes \a module the one soundModule() returns (null: the module beside the program again).
void useSoundModule(const SoundModule *module);
/// Starts loading the module beside the program on a worker thread, unless one was handed in
/// or it is loaded already, so that the first recording or melody does not wait for it.
void preloadSoundModule();

/// The module in the library \a file, loaded now and kept until the process ends; null, with
/// a warning, when it cannot be loaded.
const SoundModule *loadSoundModule(const QString &file);

/// The module's object itself, in veskora_platform_sound.
const SoundModule &qtSoundModule();

} // namespace Platform
