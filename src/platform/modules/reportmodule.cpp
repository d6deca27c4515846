// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QWidget>

#include "platform/modules/linkedmodules.h"
#include "platform/report/reportengineqt.h"

namespace Platform {

namespace {

class QtReportModule final : public ReportModule {
public:
    std::unique_ptr<ReportEngine> create(DatabaseEngine &databases, QWidget *dialogParent) const override
    {
        auto engine = std::make_unique<ReportEngineQt>(databases);
        engine->setDialogParent(dialogParent);
        return engine;
    }
};

} // namespace

const ReportModule &qtReportModule()
{
    static const QtReportModule module;
    return module;
}

} // namespace Platform
