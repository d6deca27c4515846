// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace Platform {

/// Writes 16-bit mono PCM into one WAV file, appending as speech is spoken. The header is
/// brought up to date after every append, so the file is complete whenever it is read.
class WavWriter final {
public:
    /// Creates (truncates) \a path. Check isOpen().
    WavWriter(const QString &path, int sampleRate);

    bool isOpen() const { return m_file.isOpen(); }
    int sampleRate() const { return m_sampleRate; }

    /// Appends little-endian 16-bit samples. Audio at another sample rate than the file's
    /// is not appended (returns false), since it would play at the wrong pitch.
    bool append(const QByteArray &pcm, int sampleRate);

private:
    bool writeHeader();

    QFile m_file;
    int m_sampleRate;
    quint32 m_dataBytes = 0;
};

/// A whole 16-bit mono WAV file holding \a pcm at \a sampleRate, as WavWriter writes it.
QByteArray wavFile(const QByteArray &pcm, int sampleRate);

/// Reads the samples of a 16-bit mono WAV file as WavWriter writes it. Returns false for a
/// file it cannot read or any other layout.
bool readWav(const QString &path, QByteArray *pcm, int *sampleRate);

} // namespace Platform
