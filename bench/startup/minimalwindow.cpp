// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// The yardstick for the course's launch: the least a Qt Widgets program does to put a window
// on the screen. It honours VESKORA_STARTUP_PROBE exactly as the course program does.
#include <chrono>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Hello"));
    window.resize(640, 480);
    window.show();
    if (const QString probe = qEnvironmentVariable("VESKORA_STARTUP_PROBE"); !probe.isEmpty()) {
        QTimer::singleShot(0, &app, [probe] {
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            QFile file(probe);
            if (file.open(QIODevice::WriteOnly))
                file.write(
                    QByteArray::number(qint64(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count())));
            QCoreApplication::quit();
        });
    }
    return QApplication::exec();
}
