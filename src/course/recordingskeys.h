// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>

namespace Course {

/// Where the learner's choice to keep their recordings is stored: the file Learning.ini
/// beside the course's settings file, group [Learning], key KeepRecordings, "true" or
/// "false". Anything but "false" (any case) or "0" keeps them: on by default.
namespace RecordingsKeys {
inline const QString kFileName = QStringLiteral("Learning.ini");
inline const QString kSection = QStringLiteral("Learning");
inline const QString kKeepRecordings = QStringLiteral("KeepRecordings");
} // namespace RecordingsKeys

/// The name of the kept recording of a lesson's record (counted from 1): "lesson05-record03".
inline QString recordingName(int lesson, int record)
{
    return QStringLiteral("lesson%1-record%2")
        .arg(lesson, 2, 10, QLatin1Char('0'))
        .arg(record, 2, 10, QLatin1Char('0'));
}

} // namespace Course
