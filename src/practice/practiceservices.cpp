// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "practice/practiceservices.h"

#include "practice/coursereader.h"

namespace Practice {

const QList<Course::PracticeItem> &PracticeServices::items()
{
    if (itemCache.isEmpty() && databases)
        itemCache = readPracticeItems(*databases, paths);
    return itemCache;
}

} // namespace Practice
