// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>

#include <QHash>
#include <QPointer>
#include <QString>

#include "platform/report/reportengine.h"

class QPrintPreviewDialog;
class QWidget;

namespace Platform {

class DatabaseEngine;
class ReportDocument;
struct ReportLayout;

/// The report engine on Qt's printing: reads the layout file, opens the data file
/// read-only through the database engine, selects the rows of the layout's table that the
/// formula picks, builds a ReportDocument and sends it where the layout says. The
/// environment variable VESKORA_REPORT_PDF=<file> sends every report to that PDF file
/// instead (tests, machines without a screen or printer).
///
/// A print preview is shown non-modally and stays open while the program goes on; the
/// next print replaces it. Nothing is kept between prints except the four settings, which
/// each print of the program sets afresh.
class ReportEngineQt final : public ReportEngine {
public:
    explicit ReportEngineQt(DatabaseEngine &databases);
    ~ReportEngineQt() override;
    ReportEngineQt(const ReportEngineQt &) = delete;
    ReportEngineQt &operator=(const ReportEngineQt &) = delete;

    void setDataFiles(const QString &path) override;
    void setConnect(const QString &connect) override;
    void setReportFileName(const QString &path) override;
    void replaceSelectionFormula(const QString &formula) override;
    void setTextFilter(const QString &field, TextFilter filter) override;
    /// Errors: FileNotFound (layout or data file), ReportErrorCode::LayoutInvalid (layout
    /// format, a field the table lacks), SyntaxError (formula), NotValidPassword and the
    /// other errors of the database engine, ReportErrorCode::NoPrinter,
    /// ReportErrorCode::OutputFailed (PDF file not writable).
    Status printReport() override;

    /// The window the print preview belongs to (none: a top-level window).
    void setDialogParent(QWidget *parent) { m_dialogParent = parent; }
    /// The report of the last successful print, or null.
    const ReportDocument *lastReport() const { return m_lastReport.get(); }
    /// The open print preview, or null.
    QPrintPreviewDialog *previewDialog() const;
    /// The PDF file the last print wrote, or empty.
    QString lastPdfPath() const { return m_lastPdfPath; }

private:
    Result<std::shared_ptr<ReportDocument>> buildReport(const ReportLayout &layout);
    Status output(const std::shared_ptr<ReportDocument> &report);

    DatabaseEngine &m_databases;
    QString m_dataFile;
    QString m_connect;
    QString m_layoutFile;
    QString m_formula;
    /// By field name in lower case.
    QHash<QString, TextFilter> m_filters;
    QPointer<QWidget> m_dialogParent;
    QPointer<QPrintPreviewDialog> m_preview;
    std::shared_ptr<ReportDocument> m_lastReport;
    QString m_lastPdfPath;
};

} // namespace Platform
