// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>

namespace Course {

/// The name of the kept recording of a lesson's record (counted from 1): "lesson05-record03".
inline QString recordingName(int lesson, int record)
{
    return QStringLiteral("lesson%1-record%2")
        .arg(lesson, 2, 10, QLatin1Char('0'))
        .arg(record, 2, 10, QLatin1Char('0'));
}

} // namespace Course
