// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>

#include <functional>

namespace Course {
class LearningChoicesNotifier;
class StressTable;
} // namespace Course

namespace Practice {

/// What the practice windows need to show Russian text as the learner chose: the course's
/// stress table (read when first needed) and the learner's choices. Either may be missing,
/// and the text is then shown as stored.
struct RussianDisplay {
    std::function<const Course::StressTable *()> stressTable;
    const Course::LearningChoicesNotifier *choices = nullptr;
};

/// Every Russian text the practice windows show passes through here: \a russian, a record
/// text of lesson \a lesson (a record's own stress decisions apply), with stress marks when
/// the learner chose them. Typed answers are compared with the plain text, and screen
/// readers get the plain text, never what this returns.
QString shownRussian(const QString &russian, int lesson, const RussianDisplay &display);

} // namespace Practice
