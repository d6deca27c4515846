// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/help/chmhelpviewer.h"
#include "platform/modules/linkedmodules.h"

namespace Platform {

namespace {

class ChmModule final : public HelpModule {
public:
    std::unique_ptr<HelpViewer> create() const override { return std::make_unique<ChmHelpViewer>(); }
};

} // namespace

const HelpModule &chmHelpModule()
{
    static const ChmModule module;
    return module;
}

} // namespace Platform
