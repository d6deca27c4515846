// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/report/reportengineqt.h"

#include <algorithm>
#include <optional>

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QLoggingCategory>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

#include "platform/database/databaseengine.h"
#include "platform/report/reportdocument.h"
#include "platform/report/reportlayout.h"
#include "platform/report/selectionformula.h"

Q_LOGGING_CATEGORY(lcReport, "veskora.report")

namespace Platform {
namespace {

/// The real name of \a field in \a fields, compared without regard to case as the
/// course databases do; empty when the table lacks it.
QString findField(const QStringList &fields, const QString &field)
{
    for (const QString &name : fields) {
        if (name.compare(field, Qt::CaseInsensitive) == 0)
            return name;
    }
    return {};
}

void preparePrinter(QPrinter &printer)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(20, 15, 15, 15), QPageLayout::Millimeter);
}

} // namespace

ReportEngineQt::ReportEngineQt(DatabaseEngine &databases)
    : m_databases(databases)
{
    m_choosePdfFile = [this](const QString &suggestedName) {
        return QFileDialog::getSaveFileName(m_dialogParent, QString(), QDir::home().filePath(suggestedName),
                                            QStringLiteral("PDF (*.pdf)"));
    };
}

ReportEngineQt::~ReportEngineQt()
{
    delete m_preview.data();
}

QPrintPreviewDialog *ReportEngineQt::previewDialog() const
{
    return m_preview;
}

void ReportEngineQt::setDataFiles(const QString &path)
{
    m_dataFile = path;
}

void ReportEngineQt::setConnect(const QString &connect)
{
    m_connect = connect;
}

void ReportEngineQt::setReportFileName(const QString &path)
{
    m_layoutFile = path;
}

void ReportEngineQt::replaceSelectionFormula(const QString &formula)
{
    m_formula = formula;
}

void ReportEngineQt::setTextFilter(const QString &field, TextFilter filter)
{
    if (filter)
        m_filters.insert(field.toLower(), std::move(filter));
    else
        m_filters.remove(field.toLower());
}

Status ReportEngineQt::printReport()
{
    m_lastPdfPath.clear();
    Result<ReportLayout> layout = ReportLayout::load(m_layoutFile);
    if (!layout)
        return layout.status();
    Result<std::shared_ptr<ReportDocument>> report = buildReport(*layout);
    if (!report)
        return report.status();
    if (Status status = output(*report); status.failed())
        return status;
    m_lastReport = *report;
    return ok();
}

