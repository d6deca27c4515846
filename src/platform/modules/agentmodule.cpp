// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/charactersettingssheet.h"
#include "platform/agent/charactersettingsstore.h"
#include "platform/agent/geniecharacterservice.h"
#include "platform/modules/linkedmodules.h"

namespace Platform {

namespace {

class GenieModule final : public CharacterModule {
public:
    std::unique_ptr<CharacterService> create(const AppPaths &paths,
                                             std::function<CharacterSettingsTexts()> settingsTexts) const override
    {
        // The settings store lives as long as the service that reads and writes it.
        auto *settings = new CharacterSettingsStore;
        auto service = std::make_unique<GenieCharacterService>(paths, *settings);
        QObject::connect(service.get(), &QObject::destroyed, [settings] { delete settings; });
        if (settingsTexts)
            service->settingsSheet().setTexts(std::move(settingsTexts));
        return service;
    }

    void setTimeScale(CharacterService &service, double factor) const override
    {
        if (auto *genie = qobject_cast<GenieCharacterService *>(&service))
            genie->setTimeScale(factor);
    }

    bool isBusy(const CharacterService &service, const QString &characterId) const override
    {
        const auto *genie = qobject_cast<const GenieCharacterService *>(&service);
        const CharacterPlayer *player = genie ? genie->player(characterId) : nullptr;
        return player && player->isBusy();
    }
};

} // namespace

const CharacterModule &genieCharacterModule()
{
    static const GenieModule module;
    return module;
}

} // namespace Platform
