// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "speaking/speakingpanel.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "course/languages.h"
#include "course/stressmarks.h"
#include "platform/audio/recordingstore.h"
#include "speaking/pitchpicture.h"
#include "speaking/speakingtexts.h"

namespace Speaking {

namespace {

QPushButton *makeButton(const QString &objectName, QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

const char *problemKey(Platform::SoundRecorder::InputProblem problem)
{
    switch (problem) {
    case Platform::SoundRecorder::InputProblem::NoDevice:
        return "noDevice";
    case Platform::SoundRecorder::InputProblem::DeviceFailed:
        return "deviceFailed";
    case Platform::SoundRecorder::InputProblem::AccessRefused:
        return "accessRefused";
    }
    return "deviceFailed";
}

Platform::RecordedSound genieSound(const Platform::Utterance &speech)
{
    return {speech.pcm, speech.sampleRate};
}

} // namespace

SpeakingPanel::SpeakingPanel(const SpeakingServices &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_recorder(services.recorder)
    , m_player(services.player)
    , m_language(Course::Language::English)
{
    setObjectName(QStringLiteral("pnlSpeaking"));
    m_record = makeButton(QStringLiteral("cmdRecord"), this);
    m_hearBoth = makeButton(QStringLiteral("cmdHearBoth"), this);
    m_hearGenie = makeButton(QStringLiteral("cmdHearGenie"), this);
    m_hearMine = makeButton(QStringLiteral("cmdHearMine"), this);
    m_record->setCheckable(true);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblSpeaking"));
    m_status->setWordWrap(true);
    m_picture = new PitchPicture(this);
    m_picture->setObjectName(QStringLiteral("picPitch"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_record);
    buttons->addStretch();
    for (QPushButton *button : {m_hearBoth, m_hearGenie, m_hearMine})
        buttons->addWidget(button);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(m_status);
    layout->addWidget(m_picture, 1);

    connect(m_record, &QPushButton::clicked, this, &SpeakingPanel::toggleRecording);
    connect(m_hearBoth, &QPushButton::clicked, this, [this] {
        if (m_take)
            play({genieSound(m_phrase.genie), *m_take});
    });
    connect(m_hearGenie, &QPushButton::clicked, this, [this] { play({genieSound(m_phrase.genie)}); });
    connect(m_hearMine, &QPushButton::clicked, this, [this] {
        if (m_take)
            play({*m_take});
    });
    if (Platform::SoundRecorder *recorder = m_recorder.data()) {
        connect(recorder, &Platform::SoundRecorder::finished, this,
                [this](const Platform::RecordedSound &take) { takeDone(take); });
        connect(recorder, &Platform::SoundRecorder::failed, this,
                [this](Platform::SoundRecorder::InputProblem problem) { inputFailed(problem); });
    }
    if (Platform::SoundPlayer *player = m_player.data())
        connect(player, &Platform::SoundPlayer::finished, this, &SpeakingPanel::playNext);
    setLanguage(m_language);
}

SpeakingPanel::~SpeakingPanel()
{
    stopAll();
}

QString SpeakingPanel::text(const char *key) const
{
    return speakingText(m_language, QString::fromLatin1(key));
}

void SpeakingPanel::setLanguage(int language)
{
    m_language = language;
    m_hearBoth->setText(text("hearBoth"));
    m_hearGenie->setText(text("hearGenie"));
    m_hearMine->setText(text("hearMine"));
    m_picture->setBandNames(text("genieBand"), text("learnerBand"));
    m_picture->setAccessibleName(text("picture"));
    if (!m_picture->showsLearnerCurve() && !m_picture->learnerMessage().isEmpty())
        m_picture->setLearnerMessage(text(m_take ? "noVoice" : "notYet"));
    updateControls();
    if (!m_statusKey.isEmpty())
        m_status->setText(speakingText(m_language, m_statusKey));
}

void SpeakingPanel::setPhrase(const SpeakingPhrase &phrase)
{
    stopAll();
    m_phrase = phrase;
    const Course::StressTable *stress = m_services.stress ? m_services.stress() : nullptr;
    const QString marked = stress ? Course::markStress(phrase.russian, *stress, phrase.record) : phrase.russian;
    m_melody = genieMelody(phrase.genie, marked);
    m_picture->setGenie(m_melody.curve, m_melody.syllables, m_melody.durationMs);
    m_take.reset();
    if (m_services.recordings && m_services.keepsRecordings())
        m_take = m_services.recordings->load(phrase.recordingName);
    canRecord();
    showLearner();
    setStatus(m_problem ? problemKey(*m_problem) : "hint");
    updateControls();
}

bool SpeakingPanel::canRecord()
{
    if (!m_checkedInput) {
        // Looking for an input may take a moment, so it happens when it is first needed.
        m_checkedInput = true;
        m_problem = m_recorder ? m_recorder->availability() : Platform::SoundRecorder::InputProblem::NoDevice;
    }
    return !m_problem;
}

void SpeakingPanel::watchRecordKey(QWidget *window)
{
    window->installEventFilter(this);
}

bool SpeakingPanel::eventFilter(QObject *watched, QEvent *event)
{
    // R held down records while the panel is shown; the key's repeats are no new presses.
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) && isVisible()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_R && key->modifiers() == Qt::NoModifier) {
            if (!key->isAutoRepeat())
                holdRecordKey(event->type() == QEvent::KeyPress);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SpeakingPanel::stopAll()
{
    m_queue.clear();
    if (m_recorder && m_recorder->isRecording())
        m_recorder->cancel();
    if (m_player)
        m_player->stop();
    m_heldKey = false;
    updateControls();
}

void SpeakingPanel::holdRecordKey(bool down)
{
    const bool recording = m_recorder && m_recorder->isRecording();
    if (down && !recording && m_record->isEnabled()) {
        m_heldKey = true;
        toggleRecording();
    } else if (!down && recording && m_heldKey) {
        m_heldKey = false;
        toggleRecording();
    }
}

void SpeakingPanel::toggleRecording()
{
    Platform::SoundRecorder *recorder = m_recorder.data();
    if (!recorder || m_problem) {
        updateControls();
        return;
    }
    if (recorder->isRecording()) {
        recorder->stop();
        return;
    }
    m_queue.clear();
    if (m_player)
        m_player->stop();
    if (recorder->start())
        setStatus("recording");
    updateControls();
}

void SpeakingPanel::takeDone(const Platform::RecordedSound &take)
{
    m_heldKey = false;
    m_take = take;
    showLearner();
    setStatus("hint");
    if (m_services.recordings && m_services.keepsRecordings() && !take.pcm.isEmpty()
        && m_services.recordings->save(m_phrase.recordingName, take).failed())
        setStatus("notKept");
    updateControls();
    Q_EMIT takeFinished();
    play({genieSound(m_phrase.genie), take});
}

void SpeakingPanel::inputFailed(Platform::SoundRecorder::InputProblem problem)
{
    m_heldKey = false;
    m_problem = problem;
    setStatus(problemKey(problem));
    updateControls();
}

void SpeakingPanel::showLearner()
{
    if (!m_take) {
        m_picture->setLearnerMessage(text("notYet"));
        return;
    }
    const Course::PitchAlignment alignment = Course::alignPitch(m_melody.contour, pitchOf(*m_take));
    if (!alignment.learner.isEmpty())
        m_picture->setLearner(alignment.learner);
    else if (Course::voicedSemitones(pitchOf(*m_take)).isEmpty())
        m_picture->setLearnerMessage(text("noVoice"));
    else
        // The genie's speech has no melody to match (a silent voice): the take stands alone.
        m_picture->setLearner(Course::voicedSemitones(pitchOf(*m_take)));
}

void SpeakingPanel::play(QList<Platform::RecordedSound> clips)
{
    clips.removeIf([](const Platform::RecordedSound &clip) { return clip.pcm.isEmpty(); });
    m_queue = clips;
    if (m_player)
        m_player->stop();
    playNext();
}

void SpeakingPanel::playNext()
{
    while (!m_queue.isEmpty() && m_player) {
        if (m_player->play(m_queue.takeFirst()))
            break;
    }
    updateControls();
}

void SpeakingPanel::updateControls()
{
    const bool recording = m_recorder && m_recorder->isRecording();
    m_record->setEnabled(m_recorder && !m_problem);
    m_record->setChecked(recording);
    m_record->setText(text(recording ? "stop" : "record"));
    const bool canPlay = m_player != nullptr && !recording;
    m_hearGenie->setEnabled(canPlay && !m_phrase.genie.pcm.isEmpty());
    m_hearMine->setEnabled(canPlay && m_take && !m_take->pcm.isEmpty());
    m_hearBoth->setEnabled(m_hearGenie->isEnabled() && m_hearMine->isEnabled());
}

void SpeakingPanel::setStatus(const char *key)
{
    m_statusKey = QString::fromLatin1(key);
    m_status->setText(speakingText(m_language, m_statusKey));
}

} // namespace Speaking