Result<std::shared_ptr<ReportDocument>> ReportEngineQt::buildReport(const ReportLayout &layout)
{
    // The formula is checked before the database is touched, so a bad formula is reported
    // as such even when the data file is missing as well.
    Result<SelectionFormula> formula = SelectionFormula::parse(m_formula);
    if (!formula)
        return formula.error();

    if (m_dataFile.isEmpty() || !QFileInfo(m_dataFile).isFile())
        return Error{ErrorCode::FileNotFound,
                     QStringLiteral("data file %1 not found").arg(QDir::toNativeSeparators(m_dataFile))};
    QString connect = m_connect.trimmed();
    if (!connect.isEmpty() && !connect.startsWith(u';'))
        connect.prepend(u';');
    Result<std::shared_ptr<Database>> database = m_databases.openDatabase(m_dataFile, false, true, connect);
    if (!database)
        return Error{database.error().code,
                     QStringLiteral("data file %1: %2").arg(m_dataFile, database.error().detail)};
    Result<std::unique_ptr<Recordset>> records = (*database)->openRecordset(layout.table);
    if (!records)
        return Error{records.error().code,
                     QStringLiteral("table %1 in %2: %3").arg(layout.table, m_dataFile, records.error().detail)};
    const Recordset &set = **records;
    const QStringList available = set.fieldNames();

    auto resolve = [&](const QString &field, const QString &what) -> Result<QString> {
        const QString name = findField(available, field);
        if (name.isEmpty())
            return Error{
                ReportErrorCode::LayoutInvalid,
                QStringLiteral("%1 names the field %2, which table %3 does not have").arg(what, field, layout.table)};
        return name;
    };

    QStringList columns;
    for (const ReportColumn &column : layout.columns) {
        Result<QString> name = resolve(column.field, QStringLiteral("the layout"));
        if (!name)
            return name.error();
        columns.append(*name);
    }
    QString lessonField;
    if (!layout.lessonField.isEmpty())
        lessonField = findField(available, layout.lessonField);
    QString sortField;
    if (!layout.sortField.isEmpty()) {
        Result<QString> name = resolve(layout.sortField, QStringLiteral("the layout's sort"));
        if (!name)
            return name.error();
        sortField = *name;
    }
    QHash<QString, QString> formulaFields;
    for (const QString &qualified : formula->fields()) {
        const QString table = qualified.section(u'.', 0, 0);
        const QString field = qualified.section(u'.', 1);
        if (table.compare(layout.table, Qt::CaseInsensitive) != 0)
            return Error{
                ErrorCode::SyntaxError,
                QStringLiteral("selection formula names table %1; the report reads %2").arg(table, layout.table)};
        Result<QString> name = resolve(field, QStringLiteral("the selection formula"));
        if (!name)
            return Error{ErrorCode::SyntaxError, name.error().detail};
        formulaFields.insert(qualified, *name);
    }

    struct Row {
        QStringList cells;
        QString sortKey;
        QString lesson;
    };
    QList<Row> rows;
    const int count = set.recordCount();
    // The first text too long to print; laying it out would hold the program for minutes.
    std::optional<Error> tooLong;
    for (int index = 0; index < count && !tooLong; ++index) {
        auto read = [&](const QString &field) {
            Result<QString> value = set.valueAt(index, field);
            if (!value && value.error().code == ErrorCode::FieldTooLong)
                tooLong = value.error();
            else if (value && value->size() > kMaxFieldLength)
                tooLong = Error{ErrorCode::FieldTooLong,
                                QStringLiteral("field %1 of record %2 holds %3 characters; a "
                                               "report prints at most %4")
                                    .arg(field)
                                    .arg(index + 1)
                                    .arg(value->size())
                                    .arg(kMaxFieldLength)};
            return value && !tooLong ? *value : QString();
        };
        const bool selected =
            formula->matches([&](const QString &qualified) { return read(formulaFields.value(qualified)); });
        if (!selected)
            continue;
        Row row;
        if (!lessonField.isEmpty())
            row.lesson = read(lessonField).trimmed();
        for (const QString &column : columns) {
            const TextFilter filter = m_filters.value(column.toLower());
            row.cells.append(filter ? filter(read(column), row.lesson) : read(column));
        }
        if (!sortField.isEmpty())
            row.sortKey = read(sortField);
        rows.append(row);
        if (rows.size() > kMaxRows)
            return Error{
                ReportErrorCode::TooLarge,
                QStringLiteral("the selection holds more than %1 rows of table %2").arg(kMaxRows).arg(layout.table)};
    }
    if (tooLong)
        return Error{ReportErrorCode::TooLarge, QStringLiteral("data file %1: %2").arg(m_dataFile, tooLong->detail)};

    if (!sortField.isEmpty()) {
        const bool numeric = std::all_of(rows.cbegin(), rows.cend(), [](const Row &row) {
            bool isNumber = false;
            row.sortKey.trimmed().toLongLong(&isNumber);
            return isNumber;
        });
        std::stable_sort(rows.begin(), rows.end(), [numeric](const Row &a, const Row &b) {
            if (numeric)
                return a.sortKey.trimmed().toLongLong() < b.sortKey.trimmed().toLongLong();
            return a.sortKey < b.sortKey;
        });
    }

    QStringList lessons;
    QList<QStringList> cells;
    for (const Row &row : rows) {
        cells.append(row.cells);
        if (!row.lesson.isEmpty() && !lessons.contains(row.lesson))
            lessons.append(row.lesson);
    }
    const QString lesson = lessons.join(QStringLiteral(", "));
    // {lesson} stands in the title, the header and the footer of every page.
    if (lesson.size() > ReportLayout::kMaxTextLength)
        return Error{ReportErrorCode::TooLarge,
                     QStringLiteral("the printed lessons' numbers take %1 characters; at most %2 fit")
                         .arg(lesson.size())
                         .arg(ReportLayout::kMaxTextLength)};
    return std::make_shared<ReportDocument>(layout, cells, lesson);
}

Status ReportEngineQt::output(const std::shared_ptr<ReportDocument> &report)
{
    ReportLayout::Destination destination = report->layout().destination;
    QString pdfPath;
    const QString forced = qEnvironmentVariable("VESKORA_REPORT_PDF");
    if (!forced.isEmpty()) {
        destination = ReportLayout::Destination::Pdf;
        pdfPath = QFileInfo(forced).absoluteFilePath();
    } else if (destination == ReportLayout::Destination::Pdf) {
        pdfPath = m_choosePdfFile ? m_choosePdfFile(report->layout().pdfSuggestedName) : QString();
        if (pdfPath.isEmpty())
            return ok();
    }

    switch (destination) {
    case ReportLayout::Destination::Pdf: {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        printer.setDocName(report->document().toPlainText().section(u'\n', 0, 0));
        preparePrinter(printer);
        if (!report->render(&printer))
            return fail(ReportErrorCode::OutputFailed, QStringLiteral("PDF file %1 cannot be written").arg(pdfPath));
        m_lastPdfPath = pdfPath;
        qCDebug(lcReport) << "report written to" << pdfPath << report->pageCount() << "pages";
        return ok();
    }
    case ReportLayout::Destination::Printer: {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return fail(ReportErrorCode::NoPrinter, QStringLiteral("no printer is set up on this computer"));
        QPrinter printer(info, QPrinter::HighResolution);
        preparePrinter(printer);
        if (!report->render(&printer))
            return fail(ReportErrorCode::OutputFailed, QStringLiteral("printing on %1 failed").arg(info.printerName()));
        return ok();
    }
    case ReportLayout::Destination::Preview:
        break;
    }

    // One preview at a time: a new print replaces the old preview rather than stacking
    // windows the learner has to close one by one.
    delete m_preview.data();
    auto *preview = new QPrintPreviewDialog(m_dialogParent);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->setWindowTitle(report->document().toPlainText().section(u'\n', 0, 0));
    preparePrinter(*preview->printer());
    // The dialog may outlive this print (and the engine's next print), so it shares the report.
    std::shared_ptr<ReportDocument> shared = report;
    QObject::connect(preview, &QPrintPreviewDialog::paintRequested, preview,
                     [shared](QPrinter *printer) { shared->render(printer); });
    preview->resize(900, 700);
    preview->setModal(false);
    preview->show();
    m_preview = preview;
    return ok();
}

} // namespace Platform
