// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>

namespace Course::CodePage1251 {

/// The Unicode character that the Windows-1251 byte \a code stands for (codes 0 to 127
/// are themselves; 0x98, unassigned, gives U+FFFD).
QChar toUnicode(uchar code);

/// Decodes text stored one character per Windows-1251 code into real Unicode, character
/// by character over the whole text. A character of code 0 adds nothing. A character above
/// 255 is already real Unicode (text that was never stored in the single-byte form) and is
/// kept as it is.
QString decode(const QString &stored);

/// The stored form of Unicode text: each character replaced by the character whose code
/// is its Windows-1251 byte. Returns false (and leaves \a stored unspecified) when the
/// text holds a character that Windows-1251 cannot represent.
bool encode(const QString &text, QString *stored);

} // namespace Course::CodePage1251
