// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// The yardstick for the course's launch: the least a Qt Widgets program does to put a window
// on the screen. It honours VESKORA_STARTUP_PROBE exactly as the course program does.
#include <QApplication>
#include <QLabel>

#include "platform/ui/firstpaint.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Hello"));
    window.resize(640, 480);
    window.show();
    Platform::reportFirstPaintToStartupProbe(window);
    return QApplication::exec();
}
