// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// Pictures of the practice windows for looking at them, without a screen: runs the course
// program offscreen over the built application folder, opens the Learning menu's windows
// and saves the main window as PNG files, one per exercise kind (before and after its
// answer) and one of "My progress":
//
//   practice_shots OUTDIR LANGUAGE [PROGRESS-FILE]
//
// LANGUAGE is an interface language code (110 … 160); PROGRESS-FILE, when given, is copied
// in as the learner's progress (bench_practice --data leaves a year of it).
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

#include "course/programstate.h"
#include "platform/audio/soundmodule.h"
#include "platform/modules/linkedmodules.h"
#include "platform/process/qtprocesslauncher.h"
#include "platform/settings/inisettingsstore.h"
#include "practice/chartdrawing.h"
#include "practice/practicewindow.h"
#include "resources/localeid.h"
#include "shell/courseservices.h"
#include "shell/frmmain.h"
#include "shell/learningcommands.h"
#include "shell/programlaunch.h"
#include "shell/windowdirector.h"

namespace {

void settle()
{
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
}

bool save(QWidget &window, const QString &path)
{
    settle();
    return window.grab().save(path);
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toUtf8());
    qputenv("VESKORA_AUDIO_OUT", (home.path() + QStringLiteral("/speech.wav")).toUtf8());
    QApplication app(argc, argv);
    Practice::useChartDrawing(&Practice::qtChartDrawing());
    Platform::useSoundModule(&Platform::qtSoundModule());
    const QStringList args = app.arguments();
    QTextStream out(stdout);
    if (args.size() < 3) {
        out << "usage: practice_shots OUTDIR LANGUAGE [PROGRESS-FILE]\n";
        return 2;
    }
    const QString outDir = args.at(1);
    const QString language = args.at(2);
    QDir().mkpath(outDir);
    QDir().mkpath(home.path() + QStringLiteral("/data/Veskora"));
    if (args.size() > 3 && !QFile::copy(args.at(3), home.path() + QStringLiteral("/data/Veskora/progress.sqlite")))
        return 1;

    Course::ProgramState state;
    Platform::IniSettingsStore settings;
    for (const auto &[key, value] : {std::pair{"Agent", "OK"}, {"Lesson", "5"}, {"Speed", "100"}})
        settings.save(QStringLiteral("Veskora"), QStringLiteral("Settings"), QLatin1String(key), QLatin1String(value));
    settings.save(QStringLiteral("Veskora"), QStringLiteral("Settings"), QStringLiteral("Language"), language);
    Platform::QtProcessLauncher launcher;
    const QString appDir = qEnvironmentVariable("VESKORA_APP_DIR", QStringLiteral(VESKORA_DEFAULT_APP_DIR));
    Platform::AdapterModules modules(Platform::linkedModules());
    Shell::CourseServices course(Platform::AppPaths(appDir), state, settings, launcher,
                                 Resources::localeIdFromEnvironment(), modules);
    Shell::ProgramLaunch startup(course.services());
    if (!startup.run())
        return 1;
    Shell::FrmMain &main = *startup.mainWindow();
    main.resize(main.width() + 220, main.height() + 40);
    save(main, outDir + QStringLiteral("/start-%1.png").arg(language));

    main.entry(QStringLiteral("mnuPractiseLesson"))->trigger();
    Practice::PracticeWindow *window = startup.director()->practiceCommands().practice();
    if (!window)
        return 1;
    QSet<Course::Exercise> seen;
    // The recent lesson first, then the alphabet for its letters, then the others in turn.
    QList<int> lessons{5, 1};
    for (int lesson = 6; lesson <= 38; ++lesson)
        lessons << lesson;
    for (const int lesson : std::as_const(lessons)) {
        // Listen and repeat is asked only where the learner can record.
        if (seen.size() == 6)
            break;
        if (lesson != 5 && !window->startLesson(lesson))
            return 1;
        while (!window->session().finished()) {
            const Course::SessionEntry entry = window->session().current();
            const QString name = Course::exerciseName(entry.exercise);
            const bool first = !seen.contains(entry.exercise);
            if (first)
                save(main, outDir + QStringLiteral("/%1-%2.png").arg(name, language));
            if (Course::isChoice(entry.exercise)) {
                // One choice in each kind goes wrong, to show how that looks.
                const int choice = (entry.choices.right + (first ? 1 : 0)) % int(entry.choices.texts.size());
                window->findChild<QPushButton *>(QStringLiteral("cmdChoice%1").arg(choice + 1))->click();
            } else if (entry.exercise == Course::Exercise::ListenType) {
                QString typed = entry.item.russian.toLower();
                typed[1] = typed[1] == u'о' ? u'а' : u'о';
                window->findChild<QLineEdit *>(QStringLiteral("txtAnswer"))->setText(typed);
                window->findChild<QPushButton *>(QStringLiteral("cmdCheck"))->click();
            } else {
                window->findChild<QPushButton *>(QStringLiteral("cmdReveal"))->click();
                if (first)
                    save(main, outDir + QStringLiteral("/%1-revealed-%2.png").arg(name, language));
                window->findChild<QPushButton *>(QStringLiteral("cmdGood"))->click();
            }
            if (first && entry.exercise != Course::Exercise::Recall && entry.exercise != Course::Exercise::ListenRepeat)
                save(main, outDir + QStringLiteral("/%1-answered-%2.png").arg(name, language));
            seen.insert(entry.exercise);
            if (window->session().answered())
                window->findChild<QPushButton *>(QStringLiteral("cmdNext"))->click();
        }
    }
    save(main, outDir + QStringLiteral("/finished-%1.png").arg(language));
    window->close();
    main.entry(QStringLiteral("mnuMyProgress"))->trigger();
    save(main, outDir + QStringLiteral("/progress-%1.png").arg(language));
    out << "exercise kinds seen: " << seen.size() << "\n";
    main.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
