// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

class QWidget;

namespace Resources {
class StringTable;
}

namespace Shell {

/// Fills a window's caption, font and menu captions from the string table, each step with
/// errors ignored:
/// 1. the caption becomes string(tag), the tag being the window's "tag" property read as a
///    whole number; an empty or non-numeric tag or a missing id keeps the design caption;
/// 2. a window with a font of its own gets the face name string(20) and the size
///    string(21) (which the table never holds, so the size stays); a main window (the MDI
///    frame) has no font and skips this;
/// 3. every child widget gets the window's font, and every menu entry whose caption is a
///    string id gets string(id); separators and other non-numeric captions are kept.
void ApplyResourceCaptions(QWidget &window, const Resources::StringTable &table);

} // namespace Shell
