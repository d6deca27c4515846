// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QList>

#include "platform/audio/soundrecorder.h"

namespace TestSupport {

/// A recorder without a device: the test says what the input is like and hands over takes.
class FakeSoundRecorder final : public Platform::SoundRecorder {
    Q_OBJECT
public:
    using Platform::SoundRecorder::SoundRecorder;

    /// What availability() reports.
    std::optional<InputProblem> problem;
    /// When set, start() fails with this problem.
    std::optional<InputProblem> failOnStart;
    /// The take that stop() hands over.
    Platform::RecordedSound nextTake;
    int starts = 0;

    std::optional<InputProblem> availability() override { return problem; }
    bool start() override
    {
        ++starts;
        if (failOnStart) {
            Q_EMIT failed(*failOnStart, QStringLiteral("fake"));
            return false;
        }
        m_recording = true;
        return true;
    }
    void stop() override { finishTake(StopReason::Stopped); }
    void cancel() override { m_recording = false; }
    bool isRecording() const override { return m_recording; }

    /// Ends the take as the device would (after a pause, at the limit).
    void finishTake(StopReason reason)
    {
        if (!m_recording)
            return;
        m_recording = false;
        Q_EMIT finished(nextTake, reason);
    }
    /// The device breaks off the take.
    void breakOff(InputProblem problem)
    {
        m_recording = false;
        Q_EMIT failed(problem, QStringLiteral("fake"));
    }

private:
    bool m_recording = false;
};

/// A player that remembers what it was asked to play and finishes when told.
class FakeSoundPlayer final : public Platform::SoundPlayer {
    Q_OBJECT
public:
    using Platform::SoundPlayer::SoundPlayer;

    QList<Platform::RecordedSound> played;

    bool play(const Platform::RecordedSound &sound) override
    {
        played << sound;
        m_playing = true;
        return true;
    }
    void stop() override { m_playing = false; }
    bool isPlaying() const override { return m_playing; }
    /// The clip playing has reached its end.
    void finishClip()
    {
        m_playing = false;
        Q_EMIT finished();
    }

private:
    bool m_playing = false;
};

} // namespace TestSupport
