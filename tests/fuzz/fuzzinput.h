// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace Fuzz {

/// The fuzzer's bytes as they are.
inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

/// The fuzzer's bytes read as UTF-8, as the programs read their files.
inline QString textOf(const uint8_t *data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}

/// The input cut at its line breaks into at most \a count parts (the last keeps the rest),
/// so one input can carry, say, a pattern and a text to match it against.
inline QStringList partsOf(const QString &text, int count)
{
    QStringList parts;
    qsizetype start = 0;
    while (parts.size() < count - 1) {
        const qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            break;
        parts << text.mid(start, end - start);
        start = end + 1;
    }
    parts << text.mid(start);
    // Empty, not null: Qt treats a null text differently in a few comparisons.
    while (parts.size() < count)
        parts << QStringLiteral("");
    return parts;
}

/// Ends the run as a finding: libFuzzer keeps the input that broke a promise like a crash.
[[noreturn]] inline void broken()
{
    std::abort();
}

/// Parsers report what they refuse through Qt's log (the SVG reader does); at a million
/// inputs that would be all the fuzzer prints.
inline void silenceQtMessages()
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
}

} // namespace Fuzz
