// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
// Prefix search speed: the engine (parse, index range, record set, first row) against the
// bare range query through the sqlite3 API on the same file. The generated dictionaries are
// compiled once with contentc and kept in the build folder.
#include <algorithm>
#include <cstdio>
#include <map>
#include <random>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include "course/coursefiles.h"
#include "platform/database/datasource.h"
#include "platform/database/sqlcipherdatabaseengine.h"

using namespace Platform;

namespace {

const QString kQuery = QStringLiteral("SELECT Swedish, Russian FROM Lang  where Swedish Like\"hu*\"");

QString word(std::mt19937 &random, const char16_t first, int letters)
{
    std::uniform_int_distribution<int> length(3, 9);
    std::uniform_int_distribution<int> letter(0, letters - 1);
    std::uniform_int_distribution<int> caseChoice(0, 9);
    QString text;
    const int n = length(random);
    for (int i = 0; i < n; ++i) {
        QChar c(char16_t(first + letter(random)));
        text += (i == 0 && caseChoice(random) == 0) ? c.toUpper() : c;
    }
    return text;
}

// Lang with \a rows generated rows, compiled by the content compiler (same schema and
// indexes as the real dictionary).
QString dictionary(int rows)
{
    const QString dir = QStringLiteral(BENCH_DATA_DIR "/%1").arg(rows);
    const QString database = dir + QStringLiteral("/Lexikon.mdb");
    if (QFileInfo::exists(database))
        return database;
    QDir().mkpath(dir);
    std::mt19937 random(rows);
    QFile tsv(dir + QStringLiteral("/words.tsv"));
    if (!tsv.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(tsv.fileName()));
    tsv.write("English\tSwedish\tSuomi\tDeutch\tFrance\tSpain\tRussian\n");
    for (int i = 0; i < rows; ++i) {
        QStringList cells;
        for (int c = 0; c < 6; ++c)
            cells << word(random, u'a', 26);
        cells << word(random, u'а', 32);
        tsv.write(cells.join(QLatin1Char('\t')).toUtf8() + '\n');
    }
    tsv.close();
    std::fprintf(stderr, "compiling %d generated rows...\n", rows);
    const int exitCode = QProcess::execute(QStringLiteral(CONTENTC),
                                           {QStringLiteral("--out"), dir, QStringLiteral("--pictures"),
                                            dir + QStringLiteral("/none"), QStringLiteral("--password"),
                                            QStringLiteral("x"), QStringLiteral("--dictionary"), tsv.fileName()});
    if (exitCode != 0)
        qFatal("contentc failed");
    return database;
}

void engineSearch(benchmark::State &state)
{
    SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
    auto db = engine.openDatabase(dictionary(int(state.range(0))));
    if (!db)
        qFatal("%s", qPrintable(db.error().detail));
    qint64 found = 0;
    for (auto _ : state) {
        auto recordset = (*db)->openRecordset(kQuery);
        auto first = (*recordset)->value(QStringLiteral("Russian"));
        benchmark::DoNotOptimize(first);
        found = (*recordset)->recordCount();
    }
    state.counters["rows found"] = double(found);
}

// The same work with nothing of ours in between: the range query over the folded column,
// row ids in table order, the first row's two columns.
void directSearch(benchmark::State &state)
{
    const QByteArray path = QFile::encodeName(dictionary(int(state.range(0))));
    sqlite3 *db = nullptr;
    sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *range = nullptr;
    sqlite3_prepare_v2(db, "SELECT rowid FROM Lang WHERE Swedish_fold >= ?1 AND Swedish_fold < ?2", -1, &range,
                       nullptr);
    sqlite3_stmt *row = nullptr;
    sqlite3_prepare_v2(db, "SELECT Swedish, Russian FROM Lang WHERE rowid = ?", -1, &row, nullptr);
    std::size_t found = 0;
    for (auto _ : state) {
        std::vector<sqlite3_int64> ids;
        sqlite3_reset(range);
        sqlite3_bind_text(range, 1, "hu", 2, SQLITE_STATIC);
        sqlite3_bind_text(range, 2, "hu\xF4\x90", 4, SQLITE_STATIC);
        while (sqlite3_step(range) == SQLITE_ROW)
            ids.push_back(sqlite3_column_int64(range, 0));
        std::sort(ids.begin(), ids.end());
        if (!ids.empty()) {
            sqlite3_reset(row);
            sqlite3_bind_int64(row, 1, ids.front());
            sqlite3_step(row);
            benchmark::DoNotOptimize(sqlite3_column_text(row, 1));
        }
        found = ids.size();
    }
    state.counters["rows found"] = double(found);
    sqlite3_finalize(range);
    sqlite3_finalize(row);
    sqlite3_close(db);
}

// A grid over the whole table: refresh, row count, and the rows a view shows first.
void gridOverAllRows(benchmark::State &state)
{
    SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
    DataSource data(engine);
    data.setDatabaseName(dictionary(int(state.range(0))));
    data.setConnect(QStringLiteral("Access"));
    data.setRecordSource(QStringLiteral("Lang"));
    for (auto _ : state) {
        data.refresh();
        QAbstractItemModel *model = data.model();
        benchmark::DoNotOptimize(model->rowCount());
        for (int r = 0; r < 30; ++r) {
            for (int c = 0; c < model->columnCount(); ++c)
                benchmark::DoNotOptimize(model->index(r, c).data());
        }
    }
}

class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.aggregate_name == "median")
                medians[run.run_name.function_name + "/" + run.run_name.args] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> medians;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    for (int rows : {50'000, 1'000'000}) {
        for (auto [name, function] :
             {std::pair{"engine prefix search", &engineSearch}, std::pair{"direct range query", &directSearch},
              std::pair{"grid over all rows", &gridOverAllRows}}) {
            benchmark::RegisterBenchmark(name, function)
                ->Arg(rows)
                ->Unit(benchmark::kMicrosecond)
                ->Repetitions(15)
                ->ReportAggregatesOnly(true);
        }
    }
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (int rows : {50'000, 1'000'000}) {
        const std::string suffix = "/" + std::to_string(rows);
        const auto engine = reporter.medians.find("engine prefix search" + suffix);
        const auto direct = reporter.medians.find("direct range query" + suffix);
        if (engine == reporter.medians.end() || direct == reporter.medians.end())
            continue;
        std::printf("%d rows: engine median %.1f us, direct median %.1f us, ratio %.2f\n", rows, engine->second,
                    direct->second, engine->second / direct->second);
    }
    benchmark::Shutdown();
    return 0;
}
