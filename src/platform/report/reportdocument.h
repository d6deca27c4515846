// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>

#include <QList>
#include <QString>
#include <QStringList>

#include "platform/report/reportlayout.h"

class QPagedPaintDevice;
class QTextDocument;

namespace Platform {

/// The printable form of a report: the title and a table with one row per record, laid
/// out page by page with the layout's page header and footer. Building it needs no
/// printer, so tests can read the document's text and cells.
class ReportDocument final {
public:
    /// \a rows hold one text per layout column, in the layout's column order; \a lesson is
    /// what {lesson} stands for.
    ReportDocument(ReportLayout layout, const QList<QStringList> &rows, QString lesson);
    ~ReportDocument();

    const QTextDocument &document() const { return *m_document; }
    const ReportLayout &layout() const { return m_layout; }
    QString lesson() const { return m_lesson; }

    /// Paints every page on \a device (a QPrinter or a PDF writer). Returns false when the
    /// device cannot be painted on (file not writable, printer gone). The document is laid
    /// out for the device's page size; the pages are numbered from 1.
    bool render(QPagedPaintDevice *device) const;
    /// The number of pages the last render() produced.
    int pageCount() const { return m_pageCount; }

private:
    ReportLayout m_layout;
    QString m_lesson;
    std::unique_ptr<QTextDocument> m_document;
    mutable int m_pageCount = 0;
};

} // namespace Platform
