// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "lessons/speechtext.h"

#include <cmath>

namespace Lessons {

QString rateForSliderPosition(int position)
{
    if (position >= 50 && position < 70)
        return QStringLiteral("50");
    if (position >= 70 && position < 90)
        return QStringLiteral("80");
    if (position >= 90 && position < 110)
        return QStringLiteral("100");
    if (position >= 110 && position < 130)
        return QStringLiteral("120");
    if (position >= 130 && position < 145)
        return QStringLiteral("130");
    if (position >= 145 && position <= 150)
        return QStringLiteral("150");
    return {};
}

std::optional<int> sliderPositionForSpeed(const QString &speed)
{
    // The stored text is read the way a number is read from the start of a text: leading
    // blanks skipped, then digits with at most one decimal point; anything after is ignored.
    const QString text = speed.trimmed();
    qsizetype end = 0;
    bool point = false;
    if (end < text.size() && (text.at(end) == u'+' || text.at(end) == u'-'))
        ++end;
    while (end < text.size() && (text.at(end).isDigit() || (text.at(end) == u'.' && !point))) {
        point = point || text.at(end) == u'.';
        ++end;
    }
    bool ok = false;
    const double value = text.left(end).toDouble(&ok);
    const long position = ok ? std::lround(value) : 0;
    if (position < kSliderMinimum || position > kSliderMaximum)
        return std::nullopt;
    return int(position);
}

QString lessonSpeechText(const QString &rate, const QString &text)
{
    return QStringLiteral("\\spd=") + rate + QStringLiteral("\\") + QStringLiteral("\\pit=74\\") + text;
}

QString alphabetSpeechText(const QString &text)
{
    const QChar quote = u'"';
    return QStringLiteral("\\spd=50\\") + QStringLiteral("\\map=") + quote + text + quote + u'=' + quote + text + quote
        + u'\\';
}

} // namespace Lessons
