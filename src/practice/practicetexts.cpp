// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "practice/practicetexts.h"

#include "course/captiontable.h"

namespace Practice {

namespace {

QString fromTable(const QString &table, int language, const QString &key)
{
    return Course::CaptionTable::builtIn(table).textOrEnglish(language, key);
}

} // namespace

QString practiceText(int language, const QString &key)
{
    return fromTable(QStringLiteral("practice"), language, key);
}

QString progressText(int language, const QString &key)
{
    return fromTable(QStringLiteral("progress"), language, key);
}

QString entryText(int language, const QString &key)
{
    return fromTable(QStringLiteral("practiceentries"), language, key);
}

QString reviewDueCaption(int language, int due)
{
    return entryText(language, QStringLiteral("reviewDue")).arg(due);
}

QString dueTodayLine(int language, int due)
{
    if (due <= 0)
        return {};
    if (due == 1)
        return entryText(language, QStringLiteral("dueTodayOne"));
    return entryText(language, QStringLiteral("dueToday")).arg(due);
}

} // namespace Practice
