// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "lessons/decoderussiantext.h"

#include "platform/ui/codepage1251.h"

namespace Lessons {

QString DecodeRussianText(const QString &stored)
{
    return Platform::CodePage1251::decode(stored);
}

} // namespace Lessons
