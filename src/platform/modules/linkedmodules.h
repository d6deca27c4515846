// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include "platform/modules/adaptermodules.h"

namespace Platform {

/// The modules' objects, each defined in its adapter's static library: a module exports
/// its own, and a program or test that links the libraries uses them directly.
const CharacterModule &genieCharacterModule();
const DatabaseModule &sqlCipherDatabaseModule();
const ReportModule &qtReportModule();
const HelpModule &chmHelpModule();

/// All four, for a program or test that links veskora_platform_adapters.
inline AdapterModules::Set linkedModules()
{
    return {&genieCharacterModule(), &sqlCipherDatabaseModule(), &qtReportModule(), &chmHelpModule()};
}

} // namespace Platform
