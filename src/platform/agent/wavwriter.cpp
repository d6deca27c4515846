// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/wavwriter.h"

#include <QtEndian>

namespace Platform {

namespace {

constexpr int kHeaderBytes = 44;

void put32(char *at, quint32 value)
{
    qToLittleEndian(value, at);
}
void put16(char *at, quint16 value)
{
    qToLittleEndian(value, at);
}

void fillHeader(char *header, int sampleRate, quint32 dataBytes)
{
    memcpy(header, "RIFF", 4);
    put32(header + 4, 36 + dataBytes);
    memcpy(header + 8, "WAVEfmt ", 8);
    put32(header + 16, 16);
    put16(header + 20, 1); // PCM
    put16(header + 22, 1); // mono
    put32(header + 24, quint32(sampleRate));
    put32(header + 28, quint32(sampleRate) * 2);
    put16(header + 32, 2);
    put16(header + 34, 16);
    memcpy(header + 36, "data", 4);
    put32(header + 40, dataBytes);
}

} // namespace

WavWriter::WavWriter(const QString &path, int sampleRate)
    : m_file(path)
    , m_sampleRate(sampleRate)
{
    if (m_file.open(QIODevice::WriteOnly | QIODevice::Truncate) && !writeHeader())
        m_file.close();
}

bool WavWriter::writeHeader()
{
    char header[kHeaderBytes];
    fillHeader(header, m_sampleRate, m_dataBytes);
    return m_file.seek(0) && m_file.write(header, kHeaderBytes) == kHeaderBytes;
}

bool WavWriter::append(const QByteArray &pcm, int sampleRate)
{
    if (!isOpen() || sampleRate != m_sampleRate)
        return false;
    if (pcm.isEmpty())
        return true;
    if (!m_file.seek(kHeaderBytes + qint64(m_dataBytes)) || m_file.write(pcm) != pcm.size())
        return false;
    m_dataBytes += quint32(pcm.size());
    const bool ok = writeHeader();
    m_file.flush();
    return ok;
}

QByteArray wavFile(const QByteArray &pcm, int sampleRate)
{
    const qsizetype dataBytes = pcm.size() & ~qsizetype(1);
    QByteArray file(kHeaderBytes, Qt::Uninitialized);
    fillHeader(file.data(), sampleRate, quint32(dataBytes));
    file.append(pcm.constData(), dataBytes);
    return file;
}

bool readWav(const QString &path, QByteArray *pcm, int *sampleRate)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray all = file.readAll();
    if (all.size() < kHeaderBytes || !all.startsWith("RIFF") || all.mid(8, 8) != "WAVEfmt "
        || qFromLittleEndian<quint16>(all.constData() + 20) != 1
        || qFromLittleEndian<quint16>(all.constData() + 22) != 1
        || qFromLittleEndian<quint16>(all.constData() + 34) != 16 || all.mid(36, 4) != "data")
        return false;
    const quint32 bytes = qFromLittleEndian<quint32>(all.constData() + 40);
    if (qsizetype(bytes) > all.size() - kHeaderBytes)
        return false;
    *sampleRate = int(qFromLittleEndian<quint32>(all.constData() + 24));
    *pcm = all.mid(kHeaderBytes, bytes);
    return true;
}

} // namespace Platform
