// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "fakecharacterservice.h"

namespace TestSupport {

using Platform::Status;
using Platform::ErrorCode::CharacterNotLoaded;

FakeCharacterService::FakeCharacterService(QObject *parent)
    : CharacterService(parent)
{
}

Platform::CharacterService::ControlId FakeCharacterService::registerControl()
{
    return m_nextControl++;
}

void FakeCharacterService::unregisterControl(ControlId control)
{
    commands.remove(control);
}

Status FakeCharacterService::record(const QString &line, const QString &characterId)
{
    requests.append(line);
    if (!m_loaded.contains(characterId))
        return Platform::fail(CharacterNotLoaded, characterId);
    if (failEverything)
        return Platform::fail(Platform::ErrorCode::NotSupported, QStringLiteral("injected failure"));
    return Platform::ok();
}

Status FakeCharacterService::load(const QString &characterId, const QString &file)
{
    requests.append(QStringLiteral("Load %1 %2").arg(characterId, file));
    if (loadFails)
        return Platform::fail(Platform::ErrorCode::FileNotFound, file);
    m_loaded.insert(characterId);
    return Platform::ok();
}

bool FakeCharacterService::isLoaded(const QString &characterId) const
{
    return m_loaded.contains(characterId);
}

Status FakeCharacterService::setLanguageId(const QString &characterId, int languageId)
{
    if (const Status status = record(QStringLiteral("LanguageID %1").arg(languageId), characterId); status.failed())
        return status;
    if (noRussian && languageId == 1049)
        return Platform::fail(Platform::ErrorCode::NoRussianLanguageSupport, QStringLiteral("no Russian voice"));
    return Platform::ok();
}

Status FakeCharacterService::setTtsModeId(const QString &characterId, const QString &modeId)
{
    return record(QStringLiteral("TTSModeID ") + modeId, characterId);
}

Status FakeCharacterService::moveTo(const QString &characterId, int x, int y)
{
    return record(QStringLiteral("MoveTo %1 %2").arg(x).arg(y), characterId);
}

Status FakeCharacterService::show(const QString &characterId)
{
    return record(QStringLiteral("Show"), characterId);
}

Status FakeCharacterService::play(const QString &characterId, const QString &animation)
{
    if (const Status status = record(QStringLiteral("Play ") + animation, characterId); status.failed())
        return status;
    if (!knownAnimations.isEmpty() && !knownAnimations.contains(animation))
        return Platform::fail(Platform::ErrorCode::AnimationNotFound, animation);
    return Platform::ok();
}

Status FakeCharacterService::speak(const QString &characterId, const QString &text)
{
    return record(QStringLiteral("Speak ") + text, characterId);
}

Status FakeCharacterService::synthesize(const QString &characterId, const QString &text, QObject *receiver,
                                        SpeechDelivery done)
{
    if (const Status status = record(QStringLiteral("Synthesize ") + text, characterId); status.failed())
        return status;
    if (receiver)
        QMetaObject::invokeMethod(
            receiver, [done = std::move(done), utterance = speech] { done(utterance); }, Qt::QueuedConnection);
    return Platform::ok();
}

Status FakeCharacterService::listen(const QString &characterId, bool on)
{
    if (const Status status = record(QStringLiteral("Listen %1").arg(on ? 1 : 0), characterId); status.failed())
        return status;
    if (listenFails)
        return Platform::fail(Platform::ErrorCode::NotSupported, QStringLiteral("no voice input"));
    return Platform::ok();
}

Platform::Result<quint32> FakeCharacterService::balloonStyle(const QString &characterId) const
{
    if (!m_loaded.contains(characterId))
        return Platform::Error{CharacterNotLoaded, characterId};
    return style;
}

Status FakeCharacterService::setBalloonStyle(const QString &characterId, quint32 newStyle)
{
    const Status status = record(QStringLiteral("BalloonStyle %1").arg(newStyle), characterId);
    if (status.ok())
        style = newStyle;
    return status;
}

Status FakeCharacterService::setBalloonFontSize(const QString &characterId, int size)
{
    return record(QStringLiteral("BalloonFontSize %1").arg(size), characterId);
}

Status FakeCharacterService::setBalloonFontCharSet(const QString &characterId, int charSet)
{
    return record(QStringLiteral("BalloonFontCharSet %1").arg(charSet), characterId);
}

Status FakeCharacterService::setBalloonFontName(const QString &characterId, const QString &name)
{
    return record(QStringLiteral("BalloonFontName ") + name, characterId);
}

Status FakeCharacterService::setCommands(ControlId control, const QString &characterId,
                                         const QList<Platform::AgentCommand> &list)
{
    QStringList names;
    for (const auto &command : list)
        names << command.name;
    const Status status = record(QStringLiteral("Commands ") + names.join(u','), characterId);
    if (status.ok())
        commands[control] = list;
    return status;
}

Status FakeCharacterService::setPropertySheetVisible(bool visible)
{
    requests.append(QStringLiteral("PropertySheet %1").arg(visible ? 1 : 0));
    propertySheetVisible = visible;
    return Platform::ok();
}

bool FakeCharacterService::chooseCommand(const QString &name)
{
    for (auto it = commands.cbegin(); it != commands.cend(); ++it) {
        for (const auto &command : it.value()) {
            if (command.name == name) {
                Q_EMIT commandChosen(it.key(), command);
                return true;
            }
        }
    }
    return false;
}

QStringList FakeCharacterService::withPrefix(const QString &prefix) const
{
    QStringList result;
    for (const QString &line : requests) {
        if (line.startsWith(prefix))
            result << line.mid(prefix.size());
    }
    return result;
}

} // namespace TestSupport
