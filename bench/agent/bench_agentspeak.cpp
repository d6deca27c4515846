// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// Times a lesson's Speak request from the call until its audio is handed to the sound
// output, for a ten-word Russian sentence, beside one pass of espeak-ng over the same text.
// The service runs with its clock sped up so that the queue empties between requests; the
// path from the request to the audio is the same as at normal speed.
//
// With --voice festival the learner has chosen Festival's voice: the program waits for it to
// load (and says how long that took), times the same requests through it and reports the
// memory with both voices loaded.
//
//   bench_agentspeak [--runs N] [--voice espeak-ng|festival]
#include <algorithm>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include "platform/agent/agentcontrol.h"
#include "platform/agent/backgroundspeechengine.h"
#include "platform/agent/espeakspeechengine.h"
#include "platform/agent/geniecharacterservice.h"
#include "platform/agent/speechengines.h"
#include "platform/settings/settingsstore.h"

namespace {

// Ten words.
const QString kSentence = QStringLiteral("Сегодня утром я читал очень интересную книгу о старой Москве.");

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

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int runs = std::max(3,
                              args.indexOf(QStringLiteral("--runs")) > 0
                                  ? args.value(args.indexOf(QStringLiteral("--runs")) + 1).toInt()
                                  : 31);
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
        if (!engine->waitUntilLoaded(600000) || engine->state() != Platform::BackgroundSpeechEngine::State::Ready) {
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

    for (const QString &rate : {QStringLiteral("150"), QStringLiteral("80"), QStringLiteral("50")}) {
        const QString text = QStringLiteral("\\spd=") + rate + QStringLiteral("\\\\pit=74\\") + kSentence;
        QList<double> latencies;
        QElapsedTimer clock;
        bool started = false;
        const auto connection =
            QObject::connect(&service, &Platform::GenieCharacterService::speechAudioStarted, &app, [&] {
                if (!started)
                    latencies << clock.nsecsElapsed() / 1e6;
                started = true;
            });
        for (int run = 0; run <= runs; ++run) {
            started = false;
            clock.start();
            (void)genie->speak(text);
            while (!started)
                app.processEvents(QEventLoop::WaitForMoreEvents);
            while (service.isBusy(QStringLiteral("Genie")))
                app.processEvents(QEventLoop::WaitForMoreEvents);
        }
        QObject::disconnect(connection);
        latencies.removeFirst(); // the first request also looks for sound devices
        out << "Speak \\spd=" << rate << "\\ to audio handed over" << (festival ? " (festival)" : "") << ": median "
            << QString::number(median(latencies), 'f', 2) << " ms, worst "
            << QString::number(*std::max_element(latencies.cbegin(), latencies.cend()), 'f', 2) << " ms ("
            << latencies.size() << " runs)\n";
    }

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
    return 0;
}
