// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>

#include <QPointer>
#include <QWidget>

#include "platform/database/databaseengine.h"
#include "platform/help/helpviewer.h"
#include "platform/report/reportengine.h"

namespace Platform {

class AdapterModules;

/// The database engine before its module is loaded: the first open makes the real engine
/// (waiting for the module when it is still loading). Without the module every open fails
/// with NotSupported.
class DeferredDatabaseEngine final : public DatabaseEngine {
public:
    /// \a modules must outlive this object.
    DeferredDatabaseEngine(AdapterModules &modules, int encryptedKeyRounds);
    ~DeferredDatabaseEngine() override;
    DeferredDatabaseEngine(const DeferredDatabaseEngine &) = delete;
    DeferredDatabaseEngine &operator=(const DeferredDatabaseEngine &) = delete;

    /// The real engine, made now if it was not yet; null without the module.
    DatabaseEngine *target();

    Result<std::shared_ptr<Database>> openDatabase(const QString &name, bool exclusive, bool readOnly,
                                                   const QString &connect) override;

private:
    AdapterModules &m_modules;
    int m_keyRounds;
    bool m_made = false;
    std::unique_ptr<DatabaseEngine> m_target;
};

/// The report engine before its module is loaded. The settings are kept here and handed to
/// the real engine, which is made at the first print. Without the module printing fails with
/// ReportErrorCode::OutputFailed.
class DeferredReportEngine final : public ReportEngine {
public:
    /// Reads through \a databases; both must outlive this object.
    DeferredReportEngine(AdapterModules &modules, DatabaseEngine &databases);
    ~DeferredReportEngine() override;
    DeferredReportEngine(const DeferredReportEngine &) = delete;
    DeferredReportEngine &operator=(const DeferredReportEngine &) = delete;

    /// The window the print preview opens over.
    void setDialogParent(QWidget *parent) { m_dialogParent = parent; }

    void setDataFiles(const QString &path) override { m_dataFiles = path; }
    void setConnect(const QString &connect) override { m_connect = connect; }
    void setReportFileName(const QString &path) override { m_reportFile = path; }
    void replaceSelectionFormula(const QString &formula) override { m_formula = formula; }
    Status printReport() override;

private:
    AdapterModules &m_modules;
    DatabaseEngine &m_databases;
    QPointer<QWidget> m_dialogParent;
    bool m_made = false;
    std::unique_ptr<ReportEngine> m_target;
    QString m_dataFiles;
    QString m_connect;
    QString m_reportFile;
    QString m_formula;
};

/// The help viewer before its module is loaded: the first request makes the real viewer.
/// Without the module a request is only logged.
class DeferredHelpViewer final : public HelpViewer {
public:
    /// \a modules must outlive this object.
    explicit DeferredHelpViewer(AdapterModules &modules);
    ~DeferredHelpViewer() override;
    DeferredHelpViewer(const DeferredHelpViewer &) = delete;
    DeferredHelpViewer &operator=(const DeferredHelpViewer &) = delete;

    /// The real viewer, made now if it was not yet; null without the module.
    HelpViewer *target();

    void showHelp(const QString &reference) override;

private:
    AdapterModules &m_modules;
    bool m_made = false;
    std::unique_ptr<HelpViewer> m_target;
};

} // namespace Platform
