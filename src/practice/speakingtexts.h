// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>

namespace Practice {

/// The text of \a key in interface language \a language (English where it lacks one), from
/// the caption table course/captions/speaking.txt.
QString speakingText(int language, const QString &key);

} // namespace Practice
