// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "course/learningchoices.h"

namespace Course {
namespace {

bool parseChoice(const QString &stored, bool fallback)
{
    const QString text = stored.trimmed().toLower();
    if (text == u"true" || text == u"1")
        return true;
    if (text == u"false" || text == u"0")
        return false;
    return fallback;
}

} // namespace

LearningChoices LearningChoices::fromStored(const QString &stressMarks, const QString &transliteration,
                                            const QString &keepRecordings)
{
    const LearningChoices defaults;
    return {parseChoice(stressMarks, defaults.stressMarks), parseChoice(transliteration, defaults.transliteration),
            parseChoice(keepRecordings, defaults.keepRecordings)};
}

QString LearningChoices::storedText(bool on)
{
    return on ? QStringLiteral("true") : QStringLiteral("false");
}

LearningChoicesNotifier::LearningChoicesNotifier(QObject *parent)
    : QObject(parent)
{
}

LearningChoicesNotifier::~LearningChoicesNotifier() = default;

void LearningChoicesNotifier::setChoices(const LearningChoices &choices)
{
    if (choices == m_choices)
        return;
    m_choices = choices;
    Q_EMIT choicesChanged(m_choices);
}

LearningChoices choicesOf(const LearningChoicesNotifier *notifier)
{
    return notifier ? notifier->choices() : LearningChoices();
}

} // namespace Course
