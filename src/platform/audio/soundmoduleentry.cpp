// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// The one symbol the sound module exports.
#include <QtGlobal>

#include "platform/audio/soundmodule.h"

extern "C" Q_DECL_EXPORT const Platform::SoundModule *veskoraSoundModule()
{
    return &Platform::qtSoundModule();
}
