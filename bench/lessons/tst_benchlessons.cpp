// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// The lesson benchmark drives the real windows: it must find lesson 2's records through the
// menu, and must fail rather than print figures when the course cannot show them.
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class TestBenchLessons : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void figures_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("emptyFolder");
        QTest::addColumn<QStringList>("expected");
        const QString ms = QStringLiteral(": median ([0-9.]+) ms");
        QTest::newRow("opening and Next")
            << QStringList{QStringLiteral("--runs"), QStringLiteral("2")} << false
            << QStringList{QStringLiteral("first record shown") + ms, QStringLiteral("next record shown") + ms};
        QTest::newRow("first opening") << QStringList{QStringLiteral("--first")} << false
                                       << QStringList{QStringLiteral("first record shown: ([0-9.]+) ms")};
        QTest::newRow("peak memory") << QStringList{QStringLiteral("--memory")} << false
                                     << QStringList{QStringLiteral("dictionary open: ([0-9.]+) MB")};
        QTest::newRow("opening, no course in the folder")
            << QStringList{QStringLiteral("--runs"), QStringLiteral("1")} << true << QStringList{};
        QTest::newRow("first opening, no course in the folder")
            << QStringList{QStringLiteral("--first")} << true << QStringList{};
        QTest::newRow("peak memory, no course in the folder")
            << QStringList{QStringLiteral("--memory")} << true << QStringList{};
    }
    void figures()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, emptyFolder);
        QFETCH(QStringList, expected);
        QTemporaryDir empty;
        QProcess bench;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (emptyFolder)
            environment.insert(QStringLiteral("VESKORA_APP_DIR"), empty.path());
        bench.setProcessEnvironment(environment);
        bench.start(QStringLiteral(VESKORA_BENCH_LESSONS), arguments);
        QVERIFY(bench.waitForFinished(120'000));
        const QString output = QString::fromUtf8(bench.readAllStandardOutput());
        if (expected.isEmpty()) {
            QVERIFY2(bench.exitCode() != 0, qPrintable(output));
            QVERIFY2(!output.contains(QRegularExpression(QStringLiteral("[0-9] (ms|MB)\\b"))), qPrintable(output));
            return;
        }
        QVERIFY2(bench.exitCode() == 0, qPrintable(output + QString::fromUtf8(bench.readAllStandardError())));
        for (const QString &pattern : std::as_const(expected)) {
            const auto match = QRegularExpression(pattern).match(output);
            QVERIFY2(match.hasMatch(), qPrintable(pattern + QStringLiteral(" in:\n") + output));
            QVERIFY2(match.captured(1).toDouble() > 0, qPrintable(output));
        }
    }
};

QTEST_GUILESS_MAIN(TestBenchLessons)
#include "tst_benchlessons.moc"
