// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "course/practiceitem.h"

#include "course/languages.h"
#include "course/lessonrules.h"
#include "course/phrase.h"

namespace Course {

namespace {

// An alphabet record reads "Б б — банан": the letter pair comes before the dash.
QString letterPair(const QString &russian)
{
    const qsizetype dash = russian.indexOf(u'—');
    return (dash < 0 ? russian : russian.left(dash)).trimmed();
}

} // namespace

QString PracticeItem::meaning(int language) const
{
    const int index = Language::indexOf(language);
    return index < 0 ? QString() : meanings[std::size_t(index)];
}

QList<PracticeItem> practiceItems(const QList<Phrase> &phrases)
{
    QList<PracticeItem> items;
    for (const Phrase &phrase : phrases) {
        if (phrase.isHeading() || phrase.russian.trimmed().isEmpty())
            continue;
        PracticeItem item;
        item.key = {phrase.lesson, phrase.record};
        item.picture = phrase.picture;
        item.animation = phrase.animation;
        if (phrase.lesson == kAlphabetLesson) {
            item.isLetter = true;
            item.russian = letterPair(phrase.russian);
            item.spoken = item.russian.left(1);
        } else {
            const bool hasMeaning = std::any_of(phrase.translations.cbegin(), phrase.translations.cend(),
                                                [](const QString &text) { return !text.trimmed().isEmpty(); });
            if (!hasMeaning)
                continue;
            item.russian = phrase.russian.trimmed();
            item.spoken = item.russian;
            item.meanings = phrase.translations;
        }
        items.append(item);
    }
    return items;
}

} // namespace Course
