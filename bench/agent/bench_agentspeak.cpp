// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// Times a lesson's Speak request from the call until its audio is handed to the sound
// output, for a ten-word Russian sentence, beside one pass of espeak-ng over the same text.
// The service runs with its clock sped up so that the queue empties between requests; the
// path from the request to the audio is the same as at normal speed.
//
// Then, in real time, the longest stall of the interface thread while the genie says a
// 40-word sentence at 50 words per minute (48 s of speech): a 1 ms timer notes every
// event-loop turn, and the longest gap between two turns is the stall.
//
// With --voice festival the learner has chosen Festival's voice: the program waits for it to
// load (and says how long that took), times the same requests through it and reports the
// memory with both voices loaded.
//
//   bench_agentspeak [--runs N] [--stall-runs N] [--voice espeak-ng|festival]
#include <algorithm>
#include <ctime>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <QTimer>

#include "platform/agent/agentcontrol.h"
#include "platform/agent/espeakspeechengine.h"
#include "platform/agent/festivalvoice.h"
#include "platform/agent/geniecharacterservice.h"
#include "platform/settings/settingsstore.h"

#include "benchfigures.h"

using Bench::median;

namespace {

// Ten words.
const QString kSentence = QStringLiteral("Сегодня утром я читал очень интересную книгу о старой Москве.");
// Ten words each, none said before in the process: a voice that reads its recordings
// only when a sentence first needs them (Festival) is slower for these.
const QStringList kNewSentences{
    QStringLiteral("Мой брат работает врачом в большой больнице на окраине города."),
    QStringLiteral("Летом мы часто гуляем в парке и кормим там уток."),
    QStringLiteral("Она купила свежий хлеб, молоко и сыр в магазине напротив."),
    QStringLiteral("Вечером дети смотрели новый фильм про космос и далёкие звёзды."),
    QStringLiteral("Наш поезд приходит в Петербург очень рано утром в среду."),
    QStringLiteral("Зимой в деревне у дедушки всегда много снега и тишины."),
    QStringLiteral("Учительница попросила всех студентов прочитать этот короткий рассказ к пятнице."),
    QStringLiteral("Мы очень долго ждали автобус на остановке под холодным дождём."),
    QStringLiteral("Моя младшая сестра любит рисовать цветы, птиц и старые дома."),
};
// Forty words.
const QString kLongSentence =
    QStringLiteral("Каждое лето мы с друзьями ездим на машине к морю, где живёт моя бабушка, которая "
                   "всегда готовит нам вкусный обед, "
                   "показывает старые фотографии и просит нас приезжать к ней чаще, потому что без нас "
                   "ей бывает очень скучно и одиноко.");

// Nothing stored but the voice.
class VoiceOnlySettings final : public Platform::SettingsStore {
public:
    explicit VoiceOnlySettings(QString voice)
        : m_voice(std::move(voice))
    {
    }
    QString read(const QString &, const QString &, const QString &key) const override
    {
        return key == QStringLiteral("Voice") ? m_voice : QString();
    }
    bool save(const QString &, const QString &, const QString &, const QString &) override { return true; }

private:
    QString m_voice;
};

// The memory lines of /proc/self/status ("VmHWM: … kB").
QString memoryLine(const char *name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(name))
            return QString::fromLatin1(line.simplified());
    }
    return {};
}

// The processor time the process has used so far, in milliseconds.
double processorMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

int option(const QStringList &args, const QString &name, int fallback)
{
    const qsizetype at = args.indexOf(name);
    return at > 0 ? args.value(at + 1).toInt() : fallback;
}

