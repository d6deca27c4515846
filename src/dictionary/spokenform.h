// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>

namespace Course {
class StressTable;
} // namespace Course

namespace Dictionary {

/// The spoken form of a dictionary entry's Russian field: everything before the first
/// "(", blanks included; the whole text when it has none.
QString spokenForm(const QString &russian);

/// What the window hands the character to speak an entry whose Russian field is \a russian:
/// "\spd=50\" and the spoken part. A word whose stress the row decides itself (замок as
/// "castle" or as "lock") goes to the voice with its stress mark, inside a map tag whose
/// shown form is the unmarked text, so the balloon stays as it was. \a stress may be null.
QString speechText(const QString &russian, const Course::StressTable *stress);

} // namespace Dictionary
