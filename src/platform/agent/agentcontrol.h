// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

#include "platform/agent/characterservice.h"

namespace Platform {

class AgentControl;

/// The balloon of a character, reached through a character reference. Like the reference,
/// it may outlive the service: its calls then fail with CharacterNotLoaded.
class AgentBalloon final {
public:
    AgentBalloon(CharacterService *service, QString characterId);
    Result<quint32> style() const;
    Status setStyle(quint32 style);
    Status setFontSize(int size);
    Status setFontCharSet(int charSet);
    Status setFontName(const QString &name);

private:
    QPointer<CharacterService> m_service;
    QString m_id;
};

/// A character reference: what Characters("Genie") returns to a window. It may outlive its
/// control and the service (a window's members go in any order at the end of a run): its
/// calls then fail with CharacterNotLoaded and touch nothing.
class AgentCharacter final {
public:
    AgentCharacter(AgentControl &control, QString characterId);

    QString id() const { return m_id; }
    Status setLanguageID(int languageId);
    Status setTTSModeID(const QString &modeId);
    Status moveTo(int x, int y);
    Status show();
    Status play(const QString &animation);
    Status speak(const QString &text);
    Status listen(bool on);
    /// The speech the character would say for \a text, handed back later to \a done instead
    /// of spoken (CharacterService::synthesize).
    Status synthesize(const QString &text, QObject *receiver, CharacterService::SpeechDelivery done);
    AgentBalloon balloon() const;
    /// Commands.RemoveAll
    Status removeAllCommands();
    /// Commands.Add(name, caption, voice)
    Status addCommand(const QString &name, const QString &caption, const QString &voice);

private:
    /// The service behind the control, or nullptr when either has gone.
    CharacterService *service() const;

    QPointer<AgentControl> m_control;
    QString m_id;
};

/// A window's own connection to the character service (its "Agent1"). Each window holds
/// one; all controls that load "Genie" drive the same figure. Events reach the control
/// that they concern: Command only the control that added the chosen command,
/// AgentPropertyChange every control.
///
/// The service and the windows end in no fixed order when the program closes. A control
/// that outlives its service keeps nothing of it: every call then fails with
/// CharacterNotLoaded, and its destruction touches nothing.
class AgentControl final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AgentControl)
public:
    explicit AgentControl(CharacterService &service, QObject *parent = nullptr);
    ~AgentControl() override;

    /// Characters.Load(id, file).
    Status load(const QString &characterId, const QString &file);
    /// Characters(id): fails with CharacterNotLoaded unless this control loaded the id.
    Result<AgentCharacter> character(const QString &characterId);
    /// PropertySheet.Visible = visible.
    Status setPropertySheetVisible(bool visible);

    /// The service, or nullptr once it has gone.
    CharacterService *service() const { return m_service; }
    CharacterService::ControlId id() const { return m_id; }

Q_SIGNALS:
    /// Command(UserInput): the learner chose one of this control's commands.
    void command(const Platform::AgentCommand &userInput);
    /// AgentPropertyChange: the service's settings changed.
    void agentPropertyChange();

private:
    friend class AgentCharacter;
    Status publishCommands(const QString &characterId);

    QPointer<CharacterService> m_service;
    CharacterService::ControlId m_id;
    QSet<QString> m_loaded;
    QHash<QString, QList<AgentCommand>> m_commands;
};

} // namespace Platform
