// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>

#include "platform/core/error.h"

namespace Platform {

/// The print engine behind the main window's print entry: the data file, its connect
/// text, the layout file and the record-selection formula are set, then print() produces
/// the report where the layout sends it (print preview, printer or PDF file).
class ReportEngine {
public:
    virtual ~ReportEngine() = default;

    virtual void setDataFiles(const QString &path) = 0;
    virtual void setConnect(const QString &connect) = 0;
    virtual void setReportFileName(const QString &path) = 0;
    virtual void replaceSelectionFormula(const QString &formula) = 0;
    /// Produces the report; returns the reason when it cannot (missing layout or database,
    /// wrong password, bad formula, no printer).
    virtual Status printReport() = 0;
};

} // namespace Platform
