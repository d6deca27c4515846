// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <cmath>

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include "course/languages.h"
#include "fakesoundrecorder.h"
#include "platform/audio/recordingstore.h"
#include "platform/audio/soundmodule.h"
#include "practice/pitchpicture.h"
#include "practice/speakingpanel.h"
#include "practice/speakingtexts.h"

using namespace Qt::StringLiterals;
using Platform::RecordedSound;
using Platform::SoundRecorder;
using Practice::SpeakingPanel;

namespace {

constexpr int kRate = 16000;

// A voice gliding from \a fromHz to \a toHz over \a seconds; 0 Hz gives silence.
QByteArray glide(double seconds, double fromHz, double toHz)
{
    QByteArray pcm(qsizetype(seconds * kRate) * 2, '\0');
    double phase = 0;
    for (qsizetype i = 0; fromHz > 0 && i < pcm.size() / 2; ++i) {
        const double t = double(i) / (pcm.size() / 2);
        phase += 2 * M_PI * (fromHz + (toHz - fromHz) * t) / kRate;
        qToLittleEndian(qint16(12000 * (std::sin(phase) + 0.4 * std::sin(2 * phase))), pcm.data() + 2 * i);
    }
    return pcm;
}

Practice::SpeakingPhrase phrase(const QString &name)
{
    Platform::Utterance genie;
    genie.pcm = glide(1.2, 110, 150);
    genie.sampleRate = kRate;
    genie.durationMs = 1200;
    genie.wordStartsMs = {0, 500};
    return {name, u"Как дела?"_s, {}, genie};
}

QPushButton *button(const SpeakingPanel &panel, const char *name)
{
    return panel.findChild<QPushButton *>(QString::fromLatin1(name));
}

QString status(const SpeakingPanel &panel)
{
    return panel.findChild<QLabel *>(u"lblSpeaking"_s)->text();
}

} // namespace

