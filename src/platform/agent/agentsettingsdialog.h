// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QFormLayout;
class QSlider;
class QSpinBox;

namespace Platform {

class SettingsStore;

/// The character service's own settings, kept in section "Character" of its store
/// (CharacterSettingsStore: the learner's Character.ini).
struct CharacterSettings {
    bool speechOutput = true;
    int volume = 100; ///< percent
    bool balloon = true;
    QString balloonFontName; ///< empty: the balloon keeps the font its windows set
    int balloonFontSize = 0; ///< points; 0 as above
    /// The Russian voice: "espeak-ng" (light) or "festival" (natural). Other voices always
    /// speak through eSpeak NG.
    QString voice = QStringLiteral("espeak-ng");

    /// Reads the stored settings; missing or unreadable values keep their defaults.
    static CharacterSettings read(const SettingsStore &store);
    /// Writes all values; false when the store could not be written.
    bool save(SettingsStore &store) const;

    friend bool operator==(const CharacterSettings &, const CharacterSettings &) = default;
};

/// The settings dialog's texts, handed in by the program in its interface language; the
/// English ones until then.
struct CharacterSettingsTexts {
    QString title = QStringLiteral("Character Settings");
    QString speakAloud = QStringLiteral("Speak aloud");
    QString volume = QStringLiteral("Volume:");
    QString voice = QStringLiteral("Voice:");
    QString voiceLight = QStringLiteral("eSpeak NG (light)");
    QString voiceNatural = QStringLiteral("Festival (natural)");
    QString balloon = QStringLiteral("Show the speech balloon");
    QString balloonFont = QStringLiteral("Balloon font:");
    QString fontSize = QStringLiteral("Font size:");
};

/// The settings dialog the character's pop-up command opens: speech output on or off,
/// volume, the Russian voice, balloon on or off and the balloon font. It only edits values; the service stores
/// and applies them when the dialog is accepted.
class AgentSettingsDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AgentSettingsDialog)
public:
    explicit AgentSettingsDialog(QWidget *parent = nullptr);

    void setTexts(const CharacterSettingsTexts &texts);
    void setSettings(const CharacterSettings &settings);
    CharacterSettings settings() const;

private:
    QCheckBox *m_speech;
    QSlider *m_volume;
    QComboBox *m_voice;
    QCheckBox *m_balloon;
    QFontComboBox *m_font;
    QSpinBox *m_fontSize;
    QFormLayout *m_form;
};

} // namespace Platform
