// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <functional>
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
/// formula picks, builds a ReportDocument and sends it where the layout says. A layout that
/// sends the report to a PDF file only says so: the learner chooses the file (a save dialog,
/// see setPdfFileChooser()). The environment variable VESKORA_REPORT_PDF=<file> sends every
/// report to that PDF file instead (tests, machines without a screen or printer). No folder
/// is ever created.
///
/// A print preview is shown non-modally and stays open while the program goes on; the
/// next print replaces it. Nothing is kept between prints except the four settings, which
/// each print of the program sets afresh.
class ReportEngineQt final : public ReportEngine {
public:
    /// The most rows a report prints; no lesson comes near it.
    static constexpr int kMaxRows = 10000;

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
    /// ReportErrorCode::OutputFailed (PDF file not writable), ReportErrorCode::TooLarge
    /// (more than kMaxRows rows, or a field longer than kMaxFieldLength).
    Status printReport() override;

    /// The window the print preview and the save dialog belong to (none: top-level windows).
    void setDialogParent(QWidget *parent) { m_dialogParent = parent; }

    /// Asks the learner for the PDF file, given the file name the layout suggests; an empty
    /// answer cancels the print (which is not a failure).
    using PdfFileChooser = std::function<QString(const QString &suggestedName)>;
    /// Replaces the default chooser, a save dialog that asks before overwriting a file.
    void setPdfFileChooser(PdfFileChooser chooser) { m_choosePdfFile = std::move(chooser); }
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
    PdfFileChooser m_choosePdfFile;
    std::shared_ptr<ReportDocument> m_lastReport;
    QString m_lastPdfPath;
};

} // namespace Platform
