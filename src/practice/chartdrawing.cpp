// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "practice/chartdrawing.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include "platform/core/loadmodule.h"

Q_LOGGING_CATEGORY(lcCharts, "veskora.practice.charts")

namespace Practice {

namespace {

const ChartDrawing *g_chosen = nullptr;

const ChartDrawing *loadModule()
{
    return Platform::loadModule<ChartDrawing>(QCoreApplication::applicationDirPath()
                                                  + QStringLiteral("/plugins/charts.so"),
                                              "veskoraChartDrawing", lcCharts());
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
