// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "course/languages.h"
#include "course/programstate.h"
#include "course/recordingskeys.h"
#include "course/settingskeys.h"
#include "inmemorysettingsstore.h"
#include "platform/audio/recordingstore.h"
#include "shell/recordingschoice.h"

using namespace Qt::StringLiterals;
using Course::RecordingsKeys::kKeepRecordings;
using Course::RecordingsKeys::kSection;
using Course::Settings::kApplication;

class TestRecordingsChoice : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theStoredChoiceIsReadOnByDefault_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("keeps");
        QTest::newRow("never chosen") << QString() << true;
        QTest::newRow("true") << u"true"_s << true;
        QTest::newRow("false") << u"false"_s << false;
        QTest::newRow("False, by hand") << u" False "_s << false;
        QTest::newRow("0") << u"0"_s << false;
        QTest::newRow("garbled") << u"nein"_s << true;
    }
    void theStoredChoiceIsReadOnByDefault()
    {
        QFETCH(QString, stored);
        QFETCH(bool, keeps);
        TestSupport::InMemorySettingsStore learning;
        if (!stored.isNull())
            learning.save(kApplication, kSection, kKeepRecordings, stored);
        QTemporaryDir dir;
        Platform::RecordingStore recordings(dir.path());
        Course::ProgramState state;
        QMenu menu;
        Shell::RecordingsChoice choice(menu, learning, recordings, state);
        QCOMPARE(choice.keeps(), keeps);
        QVERIFY(choice.action()->isCheckable());
        QCOMPARE(menu.findChild<QAction *>(u"mnuKeepRecordings"_s), choice.action());
    }

    void turningItOffDeletesTheRecordingsAndIsStored()
    {
        TestSupport::InMemorySettingsStore learning;
        QTemporaryDir dir;
        Platform::RecordingStore recordings(dir.filePath(u"recordings"_s));
        QVERIFY(recordings.save(Course::recordingName(5, 3), {QByteArray(3200, '\1'), 16000}).ok());
        QCOMPARE(Course::recordingName(5, 3), u"lesson05-record03"_s);
        Course::ProgramState state;
        state.interfaceLanguage = Course::Language::German;
        QMenu menu;
        Shell::RecordingsChoice choice(menu, learning, recordings, state);
        QCOMPARE(choice.action()->text(), u"Meine Aufnahmen behalten"_s);

        choice.action()->trigger();
        QVERIFY(!choice.keeps());
        QCOMPARE(learning.read(kApplication, kSection, kKeepRecordings), u"false"_s);
        QVERIFY(recordings.names().isEmpty());

        QVERIFY(recordings.save(Course::recordingName(5, 3), {QByteArray(3200, '\1'), 16000}).ok());
        choice.action()->trigger();
        QVERIFY(choice.keeps());
        QCOMPARE(learning.read(kApplication, kSection, kKeepRecordings), u"true"_s);
        QCOMPARE(recordings.names().size(), 1);

        // The entry is worded anew in the interface language when the menu opens.
        state.interfaceLanguage = Course::Language::Finnish;
        QMetaObject::invokeMethod(&menu, "aboutToShow");
        QCOMPARE(choice.action()->text(), u"Säilytä äänitykseni"_s);
    }
};

QTEST_MAIN(TestRecordingsChoice)
#include "tst_recordingschoice.moc"
