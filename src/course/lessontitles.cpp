// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "course/lessontitles.h"

#include "course/captiontable.h"
#include "course/lessonrules.h"

namespace Course {

LessonTitles LessonTitles::fromTable(const CaptionTable &table)
{
    LessonTitles titles;
    for (const int language : table.languages()) {
        Captions captions;
        captions.caption = table.text(language, QStringLiteral("caption"));
        for (int entry = 1; entry <= kLessonCount; ++entry)
            captions.entries.append(table.text(language, QString::number(entry)));
        const bool complete = !captions.caption.isNull()
            && std::none_of(captions.entries.cbegin(), captions.entries.cend(),
                            [](const QString &text) { return text.isNull(); });
        if (complete)
            titles.m_captions.insert(language, captions);
    }
    return titles;
}

LessonTitles LessonTitles::parse(const QString &text)
{
    return fromTable(CaptionTable::parse(text));
}

const LessonTitles &LessonTitles::builtIn()
{
    static const LessonTitles titles = fromTable(CaptionTable::builtIn(QStringLiteral("lessontitles")));
    return titles;
}

const LessonTitles::Captions *LessonTitles::forLanguage(int languageCode) const
{
    const auto found = m_captions.constFind(languageCode);
    return found == m_captions.constEnd() ? nullptr : &*found;
}

} // namespace Course
