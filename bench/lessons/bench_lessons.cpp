// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// Times the lesson windows in the course's real program state: the start-up sequence with
// the real database engine over the built application folder and the real character
// service (speech into a WAV file), offscreen. Both come from the modules in the folder's
// plugins/, loaded as the program loads them, after the main window's first paint; the
// figures start once they are, and the time that took is printed too.
//
//   bench_lessons [--runs N]     opening lesson 2 from the menu until its first record is
//                                shown; Next until the next record is shown
//   bench_lessons --first        only the process's first opening of lesson 2, which also
//                                opens the course database (one sample a process)
//   bench_lessons --memory       the peak resident memory (VmHWM) with lesson 2 and the
//                                dictionary, after a search, open
//
// The character service runs with its clock sped up so that its queue empties between
// samples; each sample starts with the character idle.
#include <algorithm>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include "benchfigures.h"
#include "course/programstate.h"
#include "dictionary/frmlexiconeng.h"
#include "lessons/lessonwindowbase.h"
#include "platform/modules/adaptermodules.h"
#include "platform/modules/deferredadapters.h"
#include "platform/modules/deferredcharacterservice.h"
#include "platform/process/qtprocesslauncher.h"
#include "platform/settings/inisettingsstore.h"
#include "platform/ui/pngiconengine.h"
#include "resources/localeid.h"
#include "shell/courseservices.h"
#include "shell/frmmain.h"
#include "shell/programlaunch.h"
#include "shell/windowdirector.h"

using Bench::elapsedMs;
using Bench::median;

namespace {

QTextStream out(stdout);

/// The time from the modules being loaded to the learner's first click.
constexpr int kFirstClickMs = 300;

/// The course program as main() builds it, over the application folder \a appDir and the
/// modules in its plugins folder.
class RunningCourse {
public:
    explicit RunningCourse(const QString &appDir)
        : m_modules(Platform::AdapterModules::folderBeside(appDir))
        , m_course(Platform::AppPaths(appDir), m_state, m_settings, m_launcher, Resources::localeIdFromEnvironment(),
                   m_modules)
    {
        m_startup = std::make_unique<Shell::ProgramLaunch>(m_course.services());
    }

    ~RunningCourse()
    {
        if (m_startup && m_startup->mainWindow())
            m_startup->mainWindow()->close();
        // Windows closed above go now, while the services they use still exist.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_startup.reset();
    }

    /// Runs the start-up sequence and lets the modules load as main() does, after the main
    /// window's first paint; \a warmUpMs gets how long that took from the window being shown.
    bool start(double *warmUpMs = nullptr)
    {
        if (!m_startup->run())
            return false;
        QElapsedTimer timer;
        timer.start();
        m_course.warmUpAfterFirstPaint(main());
        while (!m_course.isWarm() && timer.elapsed() < 10'000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (warmUpMs)
            *warmUpMs = elapsedMs(timer);
        m_characterModule = m_modules.characters();
        if (m_characterModule && m_course.characters().target())
            m_characterModule->setTimeScale(*m_course.characters().target(), 1000);
        return m_course.isWarm();
    }
    Shell::FrmMain &main() { return *m_startup->mainWindow(); }
    Shell::WindowDirector &director() { return *m_startup->director(); }
    QWidget *lesson() { return m_startup->director()->lessonWindow(Course::LessonWindowKind::Lesson); }

    /// Runs the event loop for \a ms milliseconds, as the program does while nobody clicks.
    static void idle(int ms)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }

