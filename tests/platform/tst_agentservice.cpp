// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <memory>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include "inmemorysettingsstore.h"
#include "platform/agent/agentcontrol.h"
#include "platform/agent/characterballoon.h"
#include "platform/agent/characterfigure.h"
#include "platform/agent/charactersettingssheet.h"
#include "platform/agent/characterwindow.h"
#include "platform/agent/geniecharacterservice.h"
#include "platform/agent/speechengine.h"
#include "platform/agent/speechtext.h"
#include "platform/agent/speechtiming.h"
#include "platform/agent/wavwriter.h"

using namespace Platform;
using namespace Qt::StringLiterals;

namespace {

const QString kGenie = u"Genie"_s;
const QString kRussianMode = u"{06377F81-D48E-11d1-B17B-0020AFED142E}"_s;
// Twelve words, as a lesson sentence might have them.
const QString kSentence = u"Мой брат и моя сестра живут в большом городе на берегу моря."_s;

// Sets an environment variable for the lifetime of the object.
class ScopedEnv {
public:
    ScopedEnv(const char *name, const QString &value)
        : m_name(name)
    {
        qputenv(m_name, value.toUtf8());
    }
    ~ScopedEnv() { qunsetenv(m_name); }

private:
    const char *m_name;
};

// A character set up the way a lesson window sets it up.
struct Lesson {
    explicit Lesson(GenieCharacterService &service)
        : control(service)
    {
        QVERIFY(control.load(kGenie, u"Genie.acs"_s).ok());
        auto found = control.character(kGenie);
        QVERIFY(found);
        character = std::make_unique<AgentCharacter>(*found);
    }
    AgentControl control;
    std::unique_ptr<AgentCharacter> character;
};

void waitUntilIdle(GenieCharacterService &service)
{
    QTRY_VERIFY_WITH_TIMEOUT(!service.player(kGenie)->isBusy(), 30000);
}

} // namespace

class TestAgentService : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<GenieCharacterService> makeService(std::unique_ptr<SpeechEngine> engine = nullptr)
    {
        const AppPaths paths(qEnvironmentVariable("VESKORA_APP_DIR"));
        auto service = engine ? std::make_unique<GenieCharacterService>(paths, m_store, std::move(engine))
                              : std::make_unique<GenieCharacterService>(paths, m_store);
        service->setTimeScale(25);
        return service;
    }

    TestSupport::InMemorySettingsStore m_store;

