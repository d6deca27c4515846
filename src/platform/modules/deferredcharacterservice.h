// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <functional>
#include <memory>

#include "platform/agent/agentsettingsdialog.h"
#include "platform/agent/characterservice.h"
#include "platform/core/apppaths.h"

namespace Platform {

class AdapterModules;

/// The character service as the course program holds it before its module is loaded: the
/// first request makes the real service (waiting for the module when it is still loading)
/// and every request goes on to it; its signals come out of this object. Without the module
/// every request fails with NotSupported and the character stays off the screen.
class DeferredCharacterService final : public CharacterService {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DeferredCharacterService)
public:
    /// \a modules must outlive this object.
    DeferredCharacterService(AdapterModules &modules, const AppPaths &paths, QObject *parent = nullptr);
    ~DeferredCharacterService() override;

    /// The real service, made now if it was not yet; null without the module.
    CharacterService *target();
    /// Where the settings dialog gets its texts, each time it opens; for a service made
    /// after this call.
    void setSettingsTexts(std::function<CharacterSettingsTexts()> texts) { m_settingsTexts = std::move(texts); }

    ControlId registerControl() override;
    void unregisterControl(ControlId control) override;
    Status load(const QString &characterId, const QString &file) override;
    bool isLoaded(const QString &characterId) const override;
    Status setLanguageId(const QString &characterId, int languageId) override;
    Status setTtsModeId(const QString &characterId, const QString &modeId) override;
    Status moveTo(const QString &characterId, int x, int y) override;
    Status show(const QString &characterId) override;
    Status play(const QString &characterId, const QString &animation) override;
    Status speak(const QString &characterId, const QString &text) override;
    Status listen(const QString &characterId, bool on) override;
    Result<quint32> balloonStyle(const QString &characterId) const override;
    Status setBalloonStyle(const QString &characterId, quint32 style) override;
    Status setBalloonFontSize(const QString &characterId, int size) override;
    Status setBalloonFontCharSet(const QString &characterId, int charSet) override;
    Status setBalloonFontName(const QString &characterId, const QString &name) override;
    Status setCommands(ControlId control, const QString &characterId, const QList<AgentCommand> &commands) override;
    Status setPropertySheetVisible(bool visible) override;

private:
    /// Runs \a request on the real service, or fails without one.
    template<typename Request>
    Status forward(Request &&request);

    AdapterModules &m_modules;
    AppPaths m_paths;
    std::function<CharacterSettingsTexts()> m_settingsTexts;
    bool m_made = false;
    std::unique_ptr<CharacterService> m_target;
    ControlId m_nextControl = 1;
};

} // namespace Platform
