// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "practice/chartdrawing.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcCharts, "veskora.practice.charts")

namespace Practice {

namespace {

const ChartDrawing *g_chosen = nullptr;

const ChartDrawing *loadModule()
{
    // The library stays loaded until the process ends: the windows run its code.
    QLibrary library(QCoreApplication::applicationDirPath() + QStringLiteral("/plugins/charts.so"));
    if (!library.load()) {
        qCWarning(lcCharts) << "cannot load" << library.fileName() << library.errorString();
        return nullptr;
    }
    using Entry = const ChartDrawing *(*)();
    const auto entry = reinterpret_cast<Entry>(library.resolve("veskoraChartDrawing"));
    if (!entry) {
        qCWarning(lcCharts) << library.fileName() << "has no veskoraChartDrawing";
        return nullptr;
    }
    return entry();
}

} // namespace

const ChartDrawing *chartDrawing()
{
    if (g_chosen)
        return g_chosen;
    static const ChartDrawing *const loaded = loadModule();
    return loaded;
}

void useChartDrawing(const ChartDrawing *drawing)
{
    g_chosen = drawing;
}

} // namespace Practice
