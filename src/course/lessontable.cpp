// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "course/lessontable.h"

#include "course/languages.h"

namespace Course::LessonTable {

namespace {
enum Column { Russian, Vocabulary, FirstTranslation, Picture = 8, Animation = 9 };
}

const std::array<QString, kColumnCount> &columns()
{
    static const std::array<QString, kColumnCount> names = {
        QStringLiteral("RussianText"), QStringLiteral("RussianVoc"),  QStringLiteral("EnglishText"),
        QStringLiteral("SvenskaText"), QStringLiteral("FinnishText"), QStringLiteral("DeutchText"),
        QStringLiteral("FranceText"),  QStringLiteral("SpanishText"), QStringLiteral("Picture1"),
        QStringLiteral("Animat"),
    };
    return names;
}

QString russianText()
{
    return columns()[Russian];
}
QString russianVocabulary()
{
    return columns()[Vocabulary];
}
QString picture()
{
    return columns()[Picture];
}
QString animation()
{
    return columns()[Animation];
}

QString translation(int language)
{
    const int index = Language::indexOf(language);
    return index < 0 ? QString() : columns()[FirstTranslation + index];
}

} // namespace Course::LessonTable
