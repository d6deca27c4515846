// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>

namespace Resources {

/// The desktop's locale as a Windows locale id (LCID), from the POSIX locale variables
/// LC_ALL, then LC_MESSAGES, then LANG (the first that is set and not empty). "sv_SE.UTF-8"
/// gives 0x041D, "de_CH" 0x0807, "ca_ES" 0x0403. A country the table does not know gives
/// the language's default id (primary language | 0x0400); "C", "POSIX", an empty or an
/// unknown language gives 0x0409 (English, United States).
quint32 localeIdFromEnvironment();

/// The same for one locale name such as "fr_CA.UTF-8@euro".
quint32 localeIdFromName(const QString &posixLocale);

/// The primary language of an LCID (its low ten bits).
inline quint32 primaryLanguage(quint32 lcid)
{
    return lcid & 0x3FF;
}

} // namespace Resources
