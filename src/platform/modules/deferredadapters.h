// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>
#include <utility>

#include <QHash>
#include <QPointer>
#include <QWidget>

#include "platform/database/databaseengine.h"
#include "platform/help/helpviewer.h"
#include "platform/progress/progressstore.h"
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
    void prepareKey(const QString &path, const QString &password) override;

private:
    AdapterModules &m_modules;
    int m_keyRounds;
    bool m_made = false;
    std::unique_ptr<DatabaseEngine> m_target;
};

/// The report engine before its module is loaded. The settings and text filters are kept here
/// and handed to the real engine, which is made at the first print. Without the module printing fails with
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
    void setTextFilter(const QString &field, TextFilter filter) override;
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
    /// By field name in lower case, as the real engine matches them.
    QHash<QString, TextFilter> m_filters;
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
    /// The texts the help window explains problems with, asked each time it shows one.
    void setProblemTexts(HelpProblemTexts texts) { m_problemTexts = std::move(texts); }

private:
    AdapterModules &m_modules;
    bool m_made = false;
    std::unique_ptr<HelpViewer> m_target;
    HelpProblemTexts m_problemTexts;
};

/// The progress store before its module is loaded: its path and whether it is open are
/// answered here; open() makes the real store (waiting for the module when it is still
/// loading). Without the module open() fails with ProgressUnavailable.
class DeferredProgressStore final : public ProgressStore {
public:
    /// The store in the file \a path; \a modules must outlive this object.
    DeferredProgressStore(AdapterModules &modules, QString path);
    ~DeferredProgressStore() override;
    DeferredProgressStore(const DeferredProgressStore &) = delete;
    DeferredProgressStore &operator=(const DeferredProgressStore &) = delete;

    QString path() const override { return m_path; }
    Result<ProgressOpenReport> open() override;
    bool isOpen() const override { return m_target && m_target->isOpen(); }
    bool isWritable() const override { return m_target && m_target->isWritable(); }
    Status recordAnswer(const ProgressAnswer &answer, const ProgressItemState &state) override;
    Result<QList<ProgressItemState>> itemStates() const override;
    Result<int> dueCount(QDate day) const override;
    Result<int> firstAnsweredOn(QDate day) const override;
    Result<QList<ProgressDayTally>> answersPerDay(QDate first, QDate last) const override;
    Result<QList<ProgressDueDay>> dueForecast(QDate first, QDate last) const override;
    Result<QList<QDate>> practiceDays(QDate last, int limit) const override;

private:
    /// Runs \a request on the real store, or fails as a store that is not open.
    template<typename Request>
    auto ask(Request &&request) const -> decltype(request(std::declval<const ProgressStore &>()));

    AdapterModules &m_modules;
    QString m_path;
    bool m_made = false;
    std::unique_ptr<ProgressStore> m_target;
};

} // namespace Platform
