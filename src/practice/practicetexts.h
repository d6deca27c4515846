// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>

namespace Practice {

/// The practice feature's texts in the six interface languages, kept as caption tables
/// ("practice", "progress", "practiceentries"). A language outside the six, or a key its
/// block lacks, gives the English text.
QString practiceText(int language, const QString &key);
QString progressText(int language, const QString &key);
QString entryText(int language, const QString &key);

/// The menu entry for due phrases with their number: "Review due phrases (3)".
QString reviewDueCaption(int language, int due);
/// The start dialog's line of phrases due today; empty when none is due.
QString dueTodayLine(int language, int due);

} // namespace Practice