// The longest gap in milliseconds between two turns of the event loop while \a character
// says \a text in real time.
double longestStall(QApplication &app, Platform::GenieCharacterService &service, Platform::AgentCharacter &character,
                    const QString &text)
{
    QTimer turns;
    turns.setTimerType(Qt::PreciseTimer);
    turns.setInterval(1);
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    QObject::connect(&turns, &QTimer::timeout, &app, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    clock.start();
    turns.start();
    (void)character.speak(text);
    while (service.player(QStringLiteral("Genie"))->isBusy())
        app.processEvents(QEventLoop::WaitForMoreEvents);
    turns.stop();
    return longest / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int runs = std::max(3, option(args, QStringLiteral("--runs"), 31));
    // Each stall run lasts as long as the speech, 48 s.
    const int stallRuns = std::max(1, option(args, QStringLiteral("--stall-runs"), 3));
    const QString appDir = qEnvironmentVariableIsEmpty("VESKORA_APP_DIR") ? QStringLiteral(VESKORA_DEFAULT_APP_DIR)
                                                                          : qEnvironmentVariable("VESKORA_APP_DIR");
    const QString voice = args.indexOf(QStringLiteral("--voice")) > 0
        ? args.value(args.indexOf(QStringLiteral("--voice")) + 1)
        : QStringLiteral("espeak-ng");
    const bool festival = voice == QStringLiteral("festival");
    QTextStream out(stdout);

    VoiceOnlySettings settings(voice);
    QElapsedTimer loading;
    loading.start();
    Platform::GenieCharacterService service{Platform::AppPaths(appDir), settings};
    if (festival) {
        const auto engine = Platform::festivalVoice(appDir + QStringLiteral("/pronunciation/ru-festival.tsv"));
        if (!engine->waitUntilLoaded(600000) || engine->state() != Platform::FestivalVoice::State::Ready) {
            out << "Festival could not load: " << engine->problem() << "\n";
            return 1;
        }
        out << "Festival voice loaded in the background in " << loading.elapsed() << " ms\n";
    }
    service.setTimeScale(1000);
    Platform::AgentControl control(service);
    if (control.load(QStringLiteral("Genie"), QStringLiteral("Genie.acs")).failed()) {
        out << "cannot load the character from " << appDir << "\n";
        return 1;
    }
    auto genie = control.character(QStringLiteral("Genie"));
    if (genie->setLanguageID(1049).failed()) {
        out << "no Russian voice\n";
        return 1;
    }

    // From the request until its audio is handed to the sound output, in milliseconds: the
    // clock's time and the processor time the whole process spent meanwhile, which depends
    // much less on what else the machine is doing.
    struct Timings {
        QList<double> latencies;
        QList<double> processor;
    };
    const auto timeSpeak = [&](const QString &text, Timings &timings) {
        QElapsedTimer clock;
        double latency = -1;
        double processor = 0;
        const auto connection =
            QObject::connect(&service, &Platform::GenieCharacterService::speechAudioStarted, &app, [&] {
                if (latency < 0) {
                    latency = clock.nsecsElapsed() / 1e6;
                    processor = processorMs() - processor;
                }
            });
        processor = processorMs();
        clock.start();
        (void)genie->speak(text);
        while (latency < 0)
            app.processEvents(QEventLoop::WaitForMoreEvents);
        while (service.player(QStringLiteral("Genie"))->isBusy())
            app.processEvents(QEventLoop::WaitForMoreEvents);
        QObject::disconnect(connection);
        timings.latencies << latency;
        timings.processor << processor;
    };
    const auto report = [&](const QString &what, const Timings &timings) {
        out << what << (festival ? " (festival)" : "") << ": median "
            << QString::number(median(timings.latencies), 'f', 2) << " ms, worst "
            << QString::number(*std::max_element(timings.latencies.cbegin(), timings.latencies.cend()), 'f', 2)
            << " ms (" << timings.latencies.size() << " runs; processor time median "
            << QString::number(median(timings.processor), 'f', 2) << " ms)\n";
    };
    for (const QString &rate : {QStringLiteral("150"), QStringLiteral("80"), QStringLiteral("50")}) {
        const QString text = QStringLiteral("\\spd=") + rate + QStringLiteral("\\\\pit=74\\") + kSentence;
        Timings timings;
        for (int run = 0; run <= runs; ++run)
            timeSpeak(text, timings);
        // The first request also looks for sound devices.
        timings.latencies.removeFirst();
        timings.processor.removeFirst();
        report(QStringLiteral("Speak \\spd=%1\\ to audio handed over").arg(rate), timings);
    }
    Timings firstTime;
    for (const QString &sentence : kNewSentences)
        timeSpeak(QStringLiteral("\\spd=80\\\\pit=74\\") + sentence, firstTime);
    report(QStringLiteral("Speak \\spd=80\\ of a sentence said for the first time"), firstTime);

    if (festival) {
        out << "memory with both voices loaded: " << memoryLine("VmRSS") << ", peak " << memoryLine("VmHWM") << "\n";
        return 0;
    }
    Platform::EspeakSpeechEngine engine;
    QList<double> synthesis;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        const auto utterance = engine.synthesizeRaw(QStringLiteral("ru"), kSentence, 175, 50);
        synthesis << clock.nsecsElapsed() / 1e6;
        if (run == 0)
            out << "espeak-ng alone: " << utterance.durationMs << " ms of speech per pass\n";
    }
    out << "espeak-ng synthesis of the same text (one pass, its default rate): median "
        << QString::number(median(synthesis), 'f', 2) << " ms\n";

    service.setTimeScale(1);
    QList<double> stalls;
    for (int run = 0; run < stallRuns; ++run)
        stalls << longestStall(app, service, *genie, QStringLiteral("\\spd=50\\\\pit=74\\") + kLongSentence);
    out << "Longest interface-thread stall while saying 40 words at \\spd=50\\: median "
        << QString::number(median(stalls), 'f', 2) << " ms, worst "
        << QString::number(*std::max_element(stalls.cbegin(), stalls.cend()), 'f', 2) << " ms (" << stalls.size()
        << " runs:";
    for (const double stall : std::as_const(stalls))
        out << ' ' << QString::number(stall, 'f', 1);
    out << ")\n";
    return 0;
}
