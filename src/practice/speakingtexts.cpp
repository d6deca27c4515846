// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "practice/speakingtexts.h"

#include "course/captiontable.h"

namespace Practice {

QString speakingText(int language, const QString &key)
{
    return Course::CaptionTable::builtIn(QStringLiteral("speaking")).textOrEnglish(language, key);
}

} // namespace Practice
