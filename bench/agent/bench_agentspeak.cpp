// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// Times a lesson's Speak request from the call until its audio is handed to the sound
// output, for a ten-word Russian sentence, beside one pass of espeak-ng over the same text.
// The service runs with its clock sped up so that the queue empties between requests; the
// path from the request to the audio is the same as at normal speed.
//
//   bench_agentspeak [--runs N]
#include <algorithm>

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include "platform/agent/agentcontrol.h"
#include "platform/agent/espeakspeechengine.h"
#include "platform/agent/geniecharacterservice.h"
#include "platform/settings/settingsstore.h"

namespace {

// Ten words.
const QString kSentence = QStringLiteral("Сегодня утром я читал очень интересную книгу о старой Москве.");

class NoSettings final : public Platform::SettingsStore {
public:
    QString read(const QString &, const QString &, const QString &) const override { return {}; }
    bool save(const QString &, const QString &, const QString &, const QString &) override { return true; }
};

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
    QTextStream out(stdout);

    NoSettings settings;
    Platform::GenieCharacterService service{Platform::AppPaths(appDir), settings};
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
        out << "Speak \\spd=" << rate << "\\ to audio handed over: median "
            << QString::number(median(latencies), 'f', 2) << " ms, worst "
            << QString::number(*std::max_element(latencies.cbegin(), latencies.cend()), 'f', 2) << " ms ("
            << latencies.size() << " runs)\n";
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
