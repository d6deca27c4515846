// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// The one symbol of the charts module.
#include <QtGlobal>

#include "practice/chartdrawing.h"

extern "C" Q_DECL_EXPORT const Practice::ChartDrawing *veskoraChartDrawing()
{
    return &Practice::qtChartDrawing();
}
