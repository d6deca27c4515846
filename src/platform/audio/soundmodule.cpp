// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/audio/soundmodule.h"

#include <atomic>
#include <future>

#include <QCoreApplication>

#include "platform/audio/audiologging.h"
#include "platform/core/loadmodule.h"

namespace Platform {

namespace {

std::atomic<const SoundModule *> g_chosen{nullptr};
std::atomic<bool> g_preloading{false};
/// The worker of preloadSoundModule(); the program's end waits for it.
std::future<void> g_preload;

} // namespace

const SoundModule *loadSoundModule(const QString &file)
{
    return loadModule<SoundModule>(file, "veskoraSoundModule", lcAudio());
}

namespace {

const SoundModule *moduleBesideProgram()
{
    // A second caller waits here while the first one loads.
    static const SoundModule *const loaded =
        loadSoundModule(QCoreApplication::applicationDirPath() + QStringLiteral("/plugins/sound.so"));
    return loaded;
}

} // namespace

const SoundModule *soundModule()
{
    if (const SoundModule *chosen = g_chosen.load())
        return chosen;
    return moduleBesideProgram();
}

void useSoundModule(const SoundModule *module)
{
    g_chosen.store(module);
}

void preloadSoundModule()
{
    if (g_chosen.load() || g_preloading.exchange(true))
        return;
    g_preload = std::async(std::launch::async, [] { moduleBesideProgram(); });
}

} // namespace Platform