    /// Lets the character finish what it was asked to do.
    void settle()
    {
        QElapsedTimer timer;
        timer.start();
        while (busy() && timer.elapsed() < 10'000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::processEvents();
    }

    /// Opens lesson 2 from the menu; the milliseconds until its first record was shown, or a
    /// negative number when none was within ten seconds.
    double openLesson()
    {
        QElapsedTimer timer;
        timer.start();
        main().entry(QStringLiteral("second"))->trigger();
        QPlainTextEdit *text = nullptr;
        while (timer.elapsed() < 10'000) {
            if (!text && lesson())
                text = lesson()->findChild<QPlainTextEdit *>(QStringLiteral("txtTexten"));
            if (text && text->isVisible() && !text->toPlainText().isEmpty())
                break;
            QCoreApplication::processEvents();
        }
        // The paint that puts the record on the screen.
        QCoreApplication::processEvents();
        return text && !text->toPlainText().isEmpty() ? elapsedMs(timer) : -1;
    }

    void closeLesson()
    {
        if (QWidget *window = lesson())
            window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        settle();
    }

private:
    bool busy()
    {
        Platform::CharacterService *service = m_course.characters().target();
        return m_characterModule && service && m_characterModule->isBusy(*service, QStringLiteral("Genie"));
    }

    Course::ProgramState m_state;
    Platform::IniSettingsStore m_settings;
    Platform::QtProcessLauncher m_launcher;
    Platform::AdapterModules m_modules;
    Shell::CourseServices m_course;
    const Platform::CharacterModule *m_characterModule = nullptr;
    std::unique_ptr<Shell::ProgramLaunch> m_startup;
};

int timeLessons(const QString &appDir, int runs, bool firstOnly)
{
    RunningCourse course(appDir);
    double warmUp = 0;
    if (!course.start(&warmUp)) {
        out << "the start-up sequence ended the program, or the modules did not load\n";
        return 1;
    }
    course.settle();
    // A learner's first click comes no sooner than a few tenths of a second after the main
    // window appears: by then the warm-up's background work (the speech engine, the lesson
    // database's key, the stress table) has had that time, as in the program.
    course.idle(kFirstClickMs);

    QList<double> opening;
    double first = 0;
    // The first opening also opens the course database; it is reported on its own.
    for (int run = 0; run <= runs; ++run) {
        const double ms = course.openLesson();
        if (ms < 0) {
            out << "lesson 2 showed no record\n";
            return 1;
        }
        if (run == 0 && firstOnly) {
            out << "the process's first opening of lesson 2 to its first record shown: " << QString::number(ms, 'f', 2)
                << " ms (" << kFirstClickMs << " ms after the warm-up)\n";
            return 0;
        }
        if (run == 0)
            first = ms;
        else
            opening << ms;
        course.settle();
        course.closeLesson();
    }

    // Next: each click that brings a new record; at the lesson's end it is opened again.
    QList<double> next;
    int samples = std::max(runs, 30);
    while (next.size() < samples) {
        if (course.openLesson() < 0)
            return 1;
        course.settle();
        auto *text = course.lesson()->findChild<QPlainTextEdit *>(QStringLiteral("txtTexten"));
        auto *button = course.lesson()->findChild<QPushButton *>(QStringLiteral("cmdNext"));
        const qsizetype before = next.size();
        while (next.size() < samples && button->isEnabled()) {
            const QString shown = text->toPlainText();
            QElapsedTimer timer;
            timer.start();
            QTest::mouseClick(button, Qt::LeftButton);
            QCoreApplication::processEvents();
            const double ms = elapsedMs(timer);
            if (text->toPlainText() == shown)
                break;
            next << ms;
            course.settle();
        }
        course.closeLesson();
        if (next.size() == before) {
            out << "Next showed no other record\n";
            return 1;
        }
    }

    out << "modules loaded and their adapters made after the main window was shown: " << QString::number(warmUp, 'f', 2)
        << " ms\n";
    out << "open lesson 2 from the menu to its first record shown: median " << QString::number(median(opening), 'f', 2)
        << " ms, first " << QString::number(first, 'f', 2) << " ms (" << opening.size() << " runs; the first "
        << kFirstClickMs << " ms after the warm-up)\n";
    out << "Next to the next record shown: median " << QString::number(median(next), 'f', 2) << " ms, worst "
        << QString::number(*std::max_element(next.cbegin(), next.cend()), 'f', 2) << " ms (" << next.size()
        << " clicks)\n";
    return 0;
}

/// The peak resident set of this process in kB, from /proc/self/status.
qint64 peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

int measureMemory(const QString &appDir)
{
    RunningCourse course(appDir);
    if (!course.start() || course.openLesson() < 0) {
        out << "lesson 2 showed no record\n";
        return 1;
    }
    course.settle();
    auto *dictionaryButton = course.lesson()->findChild<QPushButton *>(QStringLiteral("Command1"));
    if (dictionaryButton && dictionaryButton->isVisible())
        QTest::mouseClick(dictionaryButton, Qt::LeftButton);
    else
        course.director().showDictionary();
    QCoreApplication::processEvents();
    QWidget *dictionary = course.director().dictionary();
    auto *search = dictionary ? dictionary->findChild<QLineEdit *>(QStringLiteral("txtOrt")) : nullptr;
    if (!search) {
        out << "the dictionary did not open\n";
        return 1;
    }
    QTest::keyClicks(search, QStringLiteral("wa"));
    QCoreApplication::processEvents();
    course.settle();
    const qint64 kb = peakResidentKb();
    if (kb < 0) {
        out << "no VmHWM in /proc/self/status\n";
        return 1;
    }
    out << "peak memory with lesson 2 and the dictionary open: " << QString::number(double(kb) / 1024, 'f', 1)
        << " MB\n";
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's settings live in a folder of their own for the run: "Agent" = OK lets the
    // component check pass, and nothing the windows save reaches the user's settings.
    QTemporaryDir scratch;
    if (!scratch.isValid() || !QDir(scratch.path()).mkpath(QStringLiteral("Veskora")))
        return 1;
    {
        QFile ini(scratch.filePath(QStringLiteral("Veskora/Veskora.ini")));
        if (!ini.open(QIODevice::WriteOnly) || ini.write("[Settings]\nAgent=OK\n") < 0)
            return 1;
    }
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(scratch.path()));
    qputenv("VESKORA_AUDIO_OUT", QFile::encodeName(scratch.filePath(QStringLiteral("speech.wav"))));

    QApplication app(argc, argv);
    Platform::usePngIconEngine();
    const QString appDir = qEnvironmentVariableIsEmpty("VESKORA_APP_DIR") ? QStringLiteral(VESKORA_DEFAULT_APP_DIR)
                                                                          : qEnvironmentVariable("VESKORA_APP_DIR");
    const QStringList args = app.arguments();
    if (args.contains(QStringLiteral("--memory")))
        return measureMemory(appDir);
    const qsizetype runsAt = args.indexOf(QStringLiteral("--runs"));
    const int runs = std::max(1, runsAt > 0 ? args.value(runsAt + 1).toInt() : 15);
    return timeLessons(appDir, runs, args.contains(QStringLiteral("--first")));
}
