// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <array>

#include <QString>

namespace Course::LessonTable {

/// The columns of a lesson table ("Lektion<n>") in the course database, in their order.
/// The two Russian columns hold their text one character per Windows-1251 code.
inline constexpr int kColumnCount = 10;
const std::array<QString, kColumnCount> &columns();

/// The Russian text shown (RussianText) and the words spoken where the text is not
/// (RussianVoc).
QString russianText();
QString russianVocabulary();
/// The column of the translation into interface language \a language ("EnglishText" …),
/// or an empty text for any other code.
QString translation(int language);
QString picture();
QString animation();

} // namespace Course::LessonTable
