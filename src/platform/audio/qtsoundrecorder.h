// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>
#include <optional>

#include <QElapsedTimer>
#include <QTimer>

#include "platform/audio/silencedetector.h"
#include "platform/audio/soundrecorder.h"

class QAudioFormat;
class QAudioSource;
class QIODevice;

namespace Platform {

/// Records from the system's default input (PulseAudio or PipeWire on Linux) through Qt
/// Multimedia's QAudioSource, as 16-bit mono at 16 kHz where the device takes it, else in
/// the device's preferred format turned into 16-bit mono at its rate.
///
/// Problems: no default input is NoDevice; a device that will not open or stops with an
/// error is DeviceFailed; a stream that opens but delivers no sound at all within the first
/// seconds is AccessRefused: that is how a sound server that withholds the microphone from
/// the program (a sandbox, a permission policy) behaves, since a muted or silent microphone
/// still delivers samples.
class QtSoundRecorder final : public SoundRecorder {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QtSoundRecorder)
public:
    explicit QtSoundRecorder(QObject *parent = nullptr);
    ~QtSoundRecorder() override;

    std::optional<InputProblem> availability() override;
    bool start() override;
    void stop() override;
    void cancel() override;
    bool isRecording() const override { return m_source != nullptr; }

    /// How long a stream may deliver nothing before it counts as refused (tests).
    void setFirstSoundTimeout(int ms) { m_firstSoundTimeoutMs = ms; }

private:
    void readAvailable();
    void sourceStateChanged();
    void finish(StopReason reason);
    void fail(InputProblem problem, const QString &detail);
    void release();

    std::unique_ptr<QAudioSource> m_source;
    QIODevice *m_input = nullptr;
    std::unique_ptr<QAudioFormat> m_format;
    std::optional<SilenceDetector> m_detector;
    QByteArray m_take;
    QTimer m_firstSound;
    QTimer m_deadline;
    QElapsedTimer m_sinceLevel;
    int m_firstSoundTimeoutMs = 2500;
    bool m_gotSound = false;
};

} // namespace Platform
