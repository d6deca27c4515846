// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "course/codepage1251.h"

#include <array>

namespace Course::CodePage1251 {
namespace {

// Unicode code points of the Windows-1251 bytes 0x80 to 0xBF; 0xC0 to 0xFF are А to я.
constexpr std::array<char16_t, 64> kHighTable = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0xFFFD, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

} // namespace

QChar toUnicode(uchar code)
{
    if (code < 0x80)
        return QChar(code);
    if (code >= 0xC0)
        return QChar(char16_t(0x0410 + (code - 0xC0)));
    return QChar(kHighTable[code - 0x80]);
}

QString decode(const QString &stored)
{
    QString result;
    result.reserve(stored.size());
    for (const QChar c : stored) {
        const char16_t code = c.unicode();
        if (code == 0)
            continue;
        result.append(code > 0xFF ? c : toUnicode(uchar(code)));
    }
    return result;
}

bool encode(const QString &text, QString *stored)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code < 0x80) {
            result.append(c);
            continue;
        }
        if (code >= 0x0410 && code <= 0x044F) {
            result.append(QChar(char16_t(0xC0 + (code - 0x0410))));
            continue;
        }
        bool found = false;
        for (std::size_t i = 0; i < kHighTable.size(); ++i) {
            if (kHighTable[i] == code && code != 0xFFFD) {
                result.append(QChar(char16_t(0x80 + i)));
                found = true;
                break;
            }
        }
        if (!found)
            return false;
    }
    *stored = result;
    return true;
}

} // namespace Course::CodePage1251
