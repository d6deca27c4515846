// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <csignal>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "course/settingskeys.h"
#include "platform/settings/inisettingsstore.h"

using Course::Settings::kApplication;
using Course::Settings::kSection;
using Platform::IniSettingsStore;

class TestSettingsStore : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_config;

    QString iniText() const
    {
        QFile file(IniSettingsStore::filePath(kApplication));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    // Permissions mean nothing to root, so the file operations of the permission tests run in
    // the settings writer as an ordinary user: "nobody" through setpriv when the tests run as
    // root (CI), the developer's own user otherwise.
    static bool asRoot() { return ::geteuid() == 0; }
    static uid_t writerUid() { return asRoot() ? ::getpwnam("nobody")->pw_uid : ::geteuid(); }
    static gid_t writerGid() { return asRoot() ? ::getpwnam("nobody")->pw_gid : ::getegid(); }
    static void giveToWriter(const QString &path)
    {
        QVERIFY(::lchown(QFile::encodeName(path).constData(), writerUid(), writerGid()) == 0);
    }
    static QStringList runWriter(const QStringList &args)
    {
        QProcess writer;
        QStringList command{QStringLiteral(SETTINGS_WRITER)};
        if (asRoot())
            command = QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=nobody"),
                                  QStringLiteral("--regid=nogroup"), QStringLiteral("--clear-groups")}
                + command;
        const QString program = command.takeFirst();
        writer.start(program, command + args);
        if (!writer.waitForFinished(30000) || writer.exitCode() != 0)
            return {QStringLiteral("writer failed: ") + QString::fromUtf8(writer.readAllStandardError())};
        return QString::fromUtf8(writer.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    }
    static QStringList folderEntries(const QString &folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    }

private Q_SLOTS:
    void init()
    {
        m_config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", m_config->path().toUtf8());
    }

    void absentPresentOverwritten()
    {
        IniSettingsStore store;
        QCOMPARE(store.read(kApplication, kSection, QStringLiteral("Language")), QString());
        QVERIFY(store.save(kApplication, kSection, QStringLiteral("Language"), QStringLiteral("140")));
        QCOMPARE(store.read(kApplication, kSection, QStringLiteral("Language")), QStringLiteral("140"));
        QVERIFY(store.save(kApplication, kSection, QStringLiteral("Language"), QStringLiteral("120")));
        QCOMPARE(IniSettingsStore().read(kApplication, kSection, QStringLiteral("Language")), QStringLiteral("120"));
        QCOMPARE(store.read(kApplication, kSection, QStringLiteral("Lesson")), QString());
    }

    void fileIsTheSharedIniInTheConfigFolder()
    {
        IniSettingsStore store;
        store.save(kApplication, kSection, QStringLiteral("Agent"), QStringLiteral("OK"));
        QCOMPARE(IniSettingsStore::filePath(kApplication), m_config->path() + QStringLiteral("/Veskora/Veskora.ini"));
        QVERIFY(iniText().contains(QStringLiteral("[Settings]")));
        QVERIFY(iniText().contains(QStringLiteral("Agent=OK")));
    }

    void textValuesRoundTripExactly_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("blanks") << "  two  blanks  ";
        QTest::newRow("comma") << "a,b";
        QTest::newRow("cyrillic") << "Привет";
        QTest::newRow("equals and semicolon") << "x=1; y=2";
        QTest::newRow("empty") << "";
    }
    void textValuesRoundTripExactly()
    {
        QFETCH(QString, value);
        IniSettingsStore store;
        QVERIFY(store.save(kApplication, kSection, QStringLiteral("Speed"), value));
        QCOMPARE(IniSettingsStore().read(kApplication, kSection, QStringLiteral("Speed")), value);
    }

    void valueWrittenByAnotherProgramIsSeenAtOnce()
    {
        IniSettingsStore reader;
        QCOMPARE(reader.read(kApplication, kSection, QStringLiteral("writer0")), QString());
        QProcess writer;
        writer.start(QStringLiteral(SETTINGS_WRITER), {QStringLiteral("writer"), QStringLiteral("1")});
        QVERIFY(writer.waitForFinished(10000));
        QCOMPARE(reader.read(kApplication, kSection, QStringLiteral("writer0")), QStringLiteral("value 0"));
    }

    void saveSurvivesKillRightAfterItReturns()
    {
        QProcess writer;
        writer.start(QStringLiteral(SETTINGS_WRITER),
                     {QStringLiteral("killed"), QStringLiteral("3"), QStringLiteral("hold")});
        QVERIFY(writer.waitForStarted());
        QByteArray output;
        while (!output.contains("saved killed2")) {
            QVERIFY2(writer.waitForReadyRead(10000), "writer printed nothing");
            output += writer.readAllStandardOutput();
        }
        ::kill(pid_t(writer.processId()), SIGKILL);
        QVERIFY(writer.waitForFinished(5000));
        IniSettingsStore store;
        for (int i = 0; i < 3; ++i)
            QCOMPARE(store.read(kApplication, kSection, QStringLiteral("killed%1").arg(i)),
                     QStringLiteral("value %1").arg(i));
    }

    // Copies of the program (the course, the installer, a second course window) saving at the
    // same moment: every save that returned true is in the file, and no copy found the file
    // unparsable and moved it aside, or left a temporary or lock file behind.
    void programsWritingAtOnceLoseNothing()
    {
        constexpr int kWriters = 4;
        constexpr int kKeys = 40;
        std::array<QProcess, kWriters> writers;
        for (int w = 0; w < kWriters; ++w)
            writers[w].start(QStringLiteral(SETTINGS_WRITER),
                             {QStringLiteral("writer%1_").arg(w), QString::number(kKeys)});
        for (QProcess &writer : writers) {
            QVERIFY(writer.waitForFinished(60000));
            QCOMPARE(writer.exitCode(), 0);
        }
        IniSettingsStore store;
        for (int i = 0; i < kKeys; ++i) {
            for (int w = 0; w < kWriters; ++w)
                QCOMPARE(store.read(kApplication, kSection, QStringLiteral("writer%1_%2").arg(w).arg(i)),
                         QStringLiteral("value %1").arg(i));
        }
        const QString path = IniSettingsStore::filePath(kApplication);
        QCOMPARE(folderEntries(QFileInfo(path).absolutePath()), QStringList{QStringLiteral("Veskora.ini")});
        QSettings check(path, QSettings::IniFormat);
        QCOMPARE(check.status(), QSettings::NoError);
    }

    void fileThatIsNotIniReadsEmptyAndCanBeWritten()
    {
        const QString path = IniSettingsStore::filePath(kApplication);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("\x00\xff\xfe garbage [[[ = \n\x01\x02", 20));
        file.close();
        IniSettingsStore store;
        QCOMPARE(store.read(kApplication, kSection, QStringLiteral("Agent")), QString());
        QVERIFY(store.save(kApplication, kSection, QStringLiteral("Language"), QStringLiteral("110")));
        QCOMPARE(store.read(kApplication, kSection, QStringLiteral("Language")), QStringLiteral("110"));
    }

    void fileThatDoesNotParseIsMovedAsideKeepingWhatCouldBeRead()
    {
        const QString path = IniSettingsStore::filePath(kApplication);
        QDir().mkpath(QFileInfo(path).absolutePath());
        const QByteArray broken("[Settings\nAgent=OK\nLesson=7\n");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(broken);
        file.close();

        IniSettingsStore store;
        QVERIFY(store.save(kApplication, kSection, QStringLiteral("Speed"), QStringLiteral("80")));
        const QStringList aside =
            QDir(QFileInfo(path).absolutePath()).entryList({QStringLiteral("Veskora.ini.unreadable-*")});
        QCOMPARE(aside.size(), 1);
        QFile kept(QFileInfo(path).absolutePath() + u'/' + aside.first());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), broken);
        // The installer's record survives, so the next start does not go back to the check program.
        IniSettingsStore fresh;
        QCOMPARE(fresh.read(kApplication, kSection, QStringLiteral("Agent")), QStringLiteral("OK"));
        QCOMPARE(fresh.read(kApplication, kSection, QStringLiteral("Lesson")), QStringLiteral("7"));
        QCOMPARE(fresh.read(kApplication, kSection, QStringLiteral("Speed")), QStringLiteral("80"));
    }

    // A learner's file that can be read but not written: the save fails and says why, the
    // file and its folder stay exactly as they were, and the program goes on with the new
    // value for the rest of the run.
    void fileThatCannotBeWrittenIsLeftAsItIs_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("read-only file") << "read-only";
        QTest::newRow("another user's file") << "other-owner";
        QTest::newRow("link to a read-only file") << "link";
        QTest::newRow("unreadable file") << "unreadable";
        QTest::newRow("read-only folder") << "read-only-folder";
        QTest::newRow("full disk") << "full";
    }
    void fileThatCannotBeWrittenIsLeftAsItIs()
    {
        QFETCH(QString, how);
        if (how == u"other-owner" && !asRoot())
            QSKIP("only root can give a file to another user");
        const QString path = IniSettingsStore::filePath(kApplication);
        const QString folder = QFileInfo(path).absolutePath();
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(::chmod(QFile::encodeName(m_config->path()).constData(), 0755) == 0);
        giveToWriter(folder);
        const QByteArray original("[Settings]\nAgent=OK\nLanguage=110\nLesson=7\nSpeed=150\n");
        const QString target = how == u"link" ? m_config->path() + QStringLiteral("/elsewhere.ini") : path;
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(original);
        file.close();
        if (how != u"other-owner")
            giveToWriter(target);
        mode_t mode = 0644;
        if (how == u"read-only" || how == u"link")
            mode = 0444;
        else if (how == u"unreadable")
            mode = 0000;
        QVERIFY(::chmod(QFile::encodeName(target).constData(), mode) == 0);
        if (how == u"link") {
            QVERIFY(QFile::link(target, path));
            giveToWriter(path);
        }
        if (how == u"read-only-folder")
            QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0555) == 0);
        const QStringList before = folderEntries(folder);

        QStringList args{QStringLiteral("once"), QStringLiteral("Speed"), QStringLiteral("80")};
        if (how == u"full")
            args << QString::number(original.size() / 2);
        const QStringList output = runWriter(args);
        ::chmod(QFile::encodeName(folder).constData(), 0755);
        ::chmod(QFile::encodeName(target).constData(), 0644);

        QVERIFY2(output.value(0) == u"saved 0", qPrintable(output.join(u'\n')));
        QVERIFY2(output.value(1).size() > QStringLiteral("problem ").size(), qPrintable(output.join(u'\n')));
        QCOMPARE(folderEntries(folder), before);
        QVERIFY(QFileInfo(path).isSymLink() == (how == u"link"));
        QFile after(target);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), original);
        // What the writer read after its failed save: the new speed, the other values as stored
        // (an unreadable file gives nothing but what this run saved).
        const QStringList expected = how == u"unreadable"
            ? QStringList{QStringLiteral("Agent="), QStringLiteral("Language="), QStringLiteral("Lesson="),
                          QStringLiteral("Speed=80")}
            : QStringList{QStringLiteral("Agent=OK"), QStringLiteral("Language=110"), QStringLiteral("Lesson=7"),
                          QStringLiteral("Speed=80")};
        QCOMPARE(output.mid(2), expected);
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
