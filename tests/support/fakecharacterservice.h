// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QHash>
#include <QSet>
#include <QStringList>

#include "platform/agent/characterservice.h"

namespace TestSupport {

/// A character service that records every request as a trace line (the format of
/// VESKORA_AGENT_TRACE) and carries nothing out. Failures can be injected.
class FakeCharacterService final : public Platform::CharacterService {
    Q_OBJECT
public:
    explicit FakeCharacterService(QObject *parent = nullptr);

    ControlId registerControl() override;
    void unregisterControl(ControlId control) override;
    Platform::Status load(const QString &characterId, const QString &file) override;
    bool isLoaded(const QString &characterId) const override;
    Platform::Status setLanguageId(const QString &characterId, int languageId) override;
    Platform::Status setTtsModeId(const QString &characterId, const QString &modeId) override;
    Platform::Status moveTo(const QString &characterId, int x, int y) override;
    Platform::Status show(const QString &characterId) override;
    Platform::Status play(const QString &characterId, const QString &animation) override;
    Platform::Status speak(const QString &characterId, const QString &text) override;
    /// Hands out \c speech (its word starts and samples as the test set them) from the event
    /// loop, as the real service does.
    Platform::Status synthesize(const QString &characterId, const QString &text, QObject *receiver,
                                SpeechDelivery done) override;
    Platform::Status listen(const QString &characterId, bool on) override;
    Platform::Result<quint32> balloonStyle(const QString &characterId) const override;
    Platform::Status setBalloonStyle(const QString &characterId, quint32 style) override;
    Platform::Status setBalloonFontSize(const QString &characterId, int size) override;
    Platform::Status setBalloonFontCharSet(const QString &characterId, int charSet) override;
    Platform::Status setBalloonFontName(const QString &characterId, const QString &name) override;
    Platform::Status setCommands(ControlId control, const QString &characterId,
                                 const QList<Platform::AgentCommand> &commands) override;
    Platform::Status setPropertySheetVisible(bool visible) override;

    /// The learner picks the command named \a name from the pop-up menu.
    bool chooseCommand(const QString &name);
    /// The service's settings dialog is saved.
    void changeProperties() { Q_EMIT propertiesChanged(); }

    /// Every request, one trace line each.
    QStringList requests;
    /// Only the Speak texts / the Play names / the MoveTo positions, in order.
    QStringList spoken() const { return withPrefix(QStringLiteral("Speak ")); }
    QStringList played() const { return withPrefix(QStringLiteral("Play ")); }
    QStringList moves() const { return withPrefix(QStringLiteral("MoveTo ")); }
    void clear() { requests.clear(); }

    /// Failure injection.
    bool noRussian = false; // LanguageID 1049 fails with 0x80042012
    bool loadFails = false; // Load fails with FileNotFound
    bool listenFails = false; // Listen fails
    bool failEverything = false; // every request after Load fails
    QSet<QString> knownAnimations; // when not empty, Play of any other name fails

    /// What synthesize() hands out.
    Platform::Utterance speech;

    bool propertySheetVisible = false;
    quint32 style = 0;
    QHash<ControlId, QList<Platform::AgentCommand>> commands;

private:
    QStringList withPrefix(const QString &prefix) const;
    Platform::Status record(const QString &line, const QString &characterId);

    ControlId m_nextControl = 1;
    QSet<QString> m_loaded;
};

} // namespace TestSupport
