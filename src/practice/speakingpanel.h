// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <optional>

#include <QList>
#include <QPointer>
#include <QWidget>

#include "course/stresstable.h"
#include "platform/agent/speechengine.h"
#include "platform/audio/soundrecorder.h"
#include "practice/melody.h"
#include "practice/speakingservices.h"

class QLabel;
class QPushButton;

namespace Practice {

class ClipQueue;
class PitchPicture;

/// A phrase for the learner to say: where its recording is kept, its text, the record it
/// comes from (for the stress source) and the genie's speech of it.
struct SpeakingPhrase {
    /// The name of its kept recording ("lesson05-record03").
    QString recordingName;
    QString russian;
    Course::CourseRecord record;
    /// The genie's speech (CharacterService::synthesize); its samples may be empty, and it
    /// may come later (SpeakingPanel::setGenieSpeech).
    Platform::Utterance genie;
};

/// The panel's controls, named as the panel names them.
struct SpeakingControls {
    QPushButton *cmdRecord = nullptr;
    QPushButton *cmdHearBoth = nullptr;
    QPushButton *cmdHearGenie = nullptr;
    QPushButton *cmdHearMine = nullptr;
    QLabel *lblSpeaking = nullptr;
    PitchPicture *picPitch = nullptr;
};

/// "Say it yourself": the learner records the phrase and hears the genie's speech and then
/// their own, and sees both melodies (PitchPicture). Record starts a take and, pressed
/// again, ends it; a take also ends by itself after a pause or at ten seconds. The genie's
/// speech and the learner's last take can each be heard again.
///
/// When the voice cannot be recorded (no input, a failing device, access refused) the
/// Record control is off and one line says why; the rest of the panel still shows the
/// genie's melody and plays the genie.
///
/// The last take of each phrase is kept in the recordings store while the learner keeps
/// recordings, and shown again when the phrase comes back.
class SpeakingPanel final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpeakingPanel)
public:
    /// \a services must outlive the panel's use; its recorder and player may go first.
    explicit SpeakingPanel(const SpeakingServices &services, QWidget *parent = nullptr);
    ~SpeakingPanel() override;

    void setLanguage(int language);
    /// Shows \a phrase: the genie's melody, and the learner's last kept take of it if any.
    /// \a showText false keeps the phrase's syllables hidden under the genie's melody (the
    /// learner is to say what they heard), until showPhraseText().
    void setPhrase(const SpeakingPhrase &phrase, bool showText = true);
    /// The genie's speech of \a russian, come in after setPhrase(); ignored unless it is the
    /// phrase shown now.
    void setGenieSpeech(const QString &russian, const Platform::Utterance &speech);
    /// Shows the syllables of the phrase under the genie's melody.
    void showPhraseText();
    /// Stops recording and playing (the item is left).
    void stopAll();

    /// Holding the record key: \a down starts a take, letting go ends it.
    void holdRecordKey(bool down);
    /// Holding R in \a window (when no control there takes the key) records while the
    /// panel is shown.
    void watchRecordKey(QWidget *window);
    /// True when a take can be started (looks for an input the first time).
    bool canRecord();

    /// The learner's take shown now, if any.
    const std::optional<Platform::RecordedSound> &take() const { return m_take; }
    /// Why recording is off, if it is.
    std::optional<Platform::SoundRecorder::InputProblem> inputProblem() const { return m_problem; }
    PitchPicture *picture() const { return m_ui.picPitch; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

Q_SIGNALS:
    /// The learner finished a take of the current phrase (it may hold no voice).
    void takeFinished();

private:
    void toggleRecording();
    void takeDone(const Platform::RecordedSound &take);
    void inputFailed(Platform::SoundRecorder::InputProblem problem);
    void showGenie();
    void showLearner();
    void updateControls();
    void setStatus(const char *key);
    QString text(const char *key) const;

    const SpeakingServices &m_services;
    // The panel may outlive the recorder and player when the program closes (its window
    // goes with the main window, after the services): it touches them only while they live.
    QPointer<Platform::SoundRecorder> m_recorder;
    ClipQueue *m_clips;
    SpeakingControls m_ui;
    SpeakingPhrase m_phrase;
    GenieMelody m_melody;
    std::optional<Platform::RecordedSound> m_take;
    std::optional<Platform::SoundRecorder::InputProblem> m_problem;
    QString m_statusKey;
    int m_language = 0;
    bool m_checkedInput = false;
    bool m_heldKey = false;
};

} // namespace Practice
