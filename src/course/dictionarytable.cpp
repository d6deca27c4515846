// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "course/dictionarytable.h"

#include "course/languages.h"

namespace Course::DictionaryTable {

QString tableName()
{
    return QStringLiteral("Lang");
}

const std::array<QString, kColumnCount> &columns()
{
    static const std::array<QString, kColumnCount> names = {
        QStringLiteral("English"), QStringLiteral("Swedish"), QStringLiteral("Suomi"),   QStringLiteral("Deutch"),
        QStringLiteral("France"),  QStringLiteral("Spain"),   QStringLiteral("Russian"),
    };
    return names;
}

QString russian()
{
    return columns()[kColumnCount - 1];
}

QString searchColumn(int language)
{
    const int index = Language::indexOf(language);
    return columns()[std::size_t(index < 0 ? 0 : index)];
}

} // namespace Course::DictionaryTable
