// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/agentsettingsdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/agent/voicechoice.h"
#include "platform/settings/settingsstore.h"

namespace Platform {

namespace {

const QString kCharacterSection = QStringLiteral("Character");

bool readFlag(const SettingsStore &store, const QString &key, bool fallback)
{
    const QString value = store.read(kApplication, kCharacterSection, key);
    return value.isEmpty() ? fallback : value != u"0";
}

} // namespace

CharacterSettings CharacterSettings::read(const SettingsStore &store)
{
    CharacterSettings settings;
    settings.speechOutput = readFlag(store, QStringLiteral("SpeechOutput"), settings.speechOutput);
    settings.balloon = readFlag(store, QStringLiteral("Balloon"), settings.balloon);
    bool ok = false;
    const int volume = store.read(kApplication, kCharacterSection, QStringLiteral("Volume")).toInt(&ok);
    if (ok)
        settings.volume = std::clamp(volume, 0, 100);
    settings.balloonFontName = store.read(kApplication, kCharacterSection, QStringLiteral("BalloonFont"));
    const int size = store.read(kApplication, kCharacterSection, QStringLiteral("BalloonFontSize")).toInt(&ok);
    if (ok && size >= 0 && size <= 72)
        settings.balloonFontSize = size;
    // An unknown name keeps the light voice rather than choosing one the learner never did.
    const QString voice = store.read(kApplication, kCharacterSection, QStringLiteral("Voice"));
    if (voiceNamed(voice))
        settings.voice = voice;
    return settings;
}

bool CharacterSettings::save(SettingsStore &store) const
{
    // Every value is attempted even after a failure, so as much as possible is kept.
    bool ok = store.save(kApplication, kCharacterSection, QStringLiteral("SpeechOutput"),
                         speechOutput ? QStringLiteral("1") : QStringLiteral("0"));
    ok = store.save(kApplication, kCharacterSection, QStringLiteral("Volume"), QString::number(volume)) && ok;
    ok = store.save(kApplication, kCharacterSection, QStringLiteral("Balloon"),
                    balloon ? QStringLiteral("1") : QStringLiteral("0"))
        && ok;
    ok = store.save(kApplication, kCharacterSection, QStringLiteral("BalloonFont"), balloonFontName) && ok;
    ok =
        store.save(kApplication, kCharacterSection, QStringLiteral("BalloonFontSize"), QString::number(balloonFontSize))
        && ok;
    ok = store.save(kApplication, kCharacterSection, QStringLiteral("Voice"), voice) && ok;
    return ok;
}

AgentSettingsDialog::AgentSettingsDialog(QWidget *parent)
    : QDialog(parent)
    , m_speech(new QCheckBox(this))
    , m_volume(new QSlider(Qt::Horizontal, this))
    , m_voice(new QComboBox(this))
    , m_balloon(new QCheckBox(this))
    , m_font(new QFontComboBox(this))
    , m_fontSize(new QSpinBox(this))
    , m_form(new QFormLayout)
{
    setObjectName(QStringLiteral("agentSettingsDialog"));
    m_speech->setObjectName(QStringLiteral("chkSpeechOutput"));
    m_volume->setObjectName(QStringLiteral("sldVolume"));
    m_volume->setRange(0, 100);
    m_voice->setObjectName(QStringLiteral("cboVoice"));
    m_voice->addItem(QString(), voiceName(RussianVoice::Espeak));
    m_voice->addItem(QString(), voiceName(RussianVoice::Festival));
    m_balloon->setObjectName(QStringLiteral("chkBalloon"));
    m_font->setObjectName(QStringLiteral("cboBalloonFont"));
    m_fontSize->setObjectName(QStringLiteral("spnBalloonFontSize"));
    m_fontSize->setRange(6, 72);

    // The labels get their texts from setTexts(), each bound to its field.
    const auto labelled = [this](QWidget *field) {
        auto *label = new QLabel(this);
        label->setBuddy(field);
        m_form->addRow(label, field);
    };
    m_form->addRow(m_speech);
    labelled(m_volume);
    labelled(m_voice);
    m_form->addRow(m_balloon);
    labelled(m_font);
    labelled(m_fontSize);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_form);
    layout->addWidget(buttons);
    setTexts({});
}

void AgentSettingsDialog::setTexts(const CharacterSettingsTexts &texts)
{
    setWindowTitle(texts.title);
    m_speech->setText(texts.speakAloud);
    m_balloon->setText(texts.balloon);
    m_voice->setItemText(0, texts.voiceLight);
    m_voice->setItemText(1, texts.voiceNatural);
    const std::pair<QWidget *, QString> labels[] = {
        {m_volume, texts.volume}, {m_voice, texts.voice}, {m_font, texts.balloonFont}, {m_fontSize, texts.fontSize}};
    for (const auto &[field, text] : labels) {
        if (auto *label = qobject_cast<QLabel *>(m_form->labelForField(field)))
            label->setText(text);
    }
}

void AgentSettingsDialog::setSettings(const CharacterSettings &settings)
{
    m_speech->setChecked(settings.speechOutput);
    m_volume->setValue(settings.volume);
    m_voice->setCurrentIndex(std::max(0, m_voice->findData(settings.voice)));
    m_balloon->setChecked(settings.balloon);
    m_font->setCurrentFont(QFont(settings.balloonFontName.isEmpty() ? font().family() : settings.balloonFontName));
    m_fontSize->setValue(settings.balloonFontSize > 0 ? settings.balloonFontSize : 14);
}

CharacterSettings AgentSettingsDialog::settings() const
{
    CharacterSettings settings;
    settings.speechOutput = m_speech->isChecked();
    settings.volume = m_volume->value();
    settings.voice = m_voice->currentData().toString();
    settings.balloon = m_balloon->isChecked();
    settings.balloonFontName = m_font->currentFont().family();
    settings.balloonFontSize = m_fontSize->value();
    return settings;
}

} // namespace Platform
