// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/charactersettingssheet.h"

#include "platform/agent/agentlogging.h"

namespace Platform {

CharacterSettingsSheet::CharacterSettingsSheet(SettingsStore &store, QObject *parent)
    : QObject(parent)
    , m_store(&store)
    , m_settings(CharacterSettings::read(store))
{
}

CharacterSettingsSheet::~CharacterSettingsSheet()
{
    delete m_dialog;
}

void CharacterSettingsSheet::setVisible(bool visible)
{
    if (!visible) {
        if (m_dialog)
            m_dialog->hide();
        return;
    }
    if (!m_dialog) {
        m_dialog = new AgentSettingsDialog;
        connect(m_dialog, &QDialog::accepted, this, &CharacterSettingsSheet::accept);
    }
    m_dialog->setTexts(m_texts ? m_texts() : CharacterSettingsTexts{});
    m_dialog->setSettings(m_settings);
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void CharacterSettingsSheet::accept()
{
    m_settings = m_dialog->settings();
    if (!m_settings.save(*m_store))
        qCWarning(lcAgent) << "the character settings could not be stored; they last for this run only";
    Q_EMIT changed();
}

} // namespace Platform
