// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "inmemorysettingsstore.h"
#include "platform/agent/agentcontrol.h"
#include "platform/agent/geniecharacterservice.h"

using namespace Platform;
using namespace Qt::StringLiterals;

// The synthesiser's data folder is empty, as on a machine where the voices were removed.
// This needs its own process: the synthesiser starts once per process.
class TestAgentNoVoice : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void russianFailsAndSpeechStaysSilent()
    {
        QTemporaryDir empty;
        qputenv("ESPEAK_DATA_PATH", empty.path().toLocal8Bit());
        const QString wav = empty.filePath(u"speech.wav"_s);
        qputenv("VESKORA_AUDIO_OUT", wav.toLocal8Bit());

        TestSupport::InMemorySettingsStore store;
        GenieCharacterService service(AppPaths(qEnvironmentVariable("VESKORA_APP_DIR")), store);
        service.setTimeScale(25);
        AgentControl control(service);
        QVERIFY(control.load(u"Genie"_s, u"Genie.acs"_s).ok());
        auto character = control.character(u"Genie"_s);
        QVERIFY(character);
        const Status status = character->setLanguageID(1049);
        QVERIFY(status.failed());
        QCOMPARE(status.error().code, ErrorCode::NoRussianLanguageSupport);
        QCOMPARE(quint64(status.error().code), quint64(0x80042012));

        QSignalSpy finished(&service, &GenieCharacterService::requestFinished);
        QVERIFY(character->play(u"Greet"_s).ok());
        QVERIFY(character->speak(uR"(\spd=150\Привет)"_s).ok());
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, 20000);
        QVERIFY(!QFile::exists(wav));
    }
};

QTEST_MAIN(TestAgentNoVoice)
#include "tst_agentnovoice.moc"
