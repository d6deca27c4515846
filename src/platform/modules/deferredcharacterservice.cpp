// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/modules/deferredcharacterservice.h"

#include "platform/modules/adaptermodules.h"

namespace Platform {

namespace {

Error missingModule()
{
    return Error{ErrorCode::NotSupported, QStringLiteral("the character module is not loaded")};
}

} // namespace

DeferredCharacterService::DeferredCharacterService(AdapterModules &modules, const AppPaths &paths, QObject *parent)
    : CharacterService(parent)
    , m_modules(modules)
    , m_paths(paths)
{
}

DeferredCharacterService::~DeferredCharacterService() = default;

CharacterService *DeferredCharacterService::target()
{
    if (!m_made) {
        m_made = true;
        if (const CharacterModule *module = m_modules.characters())
            m_target = module->create(m_paths, m_settingsTexts);
        if (m_target) {
            connect(m_target.get(), &CharacterService::commandChosen, this, &CharacterService::commandChosen);
            connect(m_target.get(), &CharacterService::propertiesChanged, this, &CharacterService::propertiesChanged);
            connect(m_target.get(), &CharacterService::soundUnavailable, this, &CharacterService::soundUnavailable);
        }
    }
    return m_target.get();
}

template<typename Request>
Status DeferredCharacterService::forward(Request &&request)
{
    CharacterService *service = target();
    return service ? request(*service) : Status(missingModule());
}

CharacterService::ControlId DeferredCharacterService::registerControl()
{
    // Without the service, controls still get identities of their own.
    CharacterService *service = target();
    return service ? service->registerControl() : m_nextControl++;
}

void DeferredCharacterService::unregisterControl(ControlId control)
{
    if (CharacterService *service = target())
        service->unregisterControl(control);
}

Status DeferredCharacterService::load(const QString &characterId, const QString &file)
{
    return forward([&](CharacterService &service) { return service.load(characterId, file); });
}

bool DeferredCharacterService::isLoaded(const QString &characterId) const
{
    const CharacterService *service = const_cast<DeferredCharacterService *>(this)->target();
    return service && service->isLoaded(characterId);
}

Status DeferredCharacterService::setLanguageId(const QString &characterId, int languageId)
{
    return forward([&](CharacterService &service) { return service.setLanguageId(characterId, languageId); });
}

Status DeferredCharacterService::setTtsModeId(const QString &characterId, const QString &modeId)
{
    return forward([&](CharacterService &service) { return service.setTtsModeId(characterId, modeId); });
}

Status DeferredCharacterService::moveTo(const QString &characterId, int x, int y)
{
    return forward([&](CharacterService &service) { return service.moveTo(characterId, x, y); });
}

Status DeferredCharacterService::show(const QString &characterId)
{
    return forward([&](CharacterService &service) { return service.show(characterId); });
}

Status DeferredCharacterService::play(const QString &characterId, const QString &animation)
{
    return forward([&](CharacterService &service) { return service.play(characterId, animation); });
}

Status DeferredCharacterService::speak(const QString &characterId, const QString &text)
{
    return forward([&](CharacterService &service) { return service.speak(characterId, text); });
}

Status DeferredCharacterService::listen(const QString &characterId, bool on)
{
    return forward([&](CharacterService &service) { return service.listen(characterId, on); });
}

Result<quint32> DeferredCharacterService::balloonStyle(const QString &characterId) const
{
    if (const CharacterService *service = const_cast<DeferredCharacterService *>(this)->target())
        return service->balloonStyle(characterId);
    return missingModule();
}

Status DeferredCharacterService::setBalloonStyle(const QString &characterId, quint32 style)
{
    return forward([&](CharacterService &service) { return service.setBalloonStyle(characterId, style); });
}

Status DeferredCharacterService::setBalloonFontSize(const QString &characterId, int size)
{
    return forward([&](CharacterService &service) { return service.setBalloonFontSize(characterId, size); });
}

Status DeferredCharacterService::setBalloonFontCharSet(const QString &characterId, int charSet)
{
    return forward([&](CharacterService &service) { return service.setBalloonFontCharSet(characterId, charSet); });
}

Status DeferredCharacterService::setBalloonFontName(const QString &characterId, const QString &name)
{
    return forward([&](CharacterService &service) { return service.setBalloonFontName(characterId, name); });
}

Status DeferredCharacterService::setCommands(ControlId control, const QString &characterId,
                                             const QList<AgentCommand> &commands)
{
    return forward([&](CharacterService &service) { return service.setCommands(control, characterId, commands); });
}

Status DeferredCharacterService::setPropertySheetVisible(bool visible)
{
    return forward([&](CharacterService &service) { return service.setPropertySheetVisible(visible); });
}

} // namespace Platform
