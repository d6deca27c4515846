// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// Times launches from the moment a process is started until its main window has been shown
// and painted, for the course program and for a minimal Qt Widgets program, alternating the
// two so that both see the same machine. Each program writes the monotonic clock to the file
// named by VESKORA_STARTUP_PROBE at that moment and ends; both sides read the same clock.
//
//   bench_startup [--runs N] [--program PATH] [--minimal PATH]
//
// The course program runs offscreen with its own settings file in a temporary
// XDG_CONFIG_HOME ("Agent" = OK, so the component check passes) and speech into a file.
#include <algorithm>
#include <chrono>
#include <optional>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include "benchfigures.h"

using Bench::median;

namespace {

QTextStream out(stdout);

/// One launch of \a program; the milliseconds to its first window, or nothing when it ended
/// without reporting one.
std::optional<double> launch(const QString &program, const QProcessEnvironment &environment, const QString &probe)
{
    QFile::remove(probe);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    const auto started = std::chrono::steady_clock::now().time_since_epoch();
    process.start(program, {});
    if (!process.waitForFinished(60'000)) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    QFile file(probe);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    bool ok = false;
    const qint64 shown = file.readAll().trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return double(shown - std::chrono::duration_cast<std::chrono::nanoseconds>(started).count()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int runs = 15;
    QString program = QStringLiteral(VESKORA_PROGRAM);
    QString minimal = QStringLiteral(VESKORA_MINIMAL_PROGRAM);
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args.at(i) == u"--runs")
            runs = std::max(1, args.at(i + 1).toInt());
        else if (args.at(i) == u"--program")
            program = args.at(i + 1);
        else if (args.at(i) == u"--minimal")
            minimal = args.at(i + 1);
    }

    QTemporaryDir scratch;
    if (!scratch.isValid() || !QDir(scratch.path()).mkpath(QStringLiteral("config/Veskora"))) {
        out << "cannot make a temporary folder\n";
        return 1;
    }
    {
        QFile ini(scratch.filePath(QStringLiteral("config/Veskora/Veskora.ini")));
        if (!ini.open(QIODevice::WriteOnly) || ini.write("[Settings]\nAgent=OK\n") < 0) {
            out << "cannot write the settings file\n";
            return 1;
        }
    }
    const QString probe = scratch.filePath(QStringLiteral("shown"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), scratch.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("VESKORA_AUDIO_OUT"), scratch.filePath(QStringLiteral("speech.wav")));
    environment.insert(QStringLiteral("VESKORA_STARTUP_PROBE"), probe);

    QList<double> course;
    QList<double> yardstick;
    // One untimed launch of each first: the libraries come into the page cache.
    for (int run = -1; run < runs; ++run) {
        // Alternating the order keeps a slow moment of the machine from falling on one side.
        const bool courseFirst = run % 2 == 0;
        for (int side = 0; side < 2; ++side) {
            const bool isCourse = (side == 0) == courseFirst;
            const auto ms = launch(isCourse ? program : minimal, environment, probe);
            if (!ms) {
                out << (isCourse ? program : minimal) << " ended without showing its window\n";
                return 1;
            }
            if (run >= 0)
                (isCourse ? course : yardstick) << *ms;
        }
    }
    const double courseMs = median(course);
    const double yardstickMs = median(yardstick);
    out << "launch to main window shown, course program: median " << QString::number(courseMs, 'f', 1) << " ms ("
        << runs << " runs)\n";
    out << "launch to first window shown, minimal Qt Widgets program: median " << QString::number(yardstickMs, 'f', 1)
        << " ms (" << runs << " runs)\n";
    out << "launch ratio: " << QString::number(yardstickMs > 0 ? courseMs / yardstickMs : 0, 'f', 2) << "\n";
    return 0;
}
