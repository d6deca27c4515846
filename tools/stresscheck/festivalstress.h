// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <optional>

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace StressCheck {

/// The stress that Festival's Russian voice (msu_ru_nsh_clunits: its lexicon, and its
/// letter-to-sound rules with a stress tree for words the lexicon lacks) gives each of
/// \a words, as the indices of the stressed vowels over the whole word. Each hyphen-joined
/// part is looked up on its own. All words go to one `festival --batch` process. Nothing
/// when festival cannot run; a word Festival syllabifies otherwise than by its vowels is
/// left out.
std::optional<QHash<QString, QList<int>>> festivalStress(const QStringList &words, QString *error);

/// The stressed syllables of one lex.lookup answer, e.g. `("замок" n (((z a) 1) ((m o k)
/// 0)))` gives {0}; \a syllables receives the number of syllables.
QList<int> parseLexiconEntry(const QString &entry, int *syllables);

} // namespace StressCheck
