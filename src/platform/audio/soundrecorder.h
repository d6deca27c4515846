// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <optional>

#include <QByteArray>
#include <QObject>

namespace Platform {

/// Sound as recorded or played: little-endian 16-bit mono samples at sampleRate.
struct RecordedSound {
    QByteArray pcm;
    int sampleRate = 16000;

    qint64 durationMs() const { return sampleRate > 0 ? pcm.size() / 2 * 1000 / sampleRate : 0; }
};

/// Records the learner's voice from the system's default sound input, one take at a time.
/// A take ends when the learner stops it, after a stretch of silence once speech was heard,
/// or at the time limit, whichever comes first; the take is then handed over whole, with
/// the silence before and after the speech cut down to a short margin.
///
/// Problems come as codes; the windows word them for the learner. Everything runs on the
/// user-interface thread.
class SoundRecorder : public QObject {
    Q_OBJECT
public:
    /// Why the learner's voice cannot be recorded: there is no input device, the device
    /// failed when opened or while recording, or the system withholds its sound.
    enum class InputProblem { NoDevice, DeviceFailed, AccessRefused };
    Q_ENUM(InputProblem)

    /// Why a take ended.
    enum class StopReason { Stopped, Silence, TimeLimit };
    Q_ENUM(StopReason)

    /// The longest take, in milliseconds.
    static constexpr qint64 kLimitMs = 10000;

    using QObject::QObject;

    /// Nothing when a take can be started; otherwise the problem known without trying
    /// (no device). Looking for devices may take a moment the first time.
    virtual std::optional<InputProblem> availability() = 0;
    /// Starts a take. False when it cannot start; failed() has then been emitted.
    virtual bool start() = 0;
    /// Ends the take now; finished() follows at once with StopReason::Stopped.
    virtual void stop() = 0;
    /// Drops the take without handing it over.
    virtual void cancel() = 0;
    virtual bool isRecording() const = 0;

Q_SIGNALS:
    /// The take has ended; \a sound is empty when nothing came from the device.
    void finished(const Platform::RecordedSound &sound, Platform::SoundRecorder::StopReason reason);
    /// The take could not start or broke off; nothing is handed over. \a detail is technical.
    void failed(Platform::SoundRecorder::InputProblem problem, const QString &detail);
    /// How loud the input is now, 0 to 1, a few times a second while recording.
    void levelChanged(double level);
};

/// Plays recorded sound, one clip at a time, on the default sound output.
class SoundPlayer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    /// Starts \a sound at once, cutting off a clip still playing (which then does not
    /// report finished()). False when it cannot be heard (no or failing output device);
    /// finished() is then not emitted.
    virtual bool play(const Platform::RecordedSound &sound) = 0;
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;

Q_SIGNALS:
    /// The clip has played to its end.
    void finished();
};

} // namespace Platform
