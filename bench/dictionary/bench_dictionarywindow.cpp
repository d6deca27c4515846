// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// Times one keystroke in the dictionary window's search box: from the key event until the
// grid and the boxes show the new result and the pending paint has run, on generated
// dictionaries of 50,000 and 1,000,000 rows.
//
//   bench_dictionarywindow [--rows N]… [--words N] [--data DIR]
//
// The generated Lexikon.mdb files are kept in DIR (default: ./bench-dictionary) and reused.
#include <algorithm>
#include <chrono>
#include <random>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTableView>
#include <QTextStream>
#include <QtTest>

#include "course/coursefiles.h"
#include "course/programstate.h"
#include "dictionary/frmlexiconeng.h"
#include "platform/database/sqlcipherdatabaseengine.h"

namespace {

QTextStream out(stdout);

// Syllable words give prefixes with realistic fan-out: one letter matches a few percent
// of the rows, three letters a few hundred.
QString makeWord(std::mt19937 &random)
{
    static const QString consonants = QStringLiteral("bcdfghjklmnprstvwz");
    static const QString vowels = QStringLiteral("aeiouy");
    std::uniform_int_distribution<int> syllables(2, 4);
    QString word;
    for (int i = syllables(random); i > 0; --i) {
        word += consonants.at(std::uniform_int_distribution<int>(0, int(consonants.size()) - 1)(random));
        word += vowels.at(std::uniform_int_distribution<int>(0, int(vowels.size()) - 1)(random));
    }
    return word;
}

QString makeRussian(std::mt19937 &random)
{
    std::uniform_int_distribution<int> letter(0x0430, 0x044F);
    std::uniform_int_distribution<int> length(3, 9);
    QString word;
    for (int i = length(random); i > 0; --i)
        word += QChar(letter(random));
    return word;
}

/// Writes (or reuses) a folder holding a Lexikon.mdb of \a rows generated entries.
QString dictionaryFolder(const QString &base, int rows)
{
    const QString folder = QStringLiteral("%1/rows-%2").arg(base).arg(rows);
    if (QFileInfo::exists(folder + QStringLiteral("/Lexikon.mdb")))
        return folder;
#ifndef VESKORA_CONTENTC
    qFatal("built without the content compiler; cannot generate %s", qPrintable(folder));
#else
    QDir().mkpath(folder + QStringLiteral("/src/pictures"));
    const QString tsv = folder + QStringLiteral("/src/generated.tsv");
    {
        QFile file(tsv);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(tsv));
        QTextStream stream(&file);
        stream << "English\tSwedish\tSuomi\tDeutch\tFrance\tSpain\tRussian\n";
        std::mt19937 random(20261207u + unsigned(rows));
        for (int row = 0; row < rows; ++row) {
            const QString word = makeWord(random);
            stream << word << '\t' << word << "\t\t\t\t\t" << makeRussian(random);
            if (row % 7 == 0)
                stream << " (" << makeRussian(random) << ')';
            stream << '\n';
        }
    }
    out << "generating " << rows << " rows with the content compiler…" << Qt::endl;
    QProcess compiler;
    compiler.setProcessChannelMode(QProcess::ForwardedChannels);
    compiler.start(QStringLiteral(VESKORA_CONTENTC),
                   {QStringLiteral("--out"), folder, QStringLiteral("--pictures"),
                    folder + QStringLiteral("/src/pictures"), QStringLiteral("--password"),
                    QStringLiteral("vorpentaluki"), QStringLiteral("--dictionary"), tsv});
    if (!compiler.waitForFinished(-1) || compiler.exitCode() != 0)
        qFatal("the content compiler failed on %s", qPrintable(tsv));
    QFile::remove(tsv);
#endif
    return folder;
}

struct Figures {
    double median = 0;
    double p90 = 0;
    double max = 0;
    int count = 0;
};

Figures summarise(std::vector<double> values)
{
    Figures figures;
    if (values.empty())
        return figures;
    std::sort(values.begin(), values.end());
    figures.count = int(values.size());
    figures.median =
        values.size() % 2 ? values[values.size() / 2] : (values[values.size() / 2 - 1] + values[values.size() / 2]) / 2;
    figures.p90 = values[std::min(values.size() - 1, values.size() * 9 / 10)];
    figures.max = values.back();
    return figures;
}

double timeKey(QWidget *target, int key, QChar text = {})
{
    QElapsedTimer timer;
    timer.start();
    if (text.isNull())
        QTest::keyClick(target, Qt::Key(key));
    else
        QTest::keyClick(target, text.toLatin1());
    // Runs the paint of the grid and boxes that the keystroke scheduled.
    QCoreApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

void run(const QString &folder, int rows, int words)
{
    Course::ProgramState state;
    state.interfaceLanguage = Course::Language::English;
    Platform::SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
    Dictionary::DictionaryServices services{&state, nullptr, &engine, Platform::AppPaths(folder)};

    QElapsedTimer loadTimer;
    loadTimer.start();
    Dictionary::FrmLexiconEng window(services);
    window.load();
    window.show();
    QCoreApplication::processEvents();
    const double loadMs = loadTimer.nsecsElapsed() / 1e6;

    auto *search = window.findChild<QLineEdit *>(QStringLiteral("txtOrt"));
    std::mt19937 random(7u);
    std::vector<double> typing;
    std::vector<double> deleting;
    std::vector<double> emptied;
    for (int i = 0; i < words; ++i) {
        const QString word = makeWord(random).left(4);
        for (QChar letter : word)
            typing.push_back(timeKey(search, 0, letter));
        for (qsizetype left = word.size(); left > 0; --left) {
            const double ms = timeKey(search, Qt::Key_Backspace);
            (left == 1 ? emptied : deleting).push_back(ms);
        }
    }
    std::vector<double> all = typing;
    all.insert(all.end(), deleting.begin(), deleting.end());
    all.insert(all.end(), emptied.begin(), emptied.end());

    const auto line = [](const char *what, const Figures &f) {
        out << QStringLiteral("  %1 %2 keystrokes: median %3 ms, p90 %4 ms, max %5 ms")
                   .arg(QString::fromLatin1(what), -22)
                   .arg(f.count, 5)
                   .arg(f.median, 0, 'f', 2)
                   .arg(f.p90, 0, 'f', 2)
                   .arg(f.max, 0, 'f', 2)
            << Qt::endl;
    };
    out << rows << " rows (window load " << QString::number(loadMs, 'f', 1) << " ms):" << Qt::endl;
    line("every keystroke", summarise(all));
    line("typing a letter", summarise(typing));
    line("deleting a letter", summarise(deleting));
    line("deleting the last one", summarise(emptied));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QList<int> sizes;
    int words = 60;
    QString base = QDir::currentPath() + QStringLiteral("/bench-dictionary");
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args.at(i) == u"--rows")
            sizes.append(args.at(i + 1).toInt());
        else if (args.at(i) == u"--words")
            words = args.at(i + 1).toInt();
        else if (args.at(i) == u"--data")
            base = args.at(i + 1);
    }
    if (sizes.isEmpty())
        sizes = {50'000, 1'000'000};
    for (int rows : std::as_const(sizes))
        run(dictionaryFolder(base, rows), rows, words);
    return 0;
}