class TestSpeakingPanel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Platform::useSoundModule(&Platform::qtSoundModule()); }
    void cleanupTestCase() { Platform::useSoundModule(nullptr); }
    void init()
    {
        m_dir.emplace();
        m_store.emplace(m_dir->filePath(u"recordings"_s));
        m_recorder.emplace();
        m_player.emplace();
        m_keep = true;
        m_services = {&*m_recorder, &*m_player, &*m_store, nullptr, [this] { return m_keep; }};
    }

    void recordingThatCannotHappenIsOffAndSaysWhy_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("key");
        QTest::newRow("no recorder at all") << 0 << int(Course::Language::Swedish) << u"noDevice"_s;
        QTest::newRow("no input device") << 1 << int(Course::Language::Finnish) << u"noDevice"_s;
        QTest::newRow("device fails to open") << 2 << int(Course::Language::German) << u"deviceFailed"_s;
        QTest::newRow("access refused during a take") << 3 << int(Course::Language::Spanish) << u"accessRefused"_s;
    }
    void recordingThatCannotHappenIsOffAndSaysWhy()
    {
        QFETCH(int, how);
        QFETCH(int, language);
        QFETCH(QString, key);
        if (how == 0)
            m_services.recorder = nullptr;
        if (how == 1)
            m_recorder->problem = SoundRecorder::InputProblem::NoDevice;
        if (how == 2)
            m_recorder->failOnStart = SoundRecorder::InputProblem::DeviceFailed;
        SpeakingPanel panel(m_services);
        panel.setLanguage(language);
        panel.setPhrase(phrase(u"lesson05-record03"_s));
        if (how >= 2) {
            QVERIFY(button(panel, "cmdRecord")->isEnabled());
            button(panel, "cmdRecord")->click();
        }
        if (how == 3)
            m_recorder->breakOff(SoundRecorder::InputProblem::AccessRefused);

        QVERIFY(!button(panel, "cmdRecord")->isEnabled());
        QCOMPARE(status(panel), Practice::speakingText(language, key));
        QVERIFY(!status(panel).isEmpty());
        // The genie can still be heard and its melody is shown.
        QVERIFY(button(panel, "cmdHearGenie")->isEnabled());
        QVERIFY(!panel.picture()->syllables().isEmpty());
        QVERIFY(!m_store->load(u"lesson05-record03"_s));
        // Another phrase keeps the reason.
        panel.setPhrase(phrase(u"lesson05-record04"_s));
        QCOMPARE(status(panel), Practice::speakingText(language, key));
    }

    void aTakeIsPlayedAfterTheGenieShownAndKept()
    {
        SpeakingPanel panel(m_services);
        panel.setPhrase(phrase(u"lesson05-record03"_s));
        QVERIFY(!panel.picture()->showsLearnerCurve());
        QVERIFY(!button(panel, "cmdHearMine")->isEnabled());

        button(panel, "cmdRecord")->click();
        QCOMPARE(m_recorder->starts, 1);
        QCOMPARE(button(panel, "cmdRecord")->text(), Practice::speakingText(Course::Language::English, u"stop"_s));
        m_recorder->nextTake = RecordedSound{glide(1.8, 200, 280), kRate};
        m_recorder->finishTake(SoundRecorder::StopReason::Silence);

        QVERIFY(panel.picture()->showsLearnerCurve());
        QCOMPARE(m_player->played.size(), 1);
        QCOMPARE(m_player->played.first().pcm, phrase({}).genie.pcm);
        m_player->finishClip();
        QCOMPARE(m_player->played.size(), 2);
        QCOMPARE(m_player->played.last().pcm, m_recorder->nextTake.pcm);
        m_player->finishClip();
        QCOMPARE(m_player->played.size(), 2);

        // Each can be heard again; the take was kept and comes back with its phrase.
        button(panel, "cmdHearMine")->click();
        QCOMPARE(m_player->played.last().pcm, m_recorder->nextTake.pcm);
        QCOMPARE(m_store->names(), QStringList{u"lesson05-record03"_s});
        panel.setPhrase(phrase(u"lesson05-record04"_s));
        QVERIFY(!panel.take());
        panel.setPhrase(phrase(u"lesson05-record03"_s));
        QVERIFY(panel.take());
        QVERIFY(panel.picture()->showsLearnerCurve());
    }

    void withoutKeepingNothingIsKeptOrShownAgain()
    {
        m_keep = false;
        SpeakingPanel panel(m_services);
        QVERIFY(m_store->save(u"lesson05-record03"_s, RecordedSound{glide(1, 200, 200), kRate}).ok());
        panel.setPhrase(phrase(u"lesson05-record03"_s));
        QVERIFY(!panel.take());
        panel.holdRecordKey(true);
        QVERIFY(m_recorder->isRecording());
        m_recorder->nextTake = RecordedSound{glide(1, 180, 220), kRate};
        panel.holdRecordKey(false);
        QVERIFY(!m_recorder->isRecording());
        QVERIFY(panel.take());
        QCOMPARE(m_store->load(u"lesson05-record03"_s)->pcm, glide(1, 200, 200));
    }

    void aTakeWithoutVoiceSaysSo_data()
    {
        QTest::addColumn<double>("hz");
        QTest::addColumn<bool>("soundModule");
        QTest::newRow("a silent take") << 0.0 << true;
        // Without the sound module no pitch is followed: the genie has no melody and the
        // learner's voice none either.
        QTest::newRow("a voiced take, no sound module") << 200.0 << false;
    }
    void aTakeWithoutVoiceSaysSo()
    {
        QFETCH(double, hz);
        QFETCH(bool, soundModule);
        // None is beside the test program.
        if (!soundModule) {
            Platform::useSoundModule(nullptr);
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^cannot load "_s));
        }
        SpeakingPanel panel(m_services);
        panel.setLanguage(Course::Language::French);
        panel.setPhrase(phrase(u"lesson05-record03"_s));
        button(panel, "cmdRecord")->click();
        m_recorder->nextTake = RecordedSound{glide(1.0, hz, hz), kRate};
        m_recorder->finishTake(SoundRecorder::StopReason::TimeLimit);
        Platform::useSoundModule(&Platform::qtSoundModule());
        QVERIFY(!panel.picture()->showsLearnerCurve());
        QCOMPARE(panel.picture()->learnerMessage(), Practice::speakingText(Course::Language::French, u"noVoice"_s));
    }

    void aTakeThatCannotBeKeptIsNotReportedAsKept()
    {
        // The store's folder cannot be made: a file is in its way.
        QFile blocker(m_dir->filePath(u"blocked"_s));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        Platform::RecordingStore blocked(blocker.fileName() + u"/recordings"_s);
        m_services.recordings = &blocked;
        SpeakingPanel panel(m_services);
        panel.setPhrase(phrase(u"lesson05-record03"_s));
        button(panel, "cmdRecord")->click();
        m_recorder->nextTake = RecordedSound{glide(1, 180, 220), kRate};
        m_recorder->finishTake(SoundRecorder::StopReason::Silence);
        QCOMPARE(status(panel), Practice::speakingText(Course::Language::English, u"notKept"_s));
        QVERIFY(panel.picture()->showsLearnerCurve());
    }

    void theGeniesSpeechMayComeLaterAndOnlyForItsPhrase()
    {
        SpeakingPanel panel(m_services);
        Practice::SpeakingPhrase waiting = phrase(u"lesson05-record03"_s);
        const Platform::Utterance genie = waiting.genie;
        waiting.genie = {};
        panel.setPhrase(waiting, false);
        QVERIFY(!button(panel, "cmdHearGenie")->isEnabled());
        // A take before the genie's speech stands alone and is matched once it comes.
        button(panel, "cmdRecord")->click();
        m_recorder->nextTake = RecordedSound{glide(1.8, 200, 280), kRate};
        m_recorder->finishTake(SoundRecorder::StopReason::Silence);
        QVERIFY(panel.picture()->showsLearnerCurve());

        // A speech of another phrase (asked for before the learner moved on) is dropped.
        panel.setGenieSpeech(u"Спасибо."_s, genie);
        QVERIFY(!button(panel, "cmdHearGenie")->isEnabled());
        panel.setGenieSpeech(waiting.russian, genie);
        QVERIFY(button(panel, "cmdHearGenie")->isEnabled());
        QVERIFY(!panel.picture()->syllables().isEmpty());
        QVERIFY(panel.picture()->showsLearnerCurve());

        // The syllables stay unread, for the eye and the screen reader, until shown.
        QVERIFY(!panel.picture()->syllablesShown());
        QVERIFY(!panel.picture()->accessibleDescription().contains(u"Как"_s));
        panel.showPhraseText();
        QVERIFY(panel.picture()->accessibleDescription().contains(u"Как"_s));
    }

    void aPanelOutlivingItsRecorderAndPlayerLetsThemGo()
    {
        // At the end of a run the window goes with the main window, after the services.
        auto panel = std::make_unique<SpeakingPanel>(m_services);
        panel->setPhrase(phrase(u"lesson05-record03"_s));
        button(*panel, "cmdRecord")->click();
        QVERIFY(m_recorder->isRecording());
        m_recorder.reset();
        m_player.reset();
        panel.reset();
    }

private:
    std::optional<QTemporaryDir> m_dir;
    std::optional<Platform::RecordingStore> m_store;
    std::optional<TestSupport::FakeSoundRecorder> m_recorder;
    std::optional<TestSupport::FakeSoundPlayer> m_player;
    Practice::SpeakingServices m_services;
    bool m_keep = true;
};

QTEST_MAIN(TestSpeakingPanel)
#include "tst_speakingpanel.moc"
