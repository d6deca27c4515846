// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "practice/speakingpanel.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "course/languages.h"
#include "course/stressmarks.h"
#include "platform/audio/recordingstore.h"
#include "practice/clipqueue.h"
#include "practice/pitchpicture.h"
#include "practice/speakingtexts.h"

namespace Practice {

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
    , m_clips(new ClipQueue(services.player, this))
    , m_language(Course::Language::English)
{
    setObjectName(QStringLiteral("pnlSpeaking"));
    m_ui.cmdRecord = makeButton(QStringLiteral("cmdRecord"), this);
    m_ui.cmdHearBoth = makeButton(QStringLiteral("cmdHearBoth"), this);
    m_ui.cmdHearGenie = makeButton(QStringLiteral("cmdHearGenie"), this);
    m_ui.cmdHearMine = makeButton(QStringLiteral("cmdHearMine"), this);
    m_ui.cmdRecord->setCheckable(true);
    m_ui.lblSpeaking = new QLabel(this);
    m_ui.lblSpeaking->setObjectName(QStringLiteral("lblSpeaking"));
    m_ui.lblSpeaking->setWordWrap(true);
    m_ui.picPitch = new PitchPicture(this);
    m_ui.picPitch->setObjectName(QStringLiteral("picPitch"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_ui.cmdRecord);
    buttons->addStretch();
    for (QPushButton *button : {m_ui.cmdHearBoth, m_ui.cmdHearGenie, m_ui.cmdHearMine})
        buttons->addWidget(button);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(m_ui.lblSpeaking);
    layout->addWidget(m_ui.picPitch, 1);

    connect(m_ui.cmdRecord, &QPushButton::clicked, this, &SpeakingPanel::toggleRecording);
    connect(m_ui.cmdHearBoth, &QPushButton::clicked, this, [this] {
        if (m_take)
            m_clips->play({genieSound(m_phrase.genie), *m_take});
    });
    connect(m_ui.cmdHearGenie, &QPushButton::clicked, this, [this] { m_clips->play({genieSound(m_phrase.genie)}); });
    connect(m_ui.cmdHearMine, &QPushButton::clicked, this, [this] {
        if (m_take)
            m_clips->play({*m_take});
    });
    if (Platform::SoundRecorder *recorder = m_recorder.data()) {
        connect(recorder, &Platform::SoundRecorder::finished, this,
                [this](const Platform::RecordedSound &take) { takeDone(take); });
        connect(recorder, &Platform::SoundRecorder::failed, this,
                [this](Platform::SoundRecorder::InputProblem problem) { inputFailed(problem); });
    }
    connect(m_clips, &ClipQueue::changed, this, &SpeakingPanel::updateControls);
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
    m_ui.cmdHearBoth->setText(text("hearBoth"));
    m_ui.cmdHearGenie->setText(text("hearGenie"));
    m_ui.cmdHearMine->setText(text("hearMine"));
    m_ui.picPitch->setBandNames(text("genieBand"), text("learnerBand"));
    m_ui.picPitch->setAccessibleName(text("picture"));
    if (!m_ui.picPitch->showsLearnerCurve() && !m_ui.picPitch->learnerMessage().isEmpty())
        m_ui.picPitch->setLearnerMessage(text(m_take ? "noVoice" : "notYet"));
    updateControls();
    if (!m_statusKey.isEmpty())
        m_ui.lblSpeaking->setText(speakingText(m_language, m_statusKey));
}

void SpeakingPanel::setPhrase(const SpeakingPhrase &phrase, bool showText)
{
    stopAll();
    m_phrase = phrase;
    m_ui.picPitch->setSyllablesShown(showText);
    showGenie();
    m_take.reset();
    if (m_services.recordings && m_services.keepsRecordings())
        m_take = m_services.recordings->load(phrase.recordingName);
    canRecord();
    showLearner();
    setStatus(m_problem ? problemKey(*m_problem) : "hint");
    updateControls();
}

void SpeakingPanel::setGenieSpeech(const QString &russian, const Platform::Utterance &speech)
{
    if (russian != m_phrase.russian)
        return;
    m_phrase.genie = speech;
    showGenie();
    showLearner();
    updateControls();
}

void SpeakingPanel::showPhraseText()
{
    m_ui.picPitch->setSyllablesShown(true);
}

void SpeakingPanel::showGenie()
{
    const Course::StressTable *stress = m_services.stress ? m_services.stress() : nullptr;
    const QString marked = stress ? Course::markStress(m_phrase.russian, *stress, m_phrase.record) : m_phrase.russian;
    m_melody = genieMelody(m_phrase.genie, marked);
    m_ui.picPitch->setGenie(m_melody.curve, m_melody.syllables, m_melody.durationMs);
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
    if (m_recorder && m_recorder->isRecording())
        m_recorder->cancel();
    m_clips->stop();
    m_heldKey = false;
    updateControls();
}

void SpeakingPanel::holdRecordKey(bool down)
{
    const bool recording = m_recorder && m_recorder->isRecording();
    if (down && !recording && m_ui.cmdRecord->isEnabled()) {
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
    m_clips->stop();
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
    m_clips->play({genieSound(m_phrase.genie), take});
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
        m_ui.picPitch->setLearnerMessage(text("notYet"));
        return;
    }
    const Course::PitchAlignment alignment = Course::alignPitch(m_melody.contour, pitchOf(*m_take));
    if (!alignment.learner.isEmpty())
        m_ui.picPitch->setLearner(alignment.learner);
    else if (Course::voicedSemitones(pitchOf(*m_take)).isEmpty())
        m_ui.picPitch->setLearnerMessage(text("noVoice"));
    else
        // The genie's speech has no melody to match (a silent voice, or not come yet): the
        // take stands alone.
        m_ui.picPitch->setLearner(Course::voicedSemitones(pitchOf(*m_take)));
}

void SpeakingPanel::updateControls()
{
    const bool recording = m_recorder && m_recorder->isRecording();
    m_ui.cmdRecord->setEnabled(m_recorder && !m_problem);
    m_ui.cmdRecord->setChecked(recording);
    m_ui.cmdRecord->setText(text(recording ? "stop" : "record"));
    const bool canPlay = m_clips->canPlay() && !recording;
    m_ui.cmdHearGenie->setEnabled(canPlay && !m_phrase.genie.pcm.isEmpty());
    m_ui.cmdHearMine->setEnabled(canPlay && m_take && !m_take->pcm.isEmpty());
    m_ui.cmdHearBoth->setEnabled(m_ui.cmdHearGenie->isEnabled() && m_ui.cmdHearMine->isEnabled());
}

void SpeakingPanel::setStatus(const char *key)
{
    m_statusKey = QString::fromLatin1(key);
    m_ui.lblSpeaking->setText(speakingText(m_language, m_statusKey));
}

} // namespace Practice
