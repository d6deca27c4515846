// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/report/reportdocument.h"

#include <algorithm>

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QScopeGuard>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include "platform/ui/markfont.h"

namespace Platform {
namespace {

QFont toFont(const ReportFont &font)
{
    QFont result(font.family);
    result.setPointSize(font.points);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    return result;
}

bool carriesMarks(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
}

QTextCharFormat charFormat(const ReportFont &font)
{
    QTextCharFormat format;
    format.setFont(toFont(font));
    return format;
}

} // namespace

ReportDocument::ReportDocument(ReportLayout layout, const QList<QStringList> &rows, QString lesson)
    : m_layout(std::move(layout))
    , m_lesson(std::move(lesson))
    , m_document(std::make_unique<QTextDocument>())
{
    m_document->setDefaultFont(toFont(m_layout.bodyFont));
    m_document->setDocumentMargin(0);
    QTextCursor cursor(m_document.get());

    QTextBlockFormat titleBlock;
    titleBlock.setBottomMargin(12);
    cursor.setBlockFormat(titleBlock);
    cursor.insertText(expandReportText(m_layout.title, m_lesson, 1, 1), charFormat(m_layout.titleFont));

    const int columnCount = int(m_layout.columns.size());
    QTextTableFormat tableFormat;
    tableFormat.setHeaderRowCount(1);
    tableFormat.setCellPadding(4);
    tableFormat.setCellSpacing(0);
    tableFormat.setBorder(0.5);
    tableFormat.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    tableFormat.setBorderBrush(QColor(120, 120, 120));
    tableFormat.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QList<QTextLength> widths;
    for (const ReportColumn &column : m_layout.columns)
        widths.append(QTextLength(QTextLength::PercentageLength, column.width));
    tableFormat.setColumnWidthConstraints(widths);

    QTextTable *table = cursor.insertTable(int(rows.size()) + 1, columnCount, tableFormat);
    const QTextCharFormat heading = charFormat(m_layout.headingFont);
    const QTextCharFormat body = charFormat(m_layout.bodyFont);
    // Text with combining marks (stress marks) is set in a face that puts them over their
    // letters; the layout's font may not.
    QTextCharFormat marked = body;
    marked.setFont(fontPlacingMarks(toFont(m_layout.bodyFont)));
    for (int column = 0; column < columnCount; ++column) {
        QTextTableCell cell = table->cellAt(0, column);
        QTextCharFormat cellFormat = cell.format();
        cellFormat.setBackground(QColor(230, 230, 230));
        cell.setFormat(cellFormat);
        cell.firstCursorPosition().insertText(m_layout.columns.at(column).heading, heading);
    }
    for (int row = 0; row < rows.size(); ++row) {
        const QStringList &values = rows.at(row);
        for (int column = 0; column < columnCount; ++column)
            table->cellAt(row + 1, column)
                .firstCursorPosition()
                .insertText(values.value(column), carriesMarks(values.value(column)) ? marked : body);
    }
}

ReportDocument::~ReportDocument() = default;

bool ReportDocument::render(QPagedPaintDevice *device) const
{
    QPainter painter;
    if (!painter.begin(device))
        return false;

    // Lay the document out for this device so fonts keep their point sizes at its
    // resolution; the body gets what the page header and footer leave free.
    QTextDocument &document = *m_document;
    document.documentLayout()->setPaintDevice(device);
    const QRectF page = device->pageLayout().paintRectPixels(device->logicalDpiX());
    const QFont pageFont(toFont(m_layout.pageFont), device);
    const qreal lineHeight = QFontMetricsF(pageFont, device).height();
    const qreal headerHeight = m_layout.header.isEmpty() ? 0 : lineHeight * 2;
    const qreal footerHeight = m_layout.footer.isEmpty() ? 0 : lineHeight * 2;
    const QSizeF body(page.width(), page.height() - headerHeight - footerHeight);
    document.setPageSize(body);
    const int pages = std::max(1, document.pageCount());
    m_pageCount = pages;

    // The device may go away after this call (a QPrinter on the stack); the document must
    // not keep pointing at it.
    auto detach = qScopeGuard([&document] {
        document.documentLayout()->setPaintDevice(nullptr);
        document.setPageSize(QSizeF());
    });
    for (int index = 0; index < pages; ++index) {
        if (index > 0 && !device->newPage()) {
            painter.end();
            return false;
        }
        const int number = index + 1;
        painter.setFont(pageFont);
        painter.setPen(Qt::black);
        if (headerHeight > 0) {
            const QRectF headerRect(0, 0, body.width(), lineHeight);
            painter.drawText(headerRect, Qt::AlignLeft | Qt::AlignVCenter,
                             expandReportText(m_layout.header, m_lesson, number, pages));
            painter.drawLine(QPointF(0, lineHeight * 1.3), QPointF(body.width(), lineHeight * 1.3));
        }
        if (footerHeight > 0) {
            const QRectF footerRect(0, headerHeight + body.height() + lineHeight, body.width(), lineHeight);
            painter.drawText(footerRect, Qt::AlignHCenter | Qt::AlignVCenter,
                             expandReportText(m_layout.footer, m_lesson, number, pages));
        }
        painter.save();
        painter.translate(0, headerHeight - index * body.height());
        document.drawContents(&painter, QRectF(0, index * body.height(), body.width(), body.height()));
        painter.restore();
    }
    return painter.end();
}

} // namespace Platform
