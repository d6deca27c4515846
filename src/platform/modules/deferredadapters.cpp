// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/modules/deferredadapters.h"

#include <QLoggingCategory>

#include "platform/modules/adaptermodules.h"

Q_DECLARE_LOGGING_CATEGORY(lcModules)

namespace Platform {

DeferredDatabaseEngine::DeferredDatabaseEngine(AdapterModules &modules, int encryptedKeyRounds)
    : m_modules(modules)
    , m_keyRounds(encryptedKeyRounds)
{
}

DeferredDatabaseEngine::~DeferredDatabaseEngine() = default;

DatabaseEngine *DeferredDatabaseEngine::target()
{
    if (!m_made) {
        m_made = true;
        if (const DatabaseModule *module = m_modules.databases())
            m_target = module->create(m_keyRounds);
    }
    return m_target.get();
}

Result<std::shared_ptr<Database>> DeferredDatabaseEngine::openDatabase(const QString &name, bool exclusive,
                                                                       bool readOnly, const QString &connect)
{
    if (DatabaseEngine *engine = target())
        return engine->openDatabase(name, exclusive, readOnly, connect);
    return Error{ErrorCode::NotSupported, QStringLiteral("the database module is not loaded")};
}

DeferredReportEngine::DeferredReportEngine(AdapterModules &modules, DatabaseEngine &databases)
    : m_modules(modules)
    , m_databases(databases)
{
}

DeferredReportEngine::~DeferredReportEngine() = default;

Status DeferredReportEngine::printReport()
{
    if (!m_made) {
        m_made = true;
        if (const ReportModule *module = m_modules.reports())
            m_target = module->create(m_databases, m_dialogParent);
    }
    if (!m_target)
        return fail(ReportErrorCode::OutputFailed, QStringLiteral("the report module is not loaded"));
    m_target->setDataFiles(m_dataFiles);
    m_target->setConnect(m_connect);
    m_target->setReportFileName(m_reportFile);
    m_target->replaceSelectionFormula(m_formula);
    return m_target->printReport();
}

DeferredHelpViewer::DeferredHelpViewer(AdapterModules &modules)
    : m_modules(modules)
{
}

DeferredHelpViewer::~DeferredHelpViewer() = default;

HelpViewer *DeferredHelpViewer::target()
{
    if (!m_made) {
        m_made = true;
        if (const HelpModule *module = m_modules.help())
            m_target = module->create();
    }
    return m_target.get();
}

void DeferredHelpViewer::showHelp(const QString &reference)
{
    if (HelpViewer *viewer = target())
        viewer->showHelp(reference);
    else
        qCWarning(lcModules) << "no help viewer for" << reference;
}

} // namespace Platform