private Q_SLOTS:
    void initTestCase()
    {
        // No sound server answers, whatever the machine has: these tests never make a
        // sound, and a test below needs speech to fail at the device.
        qputenv("PULSE_SERVER", "unix:/nonexistent/veskora-test-no-sound");
    }

    void requestsFromTwoControlsRunOneAfterAnother()
    {
        auto service = makeService();
        Lesson lesson(*service);
        Lesson dictionary(*service);
        QSignalSpy started(service.get(), &GenieCharacterService::requestStarted);
        QSignalSpy finished(service.get(), &GenieCharacterService::requestFinished);
        QVERIFY(lesson.character->setLanguageID(1049).ok());
        QVERIFY(lesson.character->moveTo(450, 450).ok());
        QVERIFY(lesson.character->show().ok());
        QVERIFY(lesson.character->play(u"Greet"_s).ok());
        QVERIFY(lesson.character->speak(uR"(\spd=150\\pit=74\Здравствуйте!)"_s).ok());
        QVERIFY(dictionary.character->moveTo(530, 300).ok());
        QVERIFY(dictionary.character->play(u"DoMagic1"_s).ok());
        QVERIFY(dictionary.character->speak(uR"(\spd=50\кошка)"_s).ok());
        QVERIFY(lesson.character->moveTo(450, 450).ok());
        // Nothing has run yet: the callers never wait.
        QCOMPARE(started.count(), 0);

        // A request issued while the first sentence is spoken waits for it, and for what
        // was queued before it.
        QStringList events;
        connect(service.get(), &GenieCharacterService::requestStarted, this, [&](const QString &, const QString &line) {
            if (line.startsWith(u"Speak"_s) && !events.join(u'|').contains(u"S:Speak"_s))
                QVERIFY(lesson.character->play(u"Wave"_s).ok());
            events << u"S:"_s + line;
        });
        connect(service.get(), &GenieCharacterService::requestFinished, this,
                [&](const QString &, const QString &line) { events << u"F:"_s + line; });
        waitUntilIdle(*service);

        QStringList order;
        for (const auto &call : std::as_const(started))
            order << call.at(1).toString();
        QCOMPARE(order,
                 (QStringList{u"MoveTo 450 450"_s, u"Show"_s, u"Play Greet"_s,
                              uR"(Speak \spd=150\\pit=74\Здравствуйте!)"_s, u"MoveTo 530 300"_s, u"Play DoMagic1"_s,
                              uR"(Speak \spd=50\кошка)"_s, u"MoveTo 450 450"_s, u"Play Wave"_s}));
        // One request at a time: each ends before the next begins.
        for (qsizetype i = 0; i < events.size(); ++i)
            QCOMPARE(events.at(i).left(2), i % 2 ? u"F:"_s : u"S:"_s);
        QCOMPARE(finished.count(), started.count());
        QCOMPARE(service->player(kGenie)->figure().window()->pos(), QPoint(450, 450));
        QVERIFY(service->player(kGenie)->figure().window()->isVisible());
    }

    void unknownAnimationFailsAndTheQueueGoesOn()
    {
        auto service = makeService();
        Lesson lesson(*service);
        QSignalSpy finished(service.get(), &GenieCharacterService::requestFinished);
        const Status status = lesson.character->play(u"Juggle"_s);
        QVERIFY(status.failed());
        QCOMPARE(status.error().code, ErrorCode::AnimationNotFound);
        QVERIFY(lesson.character->play(u"greet"_s).ok()); // names match in any case
        QVERIFY(lesson.character->speak(uR"(\spd=150\Да)"_s).ok());
        waitUntilIdle(*service);
        QCOMPARE(finished.count(), 2);
        QCOMPARE(finished.at(1).at(1).toString(), uR"(Speak \spd=150\Да)"_s);
    }

    void requestsBeforeLoadFail()
    {
        auto service = makeService();
        QCOMPARE(service->speak(kGenie, u"Да"_s).code(), ErrorCode::CharacterNotLoaded);
        QCOMPARE(service->balloonStyle(kGenie).error().code, ErrorCode::CharacterNotLoaded);
        QCOMPARE(service->load(kGenie, u"Nobody.acs"_s).code(), ErrorCode::FileNotFound);
        QVERIFY(!service->isLoaded(kGenie));
    }

    void balloonShowsTheShownForm_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("lesson") << uR"(\spd=150\\pit=74\Привет, Анна!)"_s << u"Привет, Анна!"_s;
        QTest::newRow("alphabet map") << uR"(\spd=150\\map="Б"="Б"\)"_s << u"Б"_s;
        QTest::newRow("map shows its own form") << uR"(\spd=150\\map="бэ"="Буква Б"\)"_s << u"Буква Б"_s;
        QTest::newRow("unknown and broken tags") << uR"(\spd=150\\vol=3\Да \pit=x\нет)"_s << u"Да нет"_s;
        QTest::newRow("empty rate") << uR"(\spd=\\pit=74\Да)"_s << u"Да"_s;
    }

    void balloonShowsTheShownForm()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        auto service = makeService();
        Lesson lesson(*service);
        QVERIFY(lesson.character->setLanguageID(1049).ok());
        QVERIFY(lesson.character->show().ok());
        QSignalSpy balloonText(service.get(), &GenieCharacterService::balloonTextChanged);
        QVERIFY(lesson.character->speak(text).ok());
        waitUntilIdle(*service);
        QVERIFY(!balloonText.isEmpty());
        QCOMPARE(balloonText.last().at(1).toString(), shown);
        // Words appear one after another from the first.
        QVERIFY(shown.startsWith(balloonText.first().at(1).toString()));
        if (parseSpeechText(text).spoken.contains(u' '))
            QVERIFY(balloonText.first().at(1).toString().size() < shown.size());
        auto *balloon = qobject_cast<BalloonWindow *>(service->player(kGenie)->balloon().window());
        QCOMPARE(balloon->text(), shown);
        QTRY_VERIFY(!balloon->isVisible()); // hides a moment after the speech
    }

    void mouthMovesWhileSpeaking()
    {
        auto service = makeService();
        service->setTimeScale(2);
        Lesson lesson(*service);
        QVERIFY(lesson.character->setLanguageID(1049).ok());
        QVERIFY(lesson.character->show().ok());
        waitUntilIdle(*service);
        QVERIFY(lesson.character->speak(uR"(\spd=150\Да, конечно, пожалуйста)"_s).ok());
        bool speaking = false;
        connect(service.get(), &GenieCharacterService::requestStarted, this, [&] { speaking = true; });
        connect(service.get(), &GenieCharacterService::requestFinished, this, [&] { speaking = false; });
        QList<QImage> frames;
        QTRY_VERIFY(speaking);
        while (speaking) {
            const QImage frame = service->player(kGenie)->figure().window()->frame();
            if (!frames.contains(frame))
                frames << frame;
            QTest::qWait(5);
        }
        // The mouth was drawn closed and open while the speech lasted.
        QVERIFY2(frames.size() >= 2, qPrintable(QString::number(frames.size())));
    }

    void balloonTakesTheWindowsFontAndStyle()
    {
        auto service = makeService();
        Lesson lesson(*service);
        AgentBalloon balloon = lesson.character->balloon();
        const quint32 style = *balloon.style();
        QVERIFY(balloon.setStyle(*balloon.style() | 0x04000000).ok());
        QVERIFY(balloon.setStyle(*balloon.style() | 0x00100000).ok());
        QCOMPARE(*balloon.style(), style | 0x04100000);
        QVERIFY(balloon.setFontSize(20).ok());
        QVERIFY(balloon.setFontCharSet(0).ok());
        QVERIFY(balloon.setFontName(u"Lucida Unicode"_s).ok());
        QCOMPARE(service->player(kGenie)->balloon().window()->font().pointSize(), 20);
        QCOMPARE(service->player(kGenie)->balloon().window()->font().family(), u"Lucida Unicode"_s);
        QCOMPARE(balloon.setFontSize(0).code(), ErrorCode::InvalidArgument);
    }

    void languageAndModeChooseTheVoice()
    {
        auto service = makeService();
        Lesson lesson(*service);
        QVERIFY(lesson.character->setLanguageID(1049).ok());
        QCOMPARE(service->player(kGenie)->voice(), u"ru"_s);
        QVERIFY(lesson.character->setTTSModeID(u"{CA141FD0-AC7F-11D1-97A3-006008273000}"_s).ok());
        QCOMPARE(service->player(kGenie)->voice(), u"en"_s);
        QVERIFY(lesson.character->setTTSModeID(kRussianMode.toLower()).ok());
        QCOMPARE(service->player(kGenie)->voice(), u"ru"_s);
        QVERIFY(lesson.character->setLanguageID(1033).ok());
        QCOMPARE(service->player(kGenie)->voice(), u"en"_s);
    }

    void withoutRussianVoiceLanguageFailsButTheQueueRuns()
    {
        auto service = makeService(std::make_unique<NullSpeechEngine>());
        Lesson lesson(*service);
        const Status status = lesson.character->setLanguageID(1049);
        QVERIFY(status.failed());
        QCOMPARE(status.error().code, ErrorCode::NoRussianLanguageSupport);
        QCOMPARE(lesson.character->setTTSModeID(kRussianMode).code(), ErrorCode::NoRussianLanguageSupport);
        QVERIFY(lesson.character->show().ok());
        QSignalSpy balloonText(service.get(), &GenieCharacterService::balloonTextChanged);
        QVERIFY(lesson.character->speak(uR"(\spd=150\Один два три)"_s).ok());
        waitUntilIdle(*service);
        QCOMPARE(balloonText.last().at(1).toString(), u"Один два три"_s);
    }

    void measuredRateMatchesTheSpeedTag_data()
    {
        QTest::addColumn<int>("rate");
        for (const int rate : {50, 80, 100, 120, 130, 150})
            QTest::addRow("%d wpm", rate) << rate;
    }

    void measuredRateMatchesTheSpeedTag()
    {
        QFETCH(int, rate);
        QTemporaryDir dir;
        const QString wav = dir.filePath(u"speech.wav"_s);
        {
            ScopedEnv audioOut("VESKORA_AUDIO_OUT", wav);
            auto service = makeService();
            service->setTimeScale(200);
            Lesson lesson(*service);
            QVERIFY(lesson.character->setLanguageID(1049).ok());
            QVERIFY(lesson.character->speak(uR"(\spd=%1\\pit=74\)"_s.arg(rate) + kSentence).ok());
            waitUntilIdle(*service);
        }
        QByteArray pcm;
        int sampleRate = 0;
        QVERIFY(readWav(wav, &pcm, &sampleRate));
        const auto [first, last] = SpeechTiming::audibleSpan(pcm);
        QVERIFY(last > first);
        const double heard = 12 * 60.0 * sampleRate / double(last - first);
        QVERIFY2(heard >= rate * 0.9 && heard <= rate * 1.1, qPrintable(u"heard %1 wpm"_s.arg(heard)));
    }

    void audioFileHoldsAllSpeechInOrderWithoutGapsBetweenRequests()
    {
        QTemporaryDir dir;
        const QString wav = dir.filePath(u"speech.wav"_s);
        ScopedEnv audioOut("VESKORA_AUDIO_OUT", wav);
        auto service = makeService();
        Lesson lesson(*service);
        QVERIFY(lesson.character->setLanguageID(1049).ok());
        QVERIFY(lesson.character->speak(uR"(\spd=150\Да)"_s).ok());
        waitUntilIdle(*service);
        QByteArray one;
        int sampleRate = 0;
        QVERIFY(readWav(wav, &one, &sampleRate));
        QVERIFY(!one.isEmpty());
        QTest::qWait(200); // time between requests leaves no silence in the file
        QVERIFY(lesson.character->play(u"Blink"_s).ok());
        QVERIFY(lesson.character->speak(uR"(\spd=150\Нет)"_s).ok());
        waitUntilIdle(*service);
        QByteArray both;
        QVERIFY(readWav(wav, &both, &sampleRate));
        QVERIFY(both.startsWith(one));
        QVERIFY(both.size() > one.size());
        QVERIFY(both.size() < one.size() * 3);
    }

    void withoutSoundTheLearnerIsToldOnceAndTheBalloonGoesOn()
    {
        QTemporaryDir dir;
        const QString tracePath = dir.filePath(u"trace.txt"_s);
        ScopedEnv trace("VESKORA_AGENT_TRACE", tracePath);
        auto service = makeService();
        service->setTimeScale(1); // sound is only played in real time
        Lesson lesson(*service);
        QVERIFY(lesson.character->setLanguageID(1049).ok());
        QVERIFY(lesson.character->show().ok());
        QSignalSpy unavailable(service.get(), &CharacterService::soundUnavailable);
        QSignalSpy balloonText(service.get(), &GenieCharacterService::balloonTextChanged);
        QVERIFY(lesson.character->speak(uR"(\spd=150\Да)"_s).ok());
        QVERIFY(lesson.character->speak(uR"(\spd=150\Нет)"_s).ok());
        waitUntilIdle(*service);
        QCOMPARE(unavailable.count(), 1);
        QCOMPARE(unavailable.at(0).at(0).value<CharacterService::SoundProblem>(),
                 CharacterService::SoundProblem::NoDevice);
        QCOMPARE(balloonText.last().at(1).toString(), u"Нет"_s);
        QFile file(tracePath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        QCOMPARE(lines.filter(u"SoundUnavailable NoDevice"_s).size(), 1);
    }

    void traceFileHasOneLinePerRequest()
    {
        QTemporaryDir dir;
        const QString tracePath = dir.filePath(u"trace.txt"_s);
        ScopedEnv trace("VESKORA_AGENT_TRACE", tracePath);
        auto service = makeService();
        Lesson lesson(*service);
        QVERIFY(lesson.character->setLanguageID(1049).ok());
        QVERIFY(lesson.character->setTTSModeID(kRussianMode).ok());
        QVERIFY(lesson.character->moveTo(450, 450).ok());
        QVERIFY(lesson.character->show().ok());
        QVERIFY(lesson.character->removeAllCommands().ok());
        QVERIFY(lesson.character->addCommand(u"Agent Settings"_s, u"Agent Settings"_s, u"Agent Settings"_s).ok());
        QVERIFY(lesson.character->play(u"Nope"_s).failed());
        QVERIFY(lesson.character->speak(uR"(\spd=80\\pit=74\Привет)"_s).ok());
        QVERIFY(lesson.character->listen(false).ok());
        QFile file(tracePath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()).split(u'\n'),
                 (QStringList{u"Load Genie Genie.acs"_s, u"LanguageID 1049"_s, u"TTSModeID "_s + kRussianMode,
                              u"MoveTo 450 450"_s, u"Show"_s, u"Commands "_s, u"Commands Agent Settings"_s,
                              u"Play Nope"_s, uR"(Speak \spd=80\\pit=74\Привет)"_s, u"Listen 0"_s, QString()}));
    }

    void overlongSpeechIsCutAndTraced_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("cut");
        const QString rate = uR"(\spd=150\)"_s;
        QTest::newRow("words") << rate + u"слово "_s.repeated(20000) << true;
        // Without a blank the cut falls at the limit, never between the halves of a character.
        QTest::newRow("one long word") << rate + u"😀"_s.repeated(kMaxSpeechLength) << true;
        QTest::newRow("at the limit") << rate + u"д"_s.repeated(kMaxSpeechLength - rate.size()) << false;
    }

    // One request never carries more than the limit to the synthesiser: its beginning is
    // spoken, and the trace says what was cut.
    void overlongSpeechIsCutAndTraced()
    {
        QFETCH(QString, text);
        QFETCH(bool, cut);
        QTemporaryDir dir;
        const QString tracePath = dir.filePath(u"trace.txt"_s);
        ScopedEnv trace("VESKORA_AGENT_TRACE", tracePath);
        auto service = makeService(std::make_unique<NullSpeechEngine>());
        Lesson lesson(*service);
        QSignalSpy started(service.get(), &GenieCharacterService::requestStarted);
        QVERIFY(lesson.character->speak(text).ok());
        QTRY_COMPARE(started.count(), 1);
        const QString spoken = started.at(0).at(1).toString().mid(6); // after "Speak "
        QVERIFY(text.startsWith(spoken));
        QVERIFY(spoken.size() <= kMaxSpeechLength);
        QVERIFY(spoken.size() > kMaxSpeechLength - 10);
        QVERIFY(!spoken.back().isHighSurrogate());
        if (text.contains(u' '))
            QVERIFY(text.at(spoken.size()).isSpace());
        QFile file(tracePath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        QVERIFY(lines.contains(u"Speak "_s + spoken));
        const QString note = u"SpeakCut %1 of %2 characters"_s.arg(spoken.size()).arg(text.size());
        QCOMPARE(lines.contains(note), cut);
    }

    // A part that draws from outside the character file is left out and traced; the
    // character is loaded all the same.
    void refusedDrawingIsTraced()
    {
        QTemporaryDir dir;
        const QString tracePath = dir.filePath(u"trace.txt"_s);
        ScopedEnv trace("VESKORA_AGENT_TRACE", tracePath);
        const QString characterPath = dir.filePath(u"Odd.acs"_s);
        QFile character(characterPath);
        QVERIFY(character.open(QIODevice::WriteOnly));
        character.write("format veskora-character 1\ncharacter Odd\nsize 9 9\n[part body]\n<rect width=\"9\" "
                        "height=\"9\"/>\n[part hat]\n<image xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
                        "xlink:href=\"/etc/passwd\"/>\n");
        character.close();
        auto service = makeService();
        QVERIFY(service->load(kGenie, characterPath).ok());
        QFile file(tracePath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        QCOMPARE(lines.filter(u"DrawingRefused "_s + characterPath + u" part hat: "_s).size(), 1);
    }

    void popupCommandReachesTheControlThatAddedIt()
    {
        auto service = makeService();
        Lesson lesson(*service);
        Lesson other(*service);
        QVERIFY(lesson.character->addCommand(u"Agent Settings"_s, u"Agent Settings"_s, u"Agent Settings"_s).ok());
        QVERIFY(other.character->addCommand(u"Look"_s, u"Look around"_s, u"Look"_s).ok());
        QVERIFY(lesson.character->show().ok());
        waitUntilIdle(*service);
        QSignalSpy lessonCommands(&lesson.control, &AgentControl::command);
        QSignalSpy otherCommands(&other.control, &AgentControl::command);

        CharacterWindow *figure = service->player(kGenie)->figure().window();
        QTest::mouseClick(figure, Qt::RightButton, {}, QPoint(80, 100));
        auto *menu = figure->findChild<QMenu *>(u"agentCommandMenu"_s);
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 2);
        QCOMPARE(menu->actions().at(1)->text(), u"Look around"_s);
        menu->actions().at(0)->trigger();
        QCOMPARE(lessonCommands.count(), 1);
        QCOMPARE(otherCommands.count(), 0);
        QCOMPARE(lessonCommands.at(0).at(0).value<AgentCommand>().name, u"Agent Settings"_s);
        menu->close();

        QTRY_VERIFY(!figure->findChild<QMenu *>(u"agentCommandMenu"_s));

        // A control that goes away takes its commands along.
        auto closing = std::make_unique<AgentControl>(*service);
        QVERIFY(closing->load(kGenie, u"Genie.acs"_s).ok());
        QVERIFY(closing->character(kGenie)->addCommand(u"Bye"_s, u"Bye"_s, u"Bye"_s).ok());
        closing.reset();
        QTest::mouseClick(figure, Qt::RightButton, {}, QPoint(80, 100));
        menu = figure->findChild<QMenu *>(u"agentCommandMenu"_s);
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 2);
        menu->close();
    }

    void controlAndReferencesOutlivingTheServiceFailSafely()
    {
        // At the end of a run the service may go before the windows that hold controls,
        // character references and balloons.
        auto service = makeService();
        auto control = std::make_unique<AgentControl>(*service);
        QVERIFY(control->load(kGenie, u"Genie.acs"_s).ok());
        auto character = control->character(kGenie);
        QVERIFY(character);
        AgentBalloon balloon = character->balloon();
        QVERIFY(character->addCommand(u"Agent Settings"_s, u"Agent Settings"_s, u"Agent Settings"_s).ok());
        service.reset();

        const QList<Status> calls{character->setLanguageID(1049),
                                  character->moveTo(1, 2),
                                  character->show(),
                                  character->play(u"Greet"_s),
                                  character->speak(u"Да"_s),
                                  character->listen(false),
                                  character->removeAllCommands(),
                                  balloon.setStyle(1),
                                  balloon.setFontSize(14),
                                  balloon.setFontName(u"Arial"_s),
                                  control->load(kGenie, u"Genie.acs"_s),
                                  control->setPropertySheetVisible(true)};
        for (const Status &status : calls)
            QCOMPARE(status.code(), ErrorCode::CharacterNotLoaded);
        QCOMPARE(balloon.style().error().code, ErrorCode::CharacterNotLoaded);
        QCOMPARE(control->character(kGenie).error().code, ErrorCode::CharacterNotLoaded);
        QVERIFY(!control->service());
        control.reset(); // unregisters from nothing

        // A reference kept after its control has gone fails the same way.
        auto next = makeService();
        auto shortLived = std::make_unique<AgentControl>(*next);
        QVERIFY(shortLived->load(kGenie, u"Genie.acs"_s).ok());
        AgentCharacter kept = *shortLived->character(kGenie);
        shortLived.reset();
        QCOMPARE(kept.speak(u"Да"_s).code(), ErrorCode::CharacterNotLoaded);
        QCOMPARE(kept.addCommand(u"A"_s, u"A"_s, u"A"_s).code(), ErrorCode::CharacterNotLoaded);
        QVERIFY(!next->player(kGenie)->isBusy());
    }

    void savedSettingsDialogRaisesThePropertyEventAndPersists()
    {
        auto service = makeService();
        Lesson lesson(*service);
        Lesson dictionary(*service);
        QSignalSpy lessonChanged(&lesson.control, &AgentControl::agentPropertyChange);
        QSignalSpy dictionaryChanged(&dictionary.control, &AgentControl::agentPropertyChange);
        QVERIFY(lesson.control.setPropertySheetVisible(true).ok());
        AgentSettingsDialog *dialog = service->settingsSheet().dialog();
        QVERIFY(dialog && dialog->isVisible());
        dialog->findChild<QCheckBox *>(u"chkBalloon"_s)->setChecked(false);
        dialog->findChild<QSlider *>(u"sldVolume"_s)->setValue(40);
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(lessonChanged.count(), 1);
        QCOMPARE(dictionaryChanged.count(), 1);
        QVERIFY(!service->settingsSheet().settings().balloon);
        QCOMPARE(m_store.read(u"Veskora"_s, u"Character"_s, u"Volume"_s), u"40"_s);
        QCOMPARE(m_store.read(u"Veskora"_s, u"Character"_s, u"Balloon"_s), u"0"_s);
        // Nothing was written to the course's own settings section.
        QVERIFY(!m_store.contains(u"Balloon"_s));

        // Cancelling changes nothing and raises nothing.
        QVERIFY(lesson.control.setPropertySheetVisible(true).ok());
        dialog->findChild<QSlider *>(u"sldVolume"_s)->setValue(90);
        dialog->reject();
        QCOMPARE(lessonChanged.count(), 1);
        QCOMPARE(service->settingsSheet().settings().volume, 40);

        // The next run starts with the stored settings; with the balloon off none is shown.
        auto next = makeService();
        QCOMPARE(next->settingsSheet().settings(), service->settingsSheet().settings());
        Lesson again(*next);
        QVERIFY(again.character->show().ok());
        QVERIFY(again.character->speak(uR"(\spd=150\Да)"_s).ok());
        waitUntilIdle(*next);
        QVERIFY(!next->player(kGenie)->balloon().window()->isVisible());
    }

    void storedSettingsAreReadSafely_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("read");
        QTest::newRow("volume above range") << u"Volume"_s << u"150"_s << u"100"_s;
        QTest::newRow("volume below range") << u"Volume"_s << u"-5"_s << u"0"_s;
        QTest::newRow("volume not a number") << u"Volume"_s << u"loud"_s << u"100"_s;
        QTest::newRow("balloon off") << u"Balloon"_s << u"0"_s << u"0"_s;
        QTest::newRow("balloon missing") << u"Balloon"_s << QString() << u"1"_s;
        QTest::newRow("speech off") << u"SpeechOutput"_s << u"0"_s << u"0"_s;
        QTest::newRow("absurd font size") << u"BalloonFontSize"_s << u"500"_s << u"0"_s;
        QTest::newRow("Festival chosen") << u"Voice"_s << u"festival"_s << u"festival"_s;
        QTest::newRow("unknown voice") << u"Voice"_s << u"Festival "_s << u"espeak-ng"_s;
        QTest::newRow("voice missing") << u"Voice"_s << QString() << u"espeak-ng"_s;
    }

    void settingsDialogSpeaksTheProgramsLanguageAndOffersBothVoices()
    {
        auto service = makeService();
        CharacterSettingsTexts texts;
        texts.title = u"Figurens inställningar"_s;
        texts.voice = u"Röst:"_s;
        texts.voiceNatural = u"Festival (naturlig)"_s;
        service->settingsSheet().setTexts([texts] { return texts; });
        QVERIFY(service->setPropertySheetVisible(true).ok());
        AgentSettingsDialog *dialog = service->settingsSheet().dialog();
        QCOMPARE(dialog->windowTitle(), texts.title);
        auto *voice = dialog->findChild<QComboBox *>(u"cboVoice"_s);
        QCOMPARE(voice->itemText(1), texts.voiceNatural);
        QCOMPARE(qobject_cast<QLabel *>(dialog->findChild<QFormLayout *>()->labelForField(voice))->text(), texts.voice);
        // The choice goes both ways between the settings and the list.
        CharacterSettings settings;
        settings.voice = u"festival"_s;
        dialog->setSettings(settings);
        QCOMPARE(voice->currentIndex(), 1);
        voice->setCurrentIndex(0);
        QCOMPARE(dialog->settings().voice, u"espeak-ng"_s);
        dialog->reject();
    }

    void storedSettingsAreReadSafely()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(QString, read);
        if (!stored.isNull())
            m_store.save(u"Veskora"_s, u"Character"_s, key, stored);
        const CharacterSettings settings = CharacterSettings::read(m_store);
        TestSupport::InMemorySettingsStore written;
        QVERIFY(settings.save(written));
        QCOMPARE(written.read(u"Veskora"_s, u"Character"_s, key), read);
    }

    void cleanup() { m_store = TestSupport::InMemorySettingsStore(); }
};

QTEST_MAIN(TestAgentService)
#include "tst_agentservice.moc"
