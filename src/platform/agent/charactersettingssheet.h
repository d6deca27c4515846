// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <functional>

#include <QObject>
#include <QPointer>

#include "platform/agent/agentsettingsdialog.h"

namespace Platform {

class SettingsStore;

/// The character's own settings and the dialog that edits them: read from the store at
/// construction, written back (synced at once) when the learner accepts the dialog.
class CharacterSettingsSheet final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CharacterSettingsSheet)
public:
    explicit CharacterSettingsSheet(SettingsStore &store, QObject *parent = nullptr);
    ~CharacterSettingsSheet() override;

    /// Where the dialog gets its texts each time it opens, in the program's interface
    /// language at that moment; English without one.
    void setTexts(std::function<CharacterSettingsTexts()> texts) { m_texts = std::move(texts); }
    /// Opens the dialog with the settings in force (made at the first call), or hides it.
    void setVisible(bool visible);

    /// The dialog once it has been opened, or nullptr.
    AgentSettingsDialog *dialog() const { return m_dialog; }
    CharacterSettings settings() const { return m_settings; }

Q_SIGNALS:
    /// The learner accepted new settings, now in force and stored (or, when the store
    /// failed, kept for this run).
    void changed();

private:
    void accept();

    SettingsStore *m_store;
    CharacterSettings m_settings;
    QPointer<AgentSettingsDialog> m_dialog;
    std::function<CharacterSettingsTexts()> m_texts;
};

} // namespace Platform
