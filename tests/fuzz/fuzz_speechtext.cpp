// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// Feeds arbitrary text to the speech-tag parser. Besides crashes and sanitizer reports it
// checks what the parser promises: no tag text reaches the voice or the balloon, and the
// texts come out trimmed with single blanks.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QString>

#include "platform/agent/speechtext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const Platform::SpeechText parsed = Platform::parseSpeechText(text);
    // A backslash can only come through inside the quoted parts of a \map= tag.
    if (!text.contains(u'"') && (parsed.spoken.contains(u'\\') || parsed.shown.contains(u'\\')))
        abort();
    if (parsed.spoken != parsed.spoken.simplified() || parsed.shown != parsed.shown.simplified())
        abort();
    if (parsed.wordsPerMinute && (*parsed.wordsPerMinute <= 0 || *parsed.wordsPerMinute > 9999))
        abort();
    (void)Platform::balloonWords(parsed.shown);
    return 0;
}
