// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/audio/audiologging.h"

namespace Platform {

Q_LOGGING_CATEGORY(lcAudio, "veskora.audio")

} // namespace Platform
