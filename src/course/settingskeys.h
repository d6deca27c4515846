// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>

namespace Course::Settings {

/// The course's settings store: application "Veskora", section "Settings". The course
/// program and the installer share it, and it holds these four keys only.
inline const QString kApplication = QStringLiteral("Veskora");
inline const QString kSection = QStringLiteral("Settings");

/// "OK" once the installer has set up the speech components.
inline const QString kAgent = QStringLiteral("Agent");
/// The interface language code as decimal text ("110" … "160").
inline const QString kLanguage = QStringLiteral("Language");
/// The lesson last opened, as decimal text.
inline const QString kLesson = QStringLiteral("Lesson");
/// The speech rate in words per minute ("50" … "150"), or empty.
inline const QString kSpeed = QStringLiteral("Speed");

/// The value of kAgent that lets the course start.
inline const QString kAgentInstalled = QStringLiteral("OK");

} // namespace Course::Settings
