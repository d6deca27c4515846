// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

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

    void twoProgramsWritingAtOnceLoseNothing()
    {
        QProcess first;
        QProcess second;
        first.start(QStringLiteral(SETTINGS_WRITER), {QStringLiteral("first"), QStringLiteral("60")});
        second.start(QStringLiteral(SETTINGS_WRITER), {QStringLiteral("second"), QStringLiteral("60")});
        QVERIFY(first.waitForFinished(60000));
        QVERIFY(second.waitForFinished(60000));
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);
        IniSettingsStore store;
        for (int i = 0; i < 60; ++i) {
            QCOMPARE(store.read(kApplication, kSection, QStringLiteral("first%1").arg(i)),
                     QStringLiteral("value %1").arg(i));
            QCOMPARE(store.read(kApplication, kSection, QStringLiteral("second%1").arg(i)),
                     QStringLiteral("value %1").arg(i));
        }
        QSettings check(IniSettingsStore::filePath(kApplication), QSettings::IniFormat);
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
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
