// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
// The second Russian voice: Festival in process on its own thread, at the learner's rate
// and pitch, with the course's stress, and chosen in the character's settings.
#include <memory>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "inmemorysettingsstore.h"
#include "platform/agent/agentcontrol.h"
#include "platform/agent/festivalspeechengine.h"
#include "platform/agent/festivalvoice.h"
#include "platform/agent/geniecharacterservice.h"
#include "platform/agent/speechtext.h"
#include "platform/agent/wavwriter.h"
#include "speechmeasure.h"

using namespace Platform;
using namespace Qt::StringLiterals;

namespace {

// Twelve words, as a lesson sentence might have them.
const QString kSentence = u"Мой брат и моя сестра живут в большом городе на берегу моря."_s;

QString appDir()
{
    return qEnvironmentVariable("VESKORA_APP_DIR");
}

} // namespace

class TestAgentFestival : public QObject {
    Q_OBJECT

private:
    std::shared_ptr<FestivalVoice> m_voice;

    Utterance say(const QString &text)
    {
        Utterance utterance;
        m_voice->run([&](SpeechEngine &engine) { utterance = engine.synthesize(u"ru"_s, parseSpeechText(text)); });
        return utterance;
    }

    QList<UtterancePart> inPieces(const QString &text)
    {
        QList<UtterancePart> pieces;
        m_voice->run([&](SpeechEngine &engine) {
            engine.synthesizeInParts(u"ru"_s, parseSpeechText(text),
                                     [&](const UtterancePart &piece) { pieces << piece; });
        });
        return pieces;
    }

