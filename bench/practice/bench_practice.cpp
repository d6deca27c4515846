// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// Times the practice windows over the built application folder, offscreen, with the real
// database engine, the real character service (speech into a WAV file) and a progress file
// holding a year of daily practice (twenty answers a day):
//
//   bench_practice [--runs N] [--data DIR]
//
// "My progress" from construction until its first paint, and Next in the practice window
// until the next item is painted. The year of history is written once into DIR (default a
// temporary folder) and reused when it is there.
#include <algorithm>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include "course/coursefiles.h"
#include "course/programstate.h"
#include "platform/agent/geniecharacterservice.h"
#include "platform/audio/soundmodule.h"
#include "platform/database/sqlcipherdatabaseengine.h"
#include "platform/progress/sqliteprogressstore.h"
#include "platform/settings/inisettingsstore.h"
#include "practice/chartdrawing.h"
#include "practice/coursereader.h"
#include "practice/practicewindow.h"
#include "practice/progressaccess.h"
#include "practice/progresswindow.h"

#include "benchfigures.h"

using Bench::elapsedMs;
using Bench::median;

namespace {

QTextStream out(stdout);
constexpr int kHistoryDays = 365;
constexpr int kAnswersPerDay = 20;

/// Writes a year of daily practice ending yesterday: each day twenty answers, one in seven
/// wrong, spread over every item of the course and scheduled as the window would.
bool writeHistory(const QString &path, const QList<Course::PracticeItem> &items, QDate today)
{
    Platform::SqliteProgressStore store(path);
    if (!store.open())
        return false;
    QHash<Course::ItemKey, Course::ItemMemory> memory;
    int next = 0;
    for (int day = kHistoryDays; day >= 1; --day) {
        const QDate date = today.addDays(-day);
        for (int i = 0; i < kAnswersPerDay; ++i) {
            const Course::PracticeItem &item = items.at(next++ % items.size());
            const Course::Fsrs::Grade grade = (next % 7) ? Course::Fsrs::Grade::Good : Course::Fsrs::Grade::Again;
            const auto known = memory.constFind(item.key);
            const auto before = known == memory.constEnd() ? std::nullopt : std::optional(*known);
            const Course::ItemMemory after = Course::afterAnswer(before, item.key, grade, date);
            memory.insert(item.key, after);
            const Platform::ProgressAnswer answer{QDateTime(date, QTime(18, i), Qt::UTC),
                                                  date,
                                                  item.key.lesson,
                                                  item.key.record,
                                                  QStringLiteral("listen-choose"),
                                                  int(grade),
                                                  4000};
            if (store.recordAnswer(answer, Practice::toState(after)).failed())
                return false;
        }
    }
    return true;
}

/// Answers the window's current item rightly through its controls.
void answer(Practice::PracticeWindow &window)
{
    const Course::SessionEntry &entry = window.session().current();
    if (Course::isChoice(entry.exercise)) {
        window.findChild<QPushButton *>(QStringLiteral("cmdChoice%1").arg(entry.choices.right + 1))->click();
    } else if (entry.exercise == Course::Exercise::ListenType) {
        window.findChild<QLineEdit *>(QStringLiteral("txtAnswer"))->setText(entry.item.russian);
        window.findChild<QPushButton *>(QStringLiteral("cmdCheck"))->click();
    } else {
        window.findChild<QPushButton *>(QStringLiteral("cmdReveal"))->click();
        window.findChild<QPushButton *>(QStringLiteral("cmdGood"))->click();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    qputenv("VESKORA_AUDIO_OUT", (config.path() + QStringLiteral("/speech.wav")).toUtf8());
    QApplication app(argc, argv);
    Practice::useChartDrawing(&Practice::qtChartDrawing());
    Platform::useSoundModule(&Platform::qtSoundModule());
    const QStringList args = app.arguments();
    const int runsAt = int(args.indexOf(QStringLiteral("--runs")));
    const int runs = runsAt > 0 && runsAt + 1 < args.size() ? std::max(1, args.at(runsAt + 1).toInt()) : 15;
    const int dataAt = int(args.indexOf(QStringLiteral("--data")));
    QTemporaryDir scratch;
    const QString data = dataAt > 0 && dataAt + 1 < args.size() ? args.at(dataAt + 1) : scratch.path();

    const QString appDir = qEnvironmentVariable("VESKORA_APP_DIR", QStringLiteral(VESKORA_DEFAULT_APP_DIR));
    const Platform::AppPaths paths(appDir);
    Platform::SqlCipherDatabaseEngine engine(Course::Files::kKeyRounds);
    const QList<Course::PracticeItem> items = Practice::readPracticeItems(engine, paths);
    if (items.isEmpty()) {
        out << "no course in " << appDir << "\n";
        return 1;
    }
    const QDate today = QDate::currentDate();
    QDir().mkpath(data);
    const QString history = data + QStringLiteral("/year-%1.sqlite").arg(today.toString(Qt::ISODate));
    if (!QFile::exists(history) && !writeHistory(history, items, today)) {
        out << "cannot write the history to " << history << "\n";
        return 1;
    }

    Course::ProgramState state;
    state.interfaceLanguage = Course::Language::English;
    Platform::IniSettingsStore settings;
    Platform::GenieCharacterService characters(paths, settings);
    characters.setTimeScale(1000);
    Platform::SqliteProgressStore progress(history);
    Practice::PracticeServices services;
    services.state = &state;
    services.settings = &settings;
    services.characters = &characters;
    services.databases = &engine;
    services.progress = &progress;
    services.paths = paths;
    services.seed = 5;

    QList<double> opening;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        Practice::ProgressWindow window(services);
        if (!window.load())
            return 1;
        window.show();
        window.repaint();
        opening << elapsedMs(timer);
    }

    // Next after each answered item, over as many sessions as it takes.
    QList<double> next;
    const int samples = std::max(runs, 40);
    for (int lesson = 2; next.size() < samples && lesson <= 38; ++lesson) {
        Practice::PracticeWindow window(services);
        window.show();
        if (!window.startLesson(lesson))
            return 1;
        while (!window.session().finished() && next.size() < samples) {
            answer(window);
            QCoreApplication::processEvents();
            auto *button = window.findChild<QPushButton *>(QStringLiteral("cmdNext"));
            if (!button->isEnabled())
                continue;
            QElapsedTimer timer;
            timer.start();
            button->click();
            window.repaint();
            next << elapsedMs(timer);
        }
    }

    out << "items in the course: " << items.size() << ", answers in the history: " << kHistoryDays * kAnswersPerDay
        << "\n";
    out << "My progress with a year of daily practice, to its first paint: median "
        << QString::number(median(opening), 'f', 2) << " ms, first " << QString::number(opening.first(), 'f', 2)
        << " ms (" << opening.size() << " openings)\n";
    out << "Next to the next practice item shown: median " << QString::number(median(next), 'f', 2) << " ms, worst "
        << QString::number(*std::max_element(next.cbegin(), next.cend()), 'f', 2) << " ms (" << next.size()
        << " items)\n";
    return 0;
}
