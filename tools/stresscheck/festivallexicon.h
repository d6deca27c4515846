// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>

#include "course/stresstable.h"

namespace StressCheck {

/// The Festival voice's stress lexicon (the build's app/pronunciation/ru-festival.tsv),
/// tab-separated "written	spoken" like the eSpeak NG corrections, where the spoken form
/// is the written one with U+0301 after each stressed vowel: every word of one stress (of
/// two or more syllables) and its stressed form, then every lesson record that decides a
/// word of several senses, its whole text with those words marked. Festival takes the
/// stressed syllable from the marks, so it needs no phonemes and the file needs no voice
/// to build.
QString festivalLexiconText(const Course::StressTable &table);

} // namespace StressCheck
