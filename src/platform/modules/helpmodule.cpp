// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/help/chmhelpviewer.h"
#include "platform/modules/linkedmodules.h"

namespace Platform {

namespace {

class ChmModule final : public HelpModule {
public:
    std::unique_ptr<HelpViewer> create(HelpProblemTexts problemTexts) const override
    {
        auto viewer = std::make_unique<ChmHelpViewer>();
        if (problemTexts)
            viewer->setProblemTexts(std::move(problemTexts));
        return viewer;
    }
};

} // namespace

const HelpModule &chmHelpModule()
{
    static const ChmModule module;
    return module;
}

} // namespace Platform
