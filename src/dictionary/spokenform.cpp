// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "dictionary/spokenform.h"

namespace Dictionary {

QString spokenForm(const QString &russian)
{
    const qsizetype bracket = russian.indexOf(u'(');
    return bracket < 0 ? russian : russian.left(bracket);
}

} // namespace Dictionary
