// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QFont>

namespace Platform {

/// \a font, or where its face puts a combining acute accent far from the letter it belongs
/// to (the regular weights of DejaVu Sans do so under Qt 6.4: the accent lands about a line
/// above, out of sight in a text box), the first face of the desktop's serif and monospace
/// faces that places it over the letter, at the same size, weight and slant. Which face a
/// family resolves to is measured once and remembered.
QFont fontPlacingMarks(const QFont &font);

/// True when \a font places a combining acute accent over the letter before it.
bool placesMarks(const QFont &font);

} // namespace Platform
