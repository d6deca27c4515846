// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "lessons/lessoncaptions.h"

#include "course/captiontable.h"
#include "course/languages.h"
#include "course/lessontable.h"

namespace Lessons {
namespace {

const Course::CaptionTable &captionTable()
{
    return Course::CaptionTable::builtIn(QStringLiteral("lessons"));
}

} // namespace

std::optional<LessonCaptions> lessonCaptions(int language, CaptionSet set)
{
    const Course::CaptionTable &table = captionTable();
    if (!table.hasLanguage(language))
        return std::nullopt;
    const auto text = [&](const QString &key) { return table.text(language, key); };
    // A window's own variant of a caption, where its language has one.
    const auto variant = [&](const QString &key, const QString &suffix) {
        const QString own = text(key + suffix);
        return own.isNull() ? text(key) : own;
    };
    LessonCaptions captions;
    captions.back = text(QStringLiteral("back"));
    captions.next = text(QStringLiteral("next"));
    captions.repeat = text(QStringLiteral("repeat"));
    captions.last = text(QStringLiteral("last"));
    captions.end = set == CaptionSet::ThirdLesson ? variant(QStringLiteral("end"), QStringLiteral(".third"))
                                                  : text(QStringLiteral("end"));
    captions.nextLesson = set == CaptionSet::Alphabet
        ? variant(QStringLiteral("nextLesson"), QStringLiteral(".alphabet"))
        : text(QStringLiteral("nextLesson"));
    captions.dictionary = text(QStringLiteral("dictionary"));
    captions.dictionaryTip = text(QStringLiteral("dictionaryTip"));
    captions.lessonPrefix = text(QStringLiteral("lessonPrefix"));
    captions.sliderTip = text(QStringLiteral("sliderTip"));
    return captions;
}

QString translationColumn(int language)
{
    return Course::LessonTable::translation(language);
}

QString installCyrillicTitle()
{
    return captionTable().text(Course::Language::English, QStringLiteral("installCyrillicTitle"));
}

QString installCyrillicMessage(int language)
{
    return captionTable().textOrEnglish(language, QStringLiteral("installCyrillic"));
}

} // namespace Lessons