    QStringList stressed(const QString &text)
    {
        QStringList words;
        m_voice->run(
            [&](SpeechEngine &engine) { words = static_cast<FestivalSpeechEngine &>(engine).stressedWords(text); });
        return words;
    }

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("PULSE_SERVER", "unix:/nonexistent/veskora-test-no-sound");
        m_voice = festivalVoice(appDir() + u"/pronunciation/ru-festival.tsv"_s);
        // The voice takes seconds to load, much longer on a busy machine.
        QVERIFY(m_voice->waitUntilLoaded(280000));
        QVERIFY2(m_voice->state() == FestivalVoice::State::Ready, qPrintable(m_voice->problem()));
    }

    void speaksRussianOnly()
    {
        bool russian = false;
        bool english = true;
        m_voice->run([&](SpeechEngine &engine) {
            russian = engine.hasVoice(u"ru"_s);
            english = engine.hasVoice(u"en"_s);
        });
        QVERIFY(russian);
        QVERIFY(!english);
        // A second Festival in the same process would share its interpreter: it refuses.
        FestivalSpeechEngine second;
        QVERIFY(!second.isAvailable());
        // Nothing it is asked reaches the interpreter, which belongs to the first.
        QVERIFY(second.synthesizeRaw(u"Это за́мок."_s).pcm.isEmpty());
        QVERIFY(second.stressedWords(u"Это за́мок."_s).isEmpty());
    }

    void rateIsMetFromSlowToFast_data()
    {
        QTest::addColumn<int>("rate");
        for (const int rate : {50, 80, 100, 120, 150})
            QTest::addRow("%d wpm", rate) << rate;
    }

    void rateIsMetFromSlowToFast()
    {
        QFETCH(int, rate);
        const Utterance utterance = say(uR"(\spd=%1\)"_s.arg(rate) + kSentence);
        const double heard = TestSupport::heardWordsPerMinute(utterance.pcm, utterance.sampleRate, 12);
        QVERIFY2(heard >= rate * 0.9 && heard <= rate * 1.1, qPrintable(u"heard %1 wpm"_s.arg(heard)));
        // The balloon's clock: one start per written word, in order, within the sound.
        QCOMPARE(utterance.wordStartsMs.size(), 12);
        QVERIFY(std::is_sorted(utterance.wordStartsMs.cbegin(), utterance.wordStartsMs.cend()));
        QVERIFY(utterance.wordStartsMs.last() < utterance.durationMs);
        QCOMPARE(utterance.durationMs, utterance.pcm.size() / 2 * 1000 / utterance.sampleRate);
    }

    void firstPhraseIsMadeAlone_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("firstWords");
        QTest::newRow("no mark: the first words") << u"Сегодня утром я читал очень интересную книгу."_s << 3;
        QTest::newRow("at the first phrase mark") << u"Она купила свежий хлеб, молоко и сыр."_s << 4;
        QTest::newRow("not after one word") << u"Да, я читал эту книгу вчера."_s << 3;
        QTest::newRow("a mark too far") << u"Мой старший брат работает врачом в больнице, а я нет."_s << 3;
        QTest::newRow("too short to divide") << u"Я читал книгу вчера."_s << 4;
    }

    void firstPhraseIsMadeAlone()
    {
        QFETCH(QString, text);
        QFETCH(int, firstWords);
        const QStringList words = text.split(u' ');
        const QList<QStringList> pieces = FestivalSpeechEngine::splitAtFirstPhrase(words);
        QCOMPARE(pieces.first(), words.mid(0, firstWords));
        QCOMPARE(pieces.size() == 1 ? pieces.first() : pieces.first() + pieces.last(), words);
    }

    void piecesJoinIntoTheSpeechAtItsRate_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<QString>("text");
        for (const int rate : {50, 100, 150}) {
            QTest::addRow("%d wpm, no mark", rate) << rate << kSentence;
            QTest::addRow("%d wpm, a comma", rate)
                << rate << u"Мой брат, и моя сестра живут в большом городе на берегу моря."_s;
        }
    }

    void piecesJoinIntoTheSpeechAtItsRate()
    {
        QFETCH(int, rate);
        QFETCH(QString, text);
        const QString tagged = uR"(\spd=%1\pit=74\)"_s.arg(rate) + text;
        const QList<UtterancePart> pieces = inPieces(tagged);
        QCOMPARE(pieces.size(), 2);
        QVERIFY(!pieces.first().last && pieces.last().last);
        Utterance joined;
        for (const UtterancePart &piece : pieces) {
            QCOMPARE(piece.wordsInSpeech, 12);
            QVERIFY(!piece.utterance.pcm.isEmpty());
            appendUtterance(joined, piece.utterance);
        }
        // The second piece's words start where the first piece's sound ends.
        QCOMPARE(joined.wordStartsMs.size(), 12);
        QVERIFY(std::is_sorted(joined.wordStartsMs.cbegin(), joined.wordStartsMs.cend()));
        QVERIFY(joined.wordStartsMs.at(pieces.first().utterance.wordStartsMs.size())
                >= pieces.first().utterance.durationMs);
        QCOMPARE(joined.durationMs, joined.pcm.size() / 2 * 1000 / joined.sampleRate);
        const double heard = TestSupport::heardWordsPerMinute(joined.pcm, joined.sampleRate, 12);
        QVERIFY2(heard >= rate * 0.9 && heard <= rate * 1.1, qPrintable(u"heard %1 wpm"_s.arg(heard)));
        // About as long as the speech made whole.
        const qint64 whole = say(tagged).durationMs;
        QVERIFY2(std::abs(joined.durationMs - whole) <= whole / 20,
                 qPrintable(u"%1 ms in pieces, %2 ms whole"_s.arg(joined.durationMs).arg(whole)));
    }

    void pitchFollowsTheTagWithinTheVoicesRange_data()
    {
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("expected");
        QTest::newRow("its own") << FestivalSpeechEngine::kOwnPitchHz << FestivalSpeechEngine::kOwnPitchHz;
        QTest::newRow("lower") << 115 << 115;
        QTest::newRow("higher") << 135 << 135;
        QTest::newRow("the lessons' 74 Hz, as low as it goes")
            << 74 << int(FestivalSpeechEngine::kOwnPitchHz * FestivalSpeechEngine::kLowestPitch);
    }

    void pitchFollowsTheTagWithinTheVoicesRange()
    {
        QFETCH(int, asked);
        QFETCH(int, expected);
        const Utterance plain = say(uR"(\spd=120\)"_s + kSentence);
        const Utterance utterance = say(uR"(\spd=120\\pit=%1\)"_s.arg(asked) + kSentence);
        const double measured = TestSupport::medianPitch(utterance.pcm, utterance.sampleRate);
        QVERIFY2(std::abs(measured - expected) <= expected * 0.12, qPrintable(u"measured %1 Hz"_s.arg(measured)));
        // A shift of pitch leaves the tempo alone.
        QVERIFY(std::abs(utterance.durationMs - plain.durationMs) <= plain.durationMs / 20);
    }

    void stressFollowsTheLexiconTheTextAndItsMarks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("word");
        // The voice's own dictionary says за́мок and дела (verb); the course decides.
        QTest::newRow("a word's only stress") << u"Спасибо большое."_s << u"спаси́бо"_s;
        QTest::newRow("a lesson text's own decision") << u"Как дела?"_s << u"дела́"_s;
        QTest::newRow("marked as the castle") << u"Это за́мок."_s << u"за́мок"_s;
        QTest::newRow("marked as the lock") << u"Это замо́к."_s << u"замо́к"_s;
        QTest::newRow("marks on a capital") << u"За́мок большой."_s << u"за́мок"_s;
    }

    void stressFollowsTheLexiconTheTextAndItsMarks()
    {
        QFETCH(QString, text);
        QFETCH(QString, word);
        const QStringList words = stressed(text);
        QVERIFY2(words.contains(word), qPrintable(words.join(u' ')));
    }

    void textsFestivalCannotReadAreSpokenAnyway()
    {
        // Festival refuses a whole text over one character its letter rules lack.
        const Utterance utterance = say(u"Это — «ёлка»… № 5, “да” & нет!"_s);
        QVERIFY(!utterance.pcm.isEmpty());
        QVERIFY(utterance.wordStartsMs.size() >= 5);
        QVERIFY(say(u"«»—…"_s).pcm.isEmpty());
    }

    void chosenFestivalSpeaksEveryRecordAtTheRateAndIsTraced()
    {
        QTemporaryDir dir;
        const QString wav = dir.filePath(u"speech.wav"_s);
        const QString tracePath = dir.filePath(u"trace.txt"_s);
        qputenv("VESKORA_AUDIO_OUT", wav.toUtf8());
        qputenv("VESKORA_AGENT_TRACE", tracePath.toUtf8());
        TestSupport::InMemorySettingsStore store;
        store.save(u"Veskora"_s, u"Character"_s, u"Voice"_s, u"festival"_s);
        {
            GenieCharacterService service(AppPaths(appDir()), store);
            service.setTimeScale(200);
            AgentControl control(service);
            QVERIFY(control.load(u"Genie"_s, u"Genie.acs"_s).ok());
            AgentCharacter character(*control.character(u"Genie"_s));
            QVERIFY(character.setLanguageID(1049).ok());
            QVERIFY(character.speak(uR"(\spd=80\)"_s + kSentence).ok());
            QTRY_VERIFY_WITH_TIMEOUT(!service.player(u"Genie"_s)->isBusy(), 60000);
        }
        qunsetenv("VESKORA_AUDIO_OUT");
        qunsetenv("VESKORA_AGENT_TRACE");
        QByteArray pcm;
        int sampleRate = 0;
        QVERIFY(readWav(wav, &pcm, &sampleRate));
        const double heard = TestSupport::heardWordsPerMinute(pcm, sampleRate, 12);
        QVERIFY2(heard >= 72 && heard <= 88, qPrintable(u"heard %1 wpm"_s.arg(heard)));
        QFile trace(tracePath);
        QVERIFY(trace.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(trace.readAll()).split(u'\n').contains(u"Voice festival"_s));
    }
};

QTEST_MAIN(TestAgentFestival)
#include "tst_agentfestival.moc"
