// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "course/displayrussian.h"

#include "course/stressmarks.h"
#include "course/transliteration.h"

namespace Course {

QString displayRussian(const QString &text, const StressTable *table, const LearningChoices &choices,
                       const CourseRecord &record)
{
    if (!choices.stressMarks || !table)
        return text;
    return markStress(text, *table, record);
}

QString transliterationLine(const QString &text, const StressTable *table, const LearningChoices &choices, int language,
                            const CourseRecord &record)
{
    if (!choices.transliteration || text.trimmed().isEmpty())
        return {};
    // The bold follows the stress table whether or not the marks are shown.
    const QString stressed = table ? markStress(text, *table, record) : text;
    return Transliteration::forLanguage(language).toHtml(stressed);
}

} // namespace Course
