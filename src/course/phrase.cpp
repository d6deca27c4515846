// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "course/phrase.h"

#include "course/languages.h"
#include "course/lessonrules.h"
#include "course/lessontable.h"
#include "course/russiantext.h"

namespace Course {

QString Phrase::translation(int language) const
{
    const int index = Language::indexOf(language);
    return index < 0 ? QString() : translations[std::size_t(index)];
}

bool Phrase::isHeading() const
{
    return isHeadingRecord(lesson, record);
}

Phrase phraseFromRecord(int lesson, int record, const FieldReader &field)
{
    Phrase phrase;
    phrase.lesson = lesson;
    phrase.record = record;
    phrase.russian = DecodeRussianText(field(LessonTable::russianText()));
    phrase.vocabulary = DecodeRussianText(field(LessonTable::russianVocabulary()));
    for (std::size_t i = 0; i < Language::All.size(); ++i)
        phrase.translations[i] = field(LessonTable::translation(Language::All[i]));
    phrase.picture = field(LessonTable::picture());
    phrase.animation = field(LessonTable::animation());
    return phrase;
}

QList<Phrase> readPhrases(int lesson, int rowCount,
                          const std::function<QString(int row, const QString &column)> &fieldAt)
{
    QList<Phrase> phrases;
    phrases.reserve(rowCount);
    for (int row = 0; row < rowCount; ++row)
        phrases.append(phraseFromRecord(lesson, row + 1, [&](const QString &column) { return fieldAt(row, column); }));
    return phrases;
}

} // namespace Course
