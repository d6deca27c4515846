// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// The launch timing must measure real launches: the probe fires only once a window has been
// shown, on the clock the driver reads, and a program that never shows its window makes the
// driver fail instead of printing a figure.
#include <chrono>

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

qint64 monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double number(const QString &text, const QString &pattern)
{
    const auto match = QRegularExpression(pattern).match(text);
    return match.hasMatch() ? match.captured(1).toDouble() : -1;
}

} // namespace

class TestBenchStartup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void probeMarksTheFirstWindow_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("course program") << QStringLiteral(VESKORA_PROGRAM);
        QTest::newRow("minimal program") << QStringLiteral(VESKORA_MINIMAL_PROGRAM);
    }
    void probeMarksTheFirstWindow()
    {
        QFETCH(QString, program);
        QTemporaryDir scratch;
        QVERIFY(QDir(scratch.path()).mkpath(QStringLiteral("Veskora")));
        QFile ini(scratch.filePath(QStringLiteral("Veskora/Veskora.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Settings]\nAgent=OK\n");
        ini.close();
        const QString probe = scratch.filePath(QStringLiteral("shown"));

        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), scratch.path());
        environment.insert(QStringLiteral("VESKORA_AUDIO_OUT"), scratch.filePath(QStringLiteral("speech.wav")));
        environment.insert(QStringLiteral("VESKORA_STARTUP_PROBE"), probe);
        process.setProcessEnvironment(environment);
        const qint64 before = monotonicNs();
        process.start(program, {});
        // The probe also ends the program: without it this would wait for the timeout.
        QVERIFY(process.waitForFinished(60'000));
        const qint64 after = monotonicNs();
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);

        QFile file(probe);
        QVERIFY(file.open(QIODevice::ReadOnly));
        bool ok = false;
        const qint64 shown = file.readAll().trimmed().toLongLong(&ok);
        QVERIFY(ok);
        // Same clock as ours, inside the child's lifetime.
        QVERIFY(shown > before);
        QVERIFY(shown < after);
    }

    void driverFailsWithoutAWindow_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("ends at once, successfully") << QStringLiteral("/bin/true");
        QTest::newRow("ends at once, failing") << QStringLiteral("/bin/false");
        QTest::newRow("does not exist") << QStringLiteral("/nonexistent/veskora");
    }
    void driverFailsWithoutAWindow()
    {
        QFETCH(QString, program);
        QProcess driver;
        driver.start(QStringLiteral(VESKORA_BENCH_STARTUP),
                     {QStringLiteral("--runs"), QStringLiteral("1"), QStringLiteral("--program"), program});
        QVERIFY(driver.waitForFinished(60'000));
        QCOMPARE(driver.exitCode(), 1);
        const QString output = QString::fromUtf8(driver.readAllStandardOutput());
        QVERIFY2(output.contains(QStringLiteral("ended without showing its window")), qPrintable(output));
        QVERIFY(!output.contains(QStringLiteral("median")));
    }

    void driverPrintsBothLaunchesAndTheirRatio()
    {
        QProcess driver;
        driver.start(QStringLiteral(VESKORA_BENCH_STARTUP), {QStringLiteral("--runs"), QStringLiteral("2")});
        QVERIFY(driver.waitForFinished(120'000));
        const QString output = QString::fromUtf8(driver.readAllStandardOutput());
        QVERIFY2(driver.exitCode() == 0, qPrintable(output));
        const double course = number(output, QStringLiteral("course program: median ([0-9.]+) ms"));
        const double minimal = number(output, QStringLiteral("Widgets program: median ([0-9.]+) ms"));
        const double ratio = number(output, QStringLiteral("launch ratio: ([0-9.]+)"));
        QVERIFY2(course > 0 && minimal > 0, qPrintable(output));
        // The course over the yardstick, not the other way round.
        QVERIFY2(qAbs(ratio - course / minimal) < 0.01 + 0.05 * ratio, qPrintable(output));
    }
};

QTEST_GUILESS_MAIN(TestBenchStartup)
#include "tst_benchstartup.moc"
