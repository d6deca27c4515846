// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <utility>

#include <QByteArray>
#include <QList>

namespace Platform {

/// Decides, as a take's samples arrive, when the learner has finished speaking: after a
/// stretch of quiet that follows speech, or at the time limit. Loudness is measured in
/// 20 ms frames; a frame is speech when it is louder than -45 dBFS and at least 12 dB above
/// the quietest frame so far, so a steady background hum does not count as speaking.
class SilenceDetector final {
public:
    struct Limits {
        /// Quiet after speech that ends the take.
        qint64 silenceMs = 1500;
        /// The longest take.
        qint64 limitMs = 10000;
        /// Loud frames in a row that count as the start of speech.
        qint64 speechMs = 80;
    };
    enum class Verdict { Going, Silence, TimeLimit };

    explicit SilenceDetector(int sampleRate);
    SilenceDetector(int sampleRate, Limits limits);

    /// Takes the next little-endian 16-bit mono samples (an odd last byte is kept for the
    /// next call). Once the verdict is Silence or TimeLimit it stays so.
    Verdict feed(const QByteArray &pcm);
    Verdict verdict() const { return m_verdict; }
    bool heardSpeech() const { return m_heardSpeech; }
    /// How loud the last frame was, 0 (-60 dBFS or less) to 1 (full scale).
    double level() const { return m_level; }
    /// Samples taken so far, in milliseconds.
    qint64 receivedMs() const;
    /// How many bytes of the take fall within the time limit.
    qsizetype limitBytes() const;

private:
    void judgeFrame(double levelDb);

    int m_sampleRate;
    Limits m_limits;
    QByteArray m_pending;
    qint64 m_samples = 0;
    qint64 m_loudRunMs = 0;
    qint64 m_quietRunMs = 0;
    double m_floorDb = 0;
    bool m_hasFloor = false;
    bool m_heardSpeech = false;
    double m_level = 0;
    Verdict m_verdict = Verdict::Going;
};

/// The level of each 20 ms frame of little-endian 16-bit mono \a pcm, in dBFS (-100 for a
/// silent frame); a last partial frame counts as a frame.
QList<double> frameLevelsDb(const QByteArray &pcm, int sampleRate);

/// The first and one-past-last byte of the speech in \a pcm, widened by \a marginMs on each
/// side (within the take), measured as SilenceDetector measures it against the take's own
/// quiet; {0, 0} when nothing in it is speech.
std::pair<qsizetype, qsizetype> speechSpan(const QByteArray &pcm, int sampleRate, qint64 marginMs = 200);

} // namespace Platform
