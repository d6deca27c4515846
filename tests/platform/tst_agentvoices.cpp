// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
// Which engine speaks: the learner's choice, Festival loading in the background or missing,
// and the trace lines that say so.
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include <QElapsedTimer>
#include <QTest>

#include "platform/agent/festivalvoice.h"
#include "platform/agent/speechtext.h"
#include "platform/agent/speechworker.h"
#include "platform/agent/voicechoice.h"

using namespace Platform;
using namespace Qt::StringLiterals;

namespace {

// An engine that answers with its own sample rate, so the test sees who spoke, and
// remembers the thread it was made, used and destroyed on.
class TaggedEngine final : public SpeechEngine {
public:
    TaggedEngine(int tag, std::thread::id *destroyedOn = nullptr)
        : m_tag(tag)
        , m_madeOn(std::this_thread::get_id())
        , m_destroyedOn(destroyedOn)
    {
    }
    ~TaggedEngine() override
    {
        if (m_destroyedOn)
            *m_destroyedOn = std::this_thread::get_id();
    }
    bool hasVoice(const QString &voice) override { return voice == u"ru"_s || (m_tag == kEspeak && voice == u"en"_s); }
    Utterance synthesize(const QString &, const SpeechText &text) override
    {
        Utterance utterance = silentUtterance(text, m_tag);
        usedOnItsThread = usedOnItsThread && std::this_thread::get_id() == m_madeOn;
        return utterance;
    }

    static constexpr int kEspeak = 1111;
    static constexpr int kFestival = 2222;
    bool usedOnItsThread = true;

private:
    int m_tag;
    std::thread::id m_madeOn;
    std::thread::id *m_destroyedOn;
};

// A factory that waits for the test to let it finish loading.
struct Gate {
    std::mutex mutex;
    std::condition_variable opened;
    bool open = false;
    void release()
    {
        const std::lock_guard lock(mutex);
        open = true;
        opened.notify_all();
    }
    void wait()
    {
        std::unique_lock lock(mutex);
        opened.wait(lock, [this] { return open; });
    }
};

struct Choice {
    explicit Choice(std::shared_ptr<FestivalVoice> festival)
        : voices(std::make_unique<SpeechWorker>([] { return std::make_unique<TaggedEngine>(TaggedEngine::kEspeak); }),
                 [festival] { return festival; })
    {
        voices.setTraceLine([this](const QString &line) { trace << line; });
    }
    // Who spoke, once the answer has come back to this thread; 0 when it never does.
    int speaker(const QString &voice = u"ru"_s)
    {
        QObject receiver;
        int tag = 0;
        voices.synthesize(voice, parseSpeechText(u"Да нет"_s), &receiver,
                          [&tag](const Utterance &utterance) { tag = utterance.sampleRate; });
        (void)QTest::qWaitFor([&tag] { return tag != 0; }, 10000);
        return tag;
    }
    VoiceChoice voices;
    QStringList trace;
};

} // namespace

class TestAgentVoices : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eSpeakSpeaksUntilFestivalHasLoaded()
    {
        Gate gate;
        auto festival = std::make_shared<FestivalVoice>([&gate](QString *) {
            gate.wait();
            return std::make_unique<TaggedEngine>(TaggedEngine::kFestival);
        });
        Choice choice(festival);
        choice.voices.choose(RussianVoice::Festival);
        // Nothing waits for the loading.
        QCOMPARE(choice.speaker(), TaggedEngine::kEspeak);
        gate.release();
        QVERIFY(festival->waitUntilLoaded(10000));
        QCOMPARE(choice.speaker(), TaggedEngine::kFestival);
        QCOMPARE(choice.speaker(), TaggedEngine::kFestival);
        // English stays with eSpeak NG whatever the choice.
        QCOMPARE(choice.speaker(u"en"_s), TaggedEngine::kEspeak);
        choice.voices.choose(RussianVoice::Espeak);
        QCOMPARE(choice.speaker(), TaggedEngine::kEspeak);
        // A line each time the engine that speaks changes, and only then.
        QCOMPARE(choice.trace, (QStringList{u"Voice espeak-ng"_s, u"Voice festival"_s, u"Voice espeak-ng"_s}));
    }

    void missingFestivalFallsBackWithOneTraceLine()
    {
        auto festival = std::make_shared<FestivalVoice>([](QString *problem) {
            *problem = u"the voice msu_ru_nsh_clunits (festvox-ru) is not installed"_s;
            return std::unique_ptr<SpeechEngine>();
        });
        QVERIFY(festival->waitUntilLoaded(10000));
        Choice choice(festival);
        choice.voices.choose(RussianVoice::Festival);
        QCOMPARE(choice.speaker(), TaggedEngine::kEspeak);
        QCOMPARE(choice.speaker(), TaggedEngine::kEspeak);
        QVERIFY(choice.voices.hasVoice(u"ru"_s));
        QCOMPARE(choice.trace,
                 (QStringList{u"VoiceUnavailable festival the voice msu_ru_nsh_clunits (festvox-ru) is not installed"_s,
                              u"Voice espeak-ng"_s}));
    }

    void festivalLivesAndDiesOnItsOwnThread()
    {
        std::thread::id madeOn;
        std::thread::id destroyedOn;
        TaggedEngine *engine = nullptr;
        {
            Choice choice(std::make_shared<FestivalVoice>([&](QString *) {
                madeOn = std::this_thread::get_id();
                auto made = std::make_unique<TaggedEngine>(TaggedEngine::kFestival, &destroyedOn);
                engine = made.get();
                return made;
            }));
            choice.voices.choose(RussianVoice::Festival);
            QVERIFY(QTest::qWaitFor([&] { return choice.voices.hasVoice(u"ru"_s) && engine; }, 10000));
            QCOMPARE(choice.speaker(), TaggedEngine::kFestival);
            QVERIFY(engine->usedOnItsThread);
        }
        QVERIFY(madeOn != std::this_thread::get_id());
        QCOMPARE(destroyedOn, madeOn);
    }

    void closingDoesNotWaitForTheLoading()
    {
        // Festival's loading cannot be cut short; the program must still close at once.
        auto gate = std::make_shared<Gate>();
        auto festival = std::make_shared<FestivalVoice>([gate](QString *) {
            gate->wait();
            return std::make_unique<TaggedEngine>(TaggedEngine::kFestival);
        });
        std::thread loadingEnds([gate] {
            std::this_thread::sleep_for(std::chrono::milliseconds(1500));
            gate->release();
        });
        QElapsedTimer clock;
        clock.start();
        {
            Choice choice(std::move(festival));
            choice.voices.choose(RussianVoice::Festival);
            QCOMPARE(choice.speaker(), TaggedEngine::kEspeak);
        }
        const qint64 closing = clock.elapsed();
        loadingEnds.join();
        QVERIFY2(closing < 1000, qPrintable(u"closing took %1 ms"_s.arg(closing)));
    }
};

QTEST_GUILESS_MAIN(TestAgentVoices)
#include "tst_agentvoices.moc"
