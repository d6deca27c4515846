// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QWidget>

#include "installer/components.h"
#include "resources/installerstrings.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;
class QVBoxLayout;

namespace Platform {
class CharacterService;
class SettingsStore;
} // namespace Platform

namespace Installer {

class CommandRunner;

/// The window of a component program: what its check found, a Test button when the
/// component is there and an Install button when a Debian package provides what is
/// missing. The speech-settings program opens the character service's settings dialog; with
/// no service it edits the service's speech output and volume itself (section "Character"
/// of the settings store).
///
/// Fixed element names: lblTitle, lblStatus, lblDetail, lblNote, lblSample, lblMessage,
/// cmdTest, cmdInstall, cmdClose; for the Russian voice lblVoices (both voices, eSpeak NG
/// and Festival) and, while Festival's voice is missing, cmdInstallNatural; for the speech settings cmdSpeechSettings,
/// or chkSpeechOutput, sldVolume and cmdSave without a service.
class ComponentWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ComponentWindow)
public:
    /// \a service is the character service when one is available: the tests of the
    /// character service, the character and the speech settings then go through it, and
    /// the speech settings offer its own settings dialog. Without it the tests speak through the espeak-ng
    /// program. The window keeps references to \a runner, \a settings and \a service.
    ComponentWindow(const ComponentInfo &info, Finding finding, Resources::InstallerStrings texts,
                    CommandRunner &runner, Platform::SettingsStore &settings,
                    Platform::CharacterService *service = nullptr, QWidget *parent = nullptr);
    ~ComponentWindow() override;

    /// What the voice tests say.
    static QString russianSample();
    static QString englishSample();
    /// What the character says when its test shows it.
    static QString genieGreeting();
    /// The line the Cyrillic-font test shows.
    static QString cyrillicSample();
    /// The volume slider's position for a stored "Volume" text: a whole number, held to
    /// 0 to 100; anything else gives full volume, as the service does.
    static int storedVolume(const QString &stored);

private:
    void runTest();
    void install(const QStringList &packages);
    void saveSpeechSettings();
    void addSpeechSettings(QVBoxLayout *layout);
    void addRussianVoices(QVBoxLayout *layout);
    bool speakThroughService(const QString &text, bool russian, bool greet);
    void speakWithProgram(const QString &voice, const QString &text, int volume = -1);
    void showMessage(const QString &text);
    QString text(int id) const { return m_texts.textOrEmpty(id); }

    ComponentInfo m_info;
    Finding m_finding;
    Resources::InstallerStrings m_texts;
    CommandRunner &m_runner;
    Platform::SettingsStore &m_settings;
    Platform::CharacterService *m_service;

    /// The window's named controls.
    struct Controls {
        QLabel *lblSample = nullptr;
        QLabel *lblMessage = nullptr;
        QCheckBox *chkSpeechOutput = nullptr;
        QSlider *sldVolume = nullptr;
    };
    Controls m_ui;
};

} // namespace Installer
