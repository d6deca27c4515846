// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// The one symbol each module exports; VESKORA_MODULE_<ADAPTER> says which module is built.
#include <QtGlobal>

#include "platform/modules/linkedmodules.h"

#if defined(VESKORA_MODULE_AGENT)
extern "C" Q_DECL_EXPORT const Platform::CharacterModule *veskoraCharacterModule()
{
    return &Platform::genieCharacterModule();
}
#elif defined(VESKORA_MODULE_DATABASE)
extern "C" Q_DECL_EXPORT const Platform::DatabaseModule *veskoraDatabaseModule()
{
    return &Platform::sqlCipherDatabaseModule();
}
#elif defined(VESKORA_MODULE_REPORT)
extern "C" Q_DECL_EXPORT const Platform::ReportModule *veskoraReportModule()
{
    return &Platform::qtReportModule();
}
#elif defined(VESKORA_MODULE_HELP)
extern "C" Q_DECL_EXPORT const Platform::HelpModule *veskoraHelpModule()
{
    return &Platform::chmHelpModule();
}
#endif
