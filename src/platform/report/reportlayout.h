// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QList>
#include <QString>

#include "platform/core/error.h"

namespace Platform {

/// A font as a layout names it.
struct ReportFont {
    QString family = QStringLiteral("DejaVu Sans");
    int points = 10;
    bool bold = false;
    bool italic = false;
};

/// One printed column: a field of the report's table and its heading.
struct ReportColumn {
    QString field;
    QString heading;
    /// Share of the table width in percent.
    int width = 0;
};

/// A report layout file (the format is described in this folder's README.md). Texts may
/// hold the place holders {lesson}, {page}, {pages} and {date}.
struct ReportLayout {
    enum class Destination { Preview, Printer, Pdf };

    static constexpr int kFormatVersion = 1;
    /// The longest text a layout may hold (title, header, footer, heading, names), in
    /// characters, and the largest layout file, in bytes.
    static constexpr int kMaxTextLength = 1000;
    static constexpr qint64 kMaxFileBytes = 256 * 1024;

    QString language;
    QString table = QStringLiteral("Kursen");
    QString title;
    QString header;
    QString footer;
    ReportFont titleFont{QStringLiteral("DejaVu Sans"), 16, true, false};
    ReportFont headingFont{QStringLiteral("DejaVu Sans"), 10, true, false};
    ReportFont bodyFont;
    ReportFont pageFont{QStringLiteral("DejaVu Sans"), 8, false, false};
    QList<ReportColumn> columns;
    /// The field the rows are sorted by (numerically when every value is a whole number);
    /// empty keeps the table's order.
    QString sortField;
    /// The field whose values {lesson} shows.
    QString lessonField = QStringLiteral("Lektion");
    Destination destination = Destination::Preview;
    /// For Destination::Pdf, the file name (never a folder) offered when the learner is
    /// asked where the PDF file goes; may be empty.
    QString pdfSuggestedName;

    /// Parses the text of a layout file. Errors: ReportErrorCode::LayoutInvalid with the
    /// line number and what is wrong (a text longer than kMaxTextLength among them).
    static Result<ReportLayout> parse(const QString &text);
    /// Reads and parses \a path. Errors: FileNotFound, LayoutInvalid for a file larger
    /// than kMaxFileBytes, or those of parse().
    static Result<ReportLayout> load(const QString &path);
};

/// Replaces {lesson}, {page}, {pages} and {date} in \a text.
QString expandReportText(const QString &text, const QString &lesson, int page, int pages);

} // namespace Platform
