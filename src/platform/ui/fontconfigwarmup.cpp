// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/ui/fontconfigwarmup.h"

#include <fontconfig/fontconfig.h>

namespace Platform {

FontConfigWarmUp::FontConfigWarmUp()
    : m_thread([] { FcInit(); })
{
}

FontConfigWarmUp::~FontConfigWarmUp()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace Platform
