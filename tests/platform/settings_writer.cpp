// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
// Writes settings for the settings store tests: "settings_writer <prefix> <count> [hold]".
// Prints "saved <key>" after each save returns; with "hold" it then waits to be killed.
#include <QCoreApplication>
#include <QThread>

#include <cstdio>

#include "course/settingskeys.h"
#include "platform/settings/inisettingsstore.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    const QString prefix = args.at(1);
    const int count = args.at(2).toInt();
    Platform::IniSettingsStore store;
    for (int i = 0; i < count; ++i) {
        const QString key = prefix + QString::number(i);
        if (!store.save(Course::Settings::kApplication, Course::Settings::kSection, key,
                        QStringLiteral("value %1").arg(i)))
            return 1;
        std::printf("saved %s\n", qPrintable(key));
        std::fflush(stdout);
    }
    if (args.size() > 3 && args.at(3) == u"hold")
        QThread::sleep(60);
    return 0;
}
