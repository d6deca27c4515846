// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "platform/agent/agentsettingsdialog.h"
#include "platform/agent/charactersettingssheet.h"
#include "platform/agent/charactersettingsstore.h"
#include "platform/agent/geniecharacterservice.h"
#include "platform/settings/inisettingsstore.h"

using namespace Platform;
using namespace Qt::StringLiterals;

namespace {

void writeFile(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray kUnreadable("\x00\xff\xfe garbage [[[ = \n\x01\x02", 20);

} // namespace

// The character's settings file and how it takes over what earlier versions kept in the
// course's settings file.
class TestAgentSettings : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_config;
    QString m_coursePath;
    QString m_characterPath;

private Q_SLOTS:
    void init()
    {
        m_config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", m_config->path().toUtf8());
        m_coursePath = IniSettingsStore::filePath(kApplication);
        m_characterPath = m_config->filePath(u"Veskora/Character.ini"_s);
    }

    void oldGroupMovesOutOfTheCoursesFile()
    {
        writeFile(m_coursePath,
                  "[Settings]\nAgent=OK\nLanguage=120\nSpeed=80\n\n"
                  "[Character]\nVolume=40\nBalloon=0\nBalloonFont=DejaVu Sans\n");
        // The learner's store takes the old choices over, and the service starts with them.
        CharacterSettingsStore store;
        QCOMPARE(store.path(), m_characterPath);
        GenieCharacterService service(AppPaths(qEnvironmentVariable("VESKORA_APP_DIR")), store);
        QCOMPARE(service.settingsSheet().settings().volume, 40);
        QVERIFY(!service.settingsSheet().settings().balloon);
        QCOMPARE(service.settingsSheet().settings().balloonFontName, u"DejaVu Sans"_s);
        QCOMPARE(CharacterSettings::read(CharacterSettingsStore(m_characterPath)), service.settingsSheet().settings());
        QSettings course(m_coursePath, QSettings::IniFormat);
        QVERIFY(!course.childGroups().contains(u"Character"_s));
        QCOMPARE(course.allKeys().size(), 3);
        const IniSettingsStore courseStore;
        QCOMPARE(courseStore.read(kApplication, kSection, u"Agent"_s), u"OK"_s);
        QCOMPARE(courseStore.read(kApplication, kSection, u"Language"_s), u"120"_s);
        QCOMPARE(courseStore.read(kApplication, kSection, u"Speed"_s), u"80"_s);
        // Once only: the course's file no longer changes.
        const QByteArray after = readFile(m_coursePath);
        CharacterSettingsStore again;
        QCOMPARE(readFile(m_coursePath), after);
    }

    void ownFileWinsOverTheOldGroup()
    {
        writeFile(m_characterPath, "[Character]\nVolume=70\n");
        writeFile(m_coursePath, "[Settings]\nLanguage=140\n\n[Character]\nVolume=40\nSpeechOutput=0\n");
        CharacterSettingsStore store(m_characterPath);
        QVERIFY(store.adoptFrom(m_coursePath));
        const CharacterSettings settings = CharacterSettings::read(store);
        QCOMPARE(settings.volume, 70);
        QVERIFY(!settings.speechOutput); // a key only the old group had is kept
        QVERIFY(!QSettings(m_coursePath, QSettings::IniFormat).childGroups().contains(u"Character"_s));
    }

    void unreadableFileIsSetAsideAndStartedFresh()
    {
        writeFile(m_characterPath, kUnreadable);
        CharacterSettingsStore store(m_characterPath);
        QCOMPARE(CharacterSettings::read(store), CharacterSettings());
        CharacterSettings changed;
        changed.volume = 30;
        QVERIFY(changed.save(store));
        QCOMPARE(CharacterSettings::read(store), changed);
        const QStringList aside =
            QDir(QFileInfo(m_characterPath).absolutePath()).entryList({u"Character.ini.unreadable-*"_s}, QDir::Files);
        QCOMPARE(aside.size(), 1);
        QCOMPARE(readFile(QFileInfo(m_characterPath).absolutePath() + u'/' + aside.first()), kUnreadable);

        // With an old group to take over, the unreadable file gives way to the old values.
        writeFile(m_characterPath, kUnreadable);
        writeFile(m_coursePath, "[Character]\nVolume=55\n");
        QVERIFY(store.adoptFrom(m_coursePath));
        QCOMPARE(CharacterSettings::read(store).volume, 55);
    }

    void unwritableFileKeepsTheOldGroup()
    {
        writeFile(m_coursePath, "[Character]\nVolume=40\n");
        // The file's folder cannot be made: a plain file stands in its way.
        writeFile(m_config->filePath(u"blocker"_s), "x");
        QVERIFY(!CharacterSettingsStore(m_config->filePath(u"blocker/Character.ini"_s)).adoptFrom(m_coursePath));
        QCOMPARE(QSettings(m_coursePath, QSettings::IniFormat).value(u"Character/Volume"_s).toString(), u"40"_s);
    }
};

QTEST_MAIN(TestAgentSettings)
#include "tst_agentsettings.moc"
