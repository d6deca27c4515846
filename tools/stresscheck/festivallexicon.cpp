// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "festivallexicon.h"

#include <QMap>

#include "course/stressmarks.h"

namespace StressCheck {

QString festivalLexiconText(const Course::StressTable &table)
{
    QString text =
        QStringLiteral("# Generated from data/pronunciation by stresscheck: do not edit.\n"
                       "# The Festival voice's stress: a word and its stressed form, or a lesson text and its\n"
                       "# words of several senses marked as the record decides them.\n"
                       "written\tspoken\n");
    QStringList words = table.words();
    words.sort();
    for (const QString &word : std::as_const(words)) {
        const QStringList forms = table.readings(word);
        if (forms.size() == 1 && Course::syllableCount(word) > 1)
            text += word + u'\t' + forms.first() + u'\n';
    }
    // Keyed by text: a text decided alike in several lessons is written once.
    QMap<QString, QString> texts;
    for (const Course::StressTable::RecordDecision &decision : table.recordDecisions()) {
        if (!decision.record.place.startsWith(QStringLiteral("lesson")))
            continue;
        texts.insert(decision.record.text,
                     Course::markStress(decision.record.text, table, decision.record,
                                        Course::StressMarking::RecordDecisionsOnly));
    }
    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
        text += it.key() + u'\t' + it.value() + u'\n';
    return text;
}

} // namespace StressCheck
