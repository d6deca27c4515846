// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QLoggingCategory>

namespace Platform {

/// Sound input, playback of recordings and pitch: "veskora.audio".
Q_DECLARE_LOGGING_CATEGORY(lcAudio)

} // namespace Platform
