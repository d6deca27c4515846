// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>
#include <vector>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "course/coursefiles.h"
#include "course/programstate.h"
#include "fakecharacterservice.h"
#include "fakeprocesslauncher.h"
#include "inmemorysettingsstore.h"
#include "lessons/lessonservices.h"
#include "lessons/lessonwindowbase.h"
#include "platform/database/sqlcipherdatabaseengine.h"

/// Everything a lesson window needs, over the compiled fixture course: a recording
/// character service, settings in memory, a recording launcher and the real database engine.
/// Windows that the "shell" of a test creates for the next lesson are kept in \c windows.
struct LessonTestBed {
    enum class Dictionary { Present, Missing, PasswordProtected };

    explicit LessonTestBed(Dictionary dictionary = Dictionary::Present)
    {
        const QString fixture = qEnvironmentVariable("VESKORA_FIXTURE_DIR");
        QString folder = fixture;
        if (dictionary != Dictionary::Present) {
            // A copy of the application folder with the dictionary gone, or replaced by an
            // encrypted file that opens only with the course password.
            folder = copy.path();
            QDir().mkpath(folder + QStringLiteral("/Pictures"));
            QFile::copy(fixture + QStringLiteral("/Russian.mdb"), folder + QStringLiteral("/Russian.mdb"));
            const QDir pictures(fixture + QStringLiteral("/Pictures"));
            for (const QString &name : pictures.entryList(QDir::Files))
                QFile::copy(pictures.filePath(name), folder + QStringLiteral("/Pictures/") + name);
            if (dictionary == Dictionary::PasswordProtected)
                QFile::copy(fixture + QStringLiteral("/Russian.mdb"), folder + QStringLiteral("/Lexikon.mdb"));
        }
        state.interfaceLanguage = Course::Language::English;
        services.state = &state;
        services.settings = &settings;
        services.characters = &characters;
        services.databases = &engine;
        services.launcher = &launcher;
        services.paths = Platform::AppPaths(folder);
    }

    /// Opens lesson \a lesson in a window of type \a Window as the shell would: sets
    /// CurrentLesson, builds and loads the window, and answers "next lesson" with a new
    /// window of type \a Next.
    template<typename Window, typename Next = Window>
    Window *open(int lesson)
    {
        state.currentLesson = lesson;
        auto window = std::make_unique<Window>(services);
        Window *raw = window.get();
        windows.push_back(std::move(window));
        raw->setMessagePresenter([this](QWidget *, const QString &title, const QString &text) {
            // A message that comes after the program was asked to end would never be seen.
            messages << (launcher.exitRequested ? QStringLiteral("(after exit) ") : QString()) + title
                    + QStringLiteral(": ") + text;
        });
        QObject::connect(raw, &Lessons::LessonWindowBase::nextLessonRequested, raw,
                         [this] { open<Next>(state.currentLesson); });
        raw->load();
        return raw;
    }

    template<typename Control = QWidget>
    static Control *control(const QWidget *window, const char *name)
    {
        auto *found = window->findChild<Control *>(QLatin1String(name));
        if (!found)
            qWarning("no control %s", name);
        return found;
    }

    /// A button's caption as the learner reads it (long captions are broken into lines).
    static QString caption(const QPushButton *button) { return button->text().replace(u'\n', u' '); }

    QTemporaryDir copy;
    Course::ProgramState state;
    TestSupport::InMemorySettingsStore settings;
    TestSupport::FakeCharacterService characters;
    Platform::SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
    TestSupport::FakeProcessLauncher launcher;
    Lessons::LessonServices services;
    QStringList messages;
    std::vector<std::unique_ptr<QWidget>> windows;
};
