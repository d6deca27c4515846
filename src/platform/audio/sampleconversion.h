// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QAudioFormat>
#include <QByteArray>

namespace Platform {

/// \a raw samples in \a format (the machine's byte order, as QAudioSource delivers them)
/// as little-endian 16-bit mono, the first channel, at the same rate. Empty for a format
/// without a sample type.
QByteArray toMono16(const QByteArray &raw, const QAudioFormat &format);

} // namespace Platform
