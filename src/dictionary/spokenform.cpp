// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "dictionary/spokenform.h"

#include "course/stressmarks.h"

namespace Dictionary {

QString spokenForm(const QString &russian)
{
    const qsizetype bracket = russian.indexOf(u'(');
    return bracket < 0 ? russian : russian.left(bracket);
}

QString speechText(const QString &russian, const Course::StressTable *stress)
{
    const QString rate = QStringLiteral("\\spd=50\\");
    const QString spoken = spokenForm(russian);
    const QString marked = stress ? Course::markStress(spoken, *stress, {Course::dictionaryPlace(), russian},
                                                       Course::StressMarking::RecordDecisionsOnly)
                                  : spoken;
    // A quote would end the map tag's text early.
    if (marked == spoken || spoken.contains(u'"'))
        return rate + spoken;
    return rate + QStringLiteral("\\map=\"") + marked + QStringLiteral("\"=\"") + spoken + QStringLiteral("\"\\");
}

} // namespace Dictionary
