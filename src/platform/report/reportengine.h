// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <functional>

#include <QString>

#include "platform/core/error.h"

namespace Platform {

/// Error codes of the report engine beyond the shared ones (FileNotFound for a missing
/// layout or data file, NotValidPassword, SyntaxError for a formula it cannot read).
namespace ReportErrorCode {
/// The layout file is not in the layout format or names something the table lacks.
inline constexpr qint64 LayoutInvalid = 20001;
/// The layout sends the report to a printer and the system has none.
inline constexpr qint64 NoPrinter = 20002;
/// The report could not be written (PDF file not writable, printing failed).
inline constexpr qint64 OutputFailed = 20003;
/// The report would hold more rows, or longer texts, than a report is made for.
inline constexpr qint64 TooLarge = 20004;
} // namespace ReportErrorCode

/// The print engine behind the main window's print entry: the data file, its connect
/// text, the layout file and the record-selection formula are set, then print() produces
/// the report where the layout sends it (print preview, printer or PDF file).
class ReportEngine {
public:
    /// Rewrites a printed value: gets the stored text and the lesson of its row (the
    /// layout's lesson field; empty when the layout has none) and returns what is printed.
    using TextFilter = std::function<QString(const QString &text, const QString &lesson)>;

    virtual ~ReportEngine() = default;

    /// The database the report reads (the first data file).
    virtual void setDataFiles(const QString &path) = 0;
    /// The connection text, "PWD=<password>" (a leading ';' is accepted too).
    virtual void setConnect(const QString &connect) = 0;
    /// The layout file.
    virtual void setReportFileName(const QString &path) = 0;
    /// Replaces the record-selection formula; it is checked when the report is printed.
    virtual void replaceSelectionFormula(const QString &formula) = 0;
    /// Every printed value of \a field (matched without regard to case) goes through
    /// \a filter; an empty filter prints the field as stored. Kept until replaced.
    virtual void setTextFilter(const QString &field, TextFilter filter) = 0;
    /// Produces the report; returns the reason when it cannot (missing layout or database,
    /// wrong password, bad formula, no printer).
    virtual Status printReport() = 0;
};

} // namespace Platform
