// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
// Pictures of the speaking panel for a question and a statement, offscreen: the genie's
// real speech, and as the "learner" the same phrase said slower and lower, kept as the
// phrase's last recording. Usage: speaking_shots <output folder> [application folder]
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include "course/languages.h"
#include "course/stresstable.h"
#include "platform/agent/agentcontrol.h"
#include "platform/agent/geniecharacterservice.h"
#include "platform/audio/recordingstore.h"
#include "platform/audio/soundmodule.h"
#include "platform/settings/settingsstore.h"
#include "practice/speakingpanel.h"

namespace {

// Settings kept in memory: the shots must not touch the learner's files.
class MemorySettings final : public Platform::SettingsStore {
public:
    QString read(const QString &application, const QString &section, const QString &key) const override
    {
        return m_values.value(application + u'/' + section + u'/' + key);
    }
    bool save(const QString &application, const QString &section, const QString &key, const QString &value) override
    {
        m_values.insert(application + u'/' + section + u'/' + key, value);
        return true;
    }

private:
    QHash<QString, QString> m_values;
};

// An input that is there but never used: the shots show the panel ready to record.
class ReadyRecorder final : public Platform::SoundRecorder {
public:
    std::optional<InputProblem> availability() override { return std::nullopt; }
    bool start() override { return false; }
    void stop() override { }
    void cancel() override { }
    bool isRecording() const override { return false; }
};

// The genie's speech of \a text, synthesised in the background and waited for here.
std::optional<Platform::Utterance> speechOf(Platform::AgentCharacter &genie, const QString &text)
{
    std::optional<Platform::Utterance> speech;
    QEventLoop loop;
    const auto done = [&](const Platform::Utterance &utterance) {
        speech = utterance;
        loop.quit();
    };
    if (genie.synthesize(text, &loop, done).failed())
        return std::nullopt;
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loop.exec();
    return speech;
}

struct Shot {
    QString file;
    QString name;
    QString russian;
    QString place;
    int language;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Platform::useSoundModule(&Platform::qtSoundModule());
    const QStringList arguments = app.arguments();
    if (arguments.size() < 2) {
        qWarning("usage: speaking_shots <output folder> [application folder]");
        return 2;
    }
    const QString output = arguments.at(1);
    const Platform::AppPaths paths(arguments.size() > 2 ? arguments.at(2) : QStringLiteral(VESKORA_DEFAULT_APP_DIR));
    QDir().mkpath(output);

    MemorySettings settings;
    Platform::GenieCharacterService service(paths, settings);
    Platform::AgentControl control(service);
    if (control.load(QStringLiteral("Genie"), QStringLiteral("Genie.acs")).failed())
        return 1;
    auto genie = control.character(QStringLiteral("Genie"));
    if (!genie || genie->setLanguageID(1049).failed())
        return 1;

    QTemporaryDir folder;
    Platform::RecordingStore store(folder.path());
    ReadyRecorder recorder;
    const Course::StressTable stress = Course::StressTable::fromFile(paths.join(QStringLiteral("\\stress.tsv")));
    const Practice::SpeakingServices services{&recorder, nullptr, &store, [&stress] { return &stress; }, {}};

    const QList<Shot> shots{
        {QStringLiteral("pitch-question.png"), QStringLiteral("lesson14-record13"),
         QStringLiteral("Где вы остановитесь?"), QStringLiteral("lesson14"), Course::Language::English},
        {QStringLiteral("pitch-statement.png"), QStringLiteral("lesson02-record09"), QStringLiteral("Меня зовут Анна."),
         QStringLiteral("lesson02"), Course::Language::Swedish},
    };
    for (const Shot &shot : shots) {
        const auto speech = speechOf(*genie, QStringLiteral("\\spd=100\\\\pit=74\\") + shot.russian);
        const auto learner = speechOf(*genie, QStringLiteral("\\spd=70\\\\pit=55\\") + shot.russian);
        if (!speech || !learner)
            return 1;
        store.save(shot.name, {learner->pcm, learner->sampleRate});
        Practice::SpeakingPanel panel(services);
        panel.setLanguage(shot.language);
        panel.setPhrase({shot.name, shot.russian, {shot.place, shot.russian}, *speech});
        panel.resize(620, 330);
        panel.show();
        app.processEvents();
        if (!panel.grab().save(output + u'/' + shot.file))
            return 1;
    }
    return 0;
}
