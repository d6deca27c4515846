// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/modules/deferredadapters.h"

#include <utility>

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

void DeferredDatabaseEngine::prepareKey(const QString &path, const QString &password)
{
    if (DatabaseEngine *engine = target())
        engine->prepareKey(path, password);
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
    for (auto it = m_filters.cbegin(); it != m_filters.cend(); ++it)
        m_target->setTextFilter(it.key(), it.value());
    return m_target->printReport();
}

void DeferredReportEngine::setTextFilter(const QString &field, TextFilter filter)
{
    m_filters.insert(field.toLower(), std::move(filter));
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
        if (const HelpModule *module = m_modules.help()) {
            // Texts given later reach the window too.
            m_target = module->create(
                [this](HelpProblem problem) { return m_problemTexts ? m_problemTexts(problem) : QString(); });
        }
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

DeferredProgressStore::DeferredProgressStore(AdapterModules &modules, QString path)
    : m_modules(modules)
    , m_path(std::move(path))
{
}

DeferredProgressStore::~DeferredProgressStore() = default;

Result<ProgressOpenReport> DeferredProgressStore::open()
{
    if (!m_made) {
        m_made = true;
        if (const DatabaseModule *module = m_modules.databases())
            m_target = module->createProgressStore(m_path);
    }
    if (!m_target)
        return Error{ErrorCode::ProgressUnavailable, QStringLiteral("the database module is not loaded")};
    return m_target->open();
}

template<typename Request>
auto DeferredProgressStore::ask(Request &&request) const -> decltype(request(std::declval<const ProgressStore &>()))
{
    if (m_target)
        return request(std::as_const(*m_target));
    return Error{ErrorCode::ProgressNotOpen, QStringLiteral("the progress store is not open")};
}

Status DeferredProgressStore::recordAnswer(const ProgressAnswer &answer, const ProgressItemState &state)
{
    if (m_target)
        return m_target->recordAnswer(answer, state);
    return fail(ErrorCode::ProgressNotOpen, QStringLiteral("the progress store is not open"));
}

Result<QList<ProgressItemState>> DeferredProgressStore::itemStates() const
{
    return ask([](const ProgressStore &store) { return store.itemStates(); });
}

Result<int> DeferredProgressStore::dueCount(QDate day) const
{
    return ask([&](const ProgressStore &store) { return store.dueCount(day); });
}

Result<int> DeferredProgressStore::firstAnsweredOn(QDate day) const
{
    return ask([&](const ProgressStore &store) { return store.firstAnsweredOn(day); });
}

Result<QList<ProgressDayTally>> DeferredProgressStore::answersPerDay(QDate first, QDate last) const
{
    return ask([&](const ProgressStore &store) { return store.answersPerDay(first, last); });
}

Result<QList<ProgressDueDay>> DeferredProgressStore::dueForecast(QDate first, QDate last) const
{
    return ask([&](const ProgressStore &store) { return store.dueForecast(first, last); });
}

Result<QList<QDate>> DeferredProgressStore::practiceDays(QDate last, int limit) const
{
    return ask([&](const ProgressStore &store) { return store.practiceDays(last, limit); });
}

} // namespace Platform
