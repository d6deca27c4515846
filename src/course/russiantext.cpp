// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "course/russiantext.h"

#include "course/codepage1251.h"

namespace Course {

QString DecodeRussianText(const QString &stored)
{
    return CodePage1251::decode(stored);
}

} // namespace Course
