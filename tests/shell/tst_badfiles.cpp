// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QAction>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include "course/programstate.h"
#include "dictionary/frmlexiconeng.h"
#include "fakeprocesslauncher.h"
#include "inmemorysettingsstore.h"
#include "lessons/lessonwindowbase.h"
#include "platform/help/chmhelpviewer.h"
#include "shell/courseservices.h"
#include "shell/frmmain.h"
#include "shell/programlaunch.h"
#include "shell/windowdirector.h"

using Course::LessonWindowKind;

// The course program with its real services over an application folder in which one file is
// missing, empty, truncated or replaced by random bytes. Whatever the damage, the program
// goes on (no crash, no hang) and no course file changes.
class TestBadFiles : public QObject {
    Q_OBJECT

private:
    QString m_app = qEnvironmentVariable("VESKORA_APP_DIR");
    QMap<QString, QByteArray> m_hashes;

    static QByteArray hashOf(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QCryptographicHash hash(QCryptographicHash::Sha256);
        hash.addData(&file);
        return hash.result();
    }

    // An application folder of links to the real files, with \a damaged replaced as told.
    void layOut(const QString &folder, const QString &damaged, const QString &how)
    {
        QDirIterator it(m_app, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString source = it.next();
            const QString relative = QDir(m_app).relativeFilePath(source);
            const QString target = folder + u'/' + relative;
            QDir().mkpath(QFileInfo(target).absolutePath());
            if (relative != damaged) {
                QFile::link(source, target);
                continue;
            }
            if (how == u"missing")
                continue;
            QFile original(source);
            QVERIFY(original.open(QIODevice::ReadOnly));
            QByteArray bytes = original.readAll();
            if (how == u"empty")
                bytes.clear();
            else if (how == u"truncated")
                bytes.truncate(bytes.size() / 3);
            else {
                QRandomGenerator random(4711);
                for (char &byte : bytes)
                    byte = char(random.bounded(256));
                bytes.truncate(qMin<qsizetype>(bytes.size(), 200000));
            }
            QFile copy(target);
            QVERIFY(copy.open(QIODevice::WriteOnly));
            copy.write(bytes);
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QFileInfo::exists(m_app + QStringLiteral("/Russian.mdb")), "the course must be built first");
        QDirIterator it(m_app, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (!QFileInfo(path).isExecutable())
                m_hashes.insert(path, hashOf(path));
        }
        qputenv("VESKORA_AUDIO_OUT", QFile::encodeName(QDir::tempPath() + QStringLiteral("/veskora-badfiles.wav")));
    }

    void cleanupTestCase()
    {
        for (auto it = m_hashes.cbegin(); it != m_hashes.cend(); ++it)
            QVERIFY2(hashOf(it.key()) == it.value(), qPrintable(it.key() + QStringLiteral(" changed")));
    }

    void damagedFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("how");
        const char *files[] = {"Russian.mdb",         "Lexikon.mdb",     "Print.mdb",  "characters/Genie.acs",
                               "RussianUserHelp.chm", "RussianHelp.chm", "report1.rpt"};
        for (const char *file : files) {
            for (const char *how : {"missing", "empty", "truncated", "random"})
                QTest::addRow("%s %s", file, how) << QString::fromLatin1(file) << QString::fromLatin1(how);
        }
        // A picture of lesson 2's first record.
        for (const char *how : {"missing", "empty", "truncated", "random"})
            QTest::addRow("picture %s", how) << QStringLiteral("Pictures/1f91d.svg") << QString::fromLatin1(how);
    }
    void damagedFile()
    {
        QFETCH(QString, file);
        QFETCH(QString, how);
        QTemporaryDir folder;
        layOut(folder.path(), file, how);

        Course::ProgramState state;
        TestSupport::InMemorySettingsStore settings;
        settings.preset(QStringLiteral("Agent"), QStringLiteral("OK"));
        TestSupport::FakeProcessLauncher launcher;
        qputenv("VESKORA_REPORT_PDF", QFile::encodeName(folder.path() + QStringLiteral("/out.pdf")));
        Shell::CourseServices course(Platform::AppPaths(folder.path()), state, settings, launcher, 0x0409);
        Platform::ChmHelpViewer &help = course.help();
        Shell::ProgramLaunch startup(course.services());
        QVERIFY(startup.run());
        Shell::FrmMain &main = *startup.mainWindow();

        // A lesson, its next record, the dictionary with a search, printing and both helps.
        main.entry(QStringLiteral("second"))->trigger();
        QWidget *lesson = startup.director()->lessonWindow(LessonWindowKind::Lesson);
        QVERIFY(lesson);
        QTest::mouseClick(lesson->findChild<QPushButton *>(QStringLiteral("cmdNext")), Qt::LeftButton);
        auto *dictionaryButton = lesson->findChild<QPushButton *>(QStringLiteral("Command1"));
        if (dictionaryButton && dictionaryButton->isVisible()) {
            QTest::mouseClick(dictionaryButton, Qt::LeftButton);
            if (QWidget *dictionary = startup.director()->dictionary()) {
                if (auto *search = dictionary->findChild<QLineEdit *>(QStringLiteral("txtOrt")))
                    QTest::keyClicks(search, QStringLiteral("wa"));
            }
        }
        main.entry(QStringLiteral("printer"))->trigger();
        help.showHelp(state.helpReference);
        main.entry(QStringLiteral("Help3"))->trigger();
        QTest::qWait(50);
        QVERIFY(!launcher.exitRequested);
        QVERIFY(main.isVisible());
        if (help.window())
            help.window()->close();
        main.close();
        // Windows closed above go now, while the services they use still exist.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(TestBadFiles)
#include "tst_badfiles.moc"
