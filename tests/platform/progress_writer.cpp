// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
// Records answers for the progress store tests: "progress_writer <file> <count>". Prints
// "recorded <n>" after each answer is recorded, then kills itself the way a crash or the
// task manager would, with no chance to close anything.
#include <csignal>
#include <cstdio>

#include <QCoreApplication>

#include "platform/progress/sqliteprogressstore.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    Platform::SqliteProgressStore store(args.at(1));
    if (!store.open())
        return 1;
    const int count = args.at(2).toInt();
    const QDate day(2026, 3, 10);
    for (int i = 0; i < count; ++i) {
        Platform::ProgressAnswer answer{QDateTime(day, QTime(9, 0, i), Qt::UTC), day, 5,   i + 2,
                                        QStringLiteral("listen-choose"),         3,   1500};
        Platform::ProgressItemState state{5, i + 2, 3.173, 5.28, day.addDays(3), day, day, 1, 0};
        if (store.recordAnswer(answer, state).failed())
            return 1;
        std::printf("recorded %d\n", i + 1);
        std::fflush(stdout);
    }
    std::raise(SIGKILL);
    return 0;
}
