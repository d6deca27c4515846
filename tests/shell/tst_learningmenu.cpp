// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
// The Learning menu over the learner's real Learning.ini: its entries, their wording, the
// choices taking effect in an open lesson window at once and surviving a restart.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "course/languages.h"
#include "course/learningchoices.h"
#include "course/recordingname.h"
#include "lessons/lessonwindowbase.h"
#include "platform/audio/recordingstore.h"
#include "platform/settings/inisettingsstore.h"
#include "shell/learningmenu.h"
#include "shelltestbed.h"

using namespace Qt::StringLiterals;
using Course::LessonWindowKind;

class TestLearningMenu : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_file;
    std::unique_ptr<Platform::IniSettingsStore> m_learning;
    std::unique_ptr<Platform::RecordingStore> m_recordings;
    std::unique_ptr<ShellTestBed> m_bed;

    // The course program as at start-up, over the fixture course with a stress table of its
    // own and the choices file of this test; again from a fresh program state on a restart.
    void start()
    {
        m_bed->startup.reset();
        m_bed->state = {};
        m_learning = std::make_unique<Platform::IniSettingsStore>(Platform::IniSettingsStore::forFile(m_file));
        m_bed->services.learningSettings = m_learning.get();
        m_bed->services.recordings = m_recordings.get();
        QVERIFY(m_bed->launch());
    }
    Shell::LearningMenu &menu() { return *m_bed->director().learningMenu(); }
    QWidget *openLesson38()
    {
        m_bed->main().entry(u"thirtyeight"_s)->trigger();
        return m_bed->director().lessonWindow(LessonWindowKind::Third);
    }
    void writeFile(const QByteArray &content)
    {
        QFile file(m_file);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_file = m_dir.filePath(u"config/Veskora/Learning.ini"_s);
        QDir().mkpath(QFileInfo(m_file).absolutePath());
        QFile::remove(m_file);
        // The application folder: the fixture course and a stress table beside it.
        const QString fixture = qEnvironmentVariable("VESKORA_FIXTURE_DIR");
        const QString folder = m_dir.filePath(u"app"_s);
        QDir().mkpath(folder);
        for (const QString &name : {u"Russian.mdb"_s, u"Lexikon.mdb"_s, u"Print.mdb"_s})
            QFile::copy(fixture + u'/' + name, folder + u'/' + name);
        QFile stress(folder + u"/stress.tsv"_s);
        QVERIFY(stress.open(QIODevice::WriteOnly | QIODevice::Truncate));
        stress.write(u"word\tstress\nповторение\tповторе́ние\nхорошо\tхорошо́\n"_s.toUtf8());
        stress.close();

        m_bed = std::make_unique<ShellTestBed>(folder);
        m_bed->markComponentsInstalled();
        m_recordings = std::make_unique<Platform::RecordingStore>(m_dir.filePath(u"recordings"_s));
    }
    void cleanup() { m_bed.reset(); }

    void choicesComeFromTheFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("marks");
        QTest::addColumn<bool>("transliteration");
        QTest::addColumn<bool>("keep");
        QTest::newRow("missing") << QByteArray() << true << false << true;
        QTest::newRow("all turned") << QByteArray(
            "[Learning]\nStressMarks=false\nTransliteration=true\nKeepRecordings= False \n")
                                    << false << true << false;
        QTest::newRow("not INI") << QByteArray("\x00\xff\xfe garbage [[[ = \n\x01\x02", 20) << true << false << true;
        QTest::newRow("values garbled") << QByteArray(
            "[Learning]\nStressMarks=maybe\nTransliteration=\nKeepRecordings=nein\n")
                                        << true << false << true;
    }
    void choicesComeFromTheFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, marks);
        QFETCH(bool, transliteration);
        QFETCH(bool, keep);
        if (!content.isEmpty())
            writeFile(content);
        start();
        QCOMPARE(menu().stressMarksEntry()->isChecked(), marks);
        QCOMPARE(menu().transliterationEntry()->isChecked(), transliteration);
        const Course::LearningChoices choices = m_bed->director().learningChoices().choices();
        QCOMPARE(choices.stressMarks, marks);
        QCOMPARE(choices.transliteration, transliteration);
        QCOMPARE(menu().keepRecordingsEntry()->isChecked(), keep);
        QCOMPARE(choices.keepRecordings, keep);
        QVERIFY(m_bed->main().learningMenu()->menuAction()->isVisible());
    }

    void unreadableFileIsMovedAsideOnTheFirstChoice()
    {
        writeFile(QByteArray("\x00\xff\xfe garbage [[[ = \n\x01\x02", 20));
        start();
        menu().transliterationEntry()->trigger();
        const QStringList aside = QDir(QFileInfo(m_file).absolutePath()).entryList({u"Learning.ini.unreadable-*"_s});
        QCOMPARE(aside.size(), 1);
        const QSettings written(m_file, QSettings::IniFormat);
        QCOMPARE(written.value(u"Learning/Transliteration"_s).toString(), u"true"_s);
    }

    void entriesAreWordedInTheInterfaceLanguage()
    {
        start();
        Q_EMIT m_bed->main().interfaceLanguageChanged(Course::Language::Swedish);
        QCOMPARE(menu().stressMarksEntry()->text(), u"Betoningstecken"_s);
        QCOMPARE(menu().transliterationEntry()->text(), u"Translitterering"_s);
        QCOMPARE(m_bed->main().learningMenu()->title(), u"Lärande"_s);
        Q_EMIT m_bed->main().interfaceLanguageChanged(999);
        QCOMPARE(menu().stressMarksEntry()->text(), u"Stress marks"_s);
        QCOMPARE(menu().stressMarksEntry()->objectName(), u"mnuStressMarks"_s);
        QCOMPARE(menu().transliterationEntry()->objectName(), u"mnuTransliteration"_s);
        QCOMPARE(menu().keepRecordingsEntry()->objectName(), u"mnuKeepRecordings"_s);
        Q_EMIT m_bed->main().interfaceLanguageChanged(Course::Language::German);
        QCOMPARE(menu().keepRecordingsEntry()->text(), u"Meine Aufnahmen behalten"_s);
    }

    void turningKeepRecordingsOffDeletesThemAndIsStored()
    {
        const Platform::RecordedSound take{QByteArray(3200, '\1'), 16000};
        QVERIFY(m_recordings->save(Course::recordingName(5, 3), take).ok());
        start();
        QAction *keep = menu().keepRecordingsEntry();
        keep->trigger();
        QVERIFY(!m_bed->director().learningChoices().choices().keepRecordings);
        QVERIFY(m_recordings->names().isEmpty());
        QCOMPARE(QSettings(m_file, QSettings::IniFormat).value(u"Learning/KeepRecordings"_s).toString(), u"false"_s);

        // Turning it on again keeps the next ones; the other choices are untouched.
        QVERIFY(m_recordings->save(Course::recordingName(5, 3), take).ok());
        keep->trigger();
        QCOMPARE(m_recordings->names(), QStringList{u"lesson05-record03"_s});
        QVERIFY(m_bed->director().learningChoices().choices().stressMarks);
        QCOMPARE(QSettings(m_file, QSettings::IniFormat).value(u"Learning/KeepRecordings"_s).toString(), u"true"_s);
    }

    void withoutRecordingsThereIsNoKeepEntry()
    {
        m_recordings.reset();
        start();
        QVERIFY(!menu().keepRecordingsEntry());
        QVERIFY(!m_bed->main().findChild<QAction *>(u"mnuKeepRecordings"_s));
    }

    void choicesTakeEffectAtOnceAndSurviveARestart()
    {
        start();
        QWidget *window = openLesson38();
        QVERIFY(window);
        auto *box = window->findChild<QPlainTextEdit *>(u"txtTexten"_s);
        auto *line = window->findChild<QLabel *>(u"lblTransliteration"_s);
        QCOMPARE(box->toPlainText(), u"Повторе́ние"_s);
        QVERIFY(line->isHidden());

        menu().transliterationEntry()->trigger();
        menu().stressMarksEntry()->trigger();
        QCOMPARE(box->toPlainText(), u"Повторение"_s);
        QVERIFY(!line->isHidden());
        QCOMPARE(line->text(), u"Povtor<b>e</b>niye"_s);
        const QSettings written(m_file, QSettings::IniFormat);
        QCOMPARE(written.value(u"Learning/StressMarks"_s).toString(), u"false"_s);
        QCOMPARE(written.value(u"Learning/Transliteration"_s).toString(), u"true"_s);

        start();
        QVERIFY(!menu().stressMarksEntry()->isChecked());
        QVERIFY(menu().transliterationEntry()->isChecked());
        window = openLesson38();
        QCOMPARE(window->findChild<QPlainTextEdit *>(u"txtTexten"_s)->toPlainText(), u"Повторение"_s);
        QVERIFY(!window->findChild<QLabel *>(u"lblTransliteration"_s)->isHidden());
    }
};

QTEST_MAIN(TestLearningMenu)
#include "tst_learningmenu.moc"
