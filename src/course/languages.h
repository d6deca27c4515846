// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <array>

namespace Course::Language {

/// The interface language codes: the only valid values of ProgramState::interfaceLanguage,
/// stored as decimal text in the "Language" setting.
inline constexpr int English = 110;
inline constexpr int Swedish = 120;
inline constexpr int Finnish = 130;
inline constexpr int German = 140;
inline constexpr int French = 150;
inline constexpr int Spanish = 160;
/// The six codes in the order of the lesson tables' translation columns.
inline constexpr std::array<int, 6> All = {English, Swedish, Finnish, German, French, Spanish};

/// True for one of the six codes.
constexpr bool isInterfaceLanguage(int code)
{
    for (const int language : All) {
        if (language == code)
            return true;
    }
    return false;
}

/// The position of \a code in All (0 to 5), or -1 for any other code.
constexpr int indexOf(int code)
{
    for (int i = 0; i < int(All.size()); ++i) {
        if (All[i] == code)
            return i;
    }
    return -1;
}

} // namespace Course::Language
