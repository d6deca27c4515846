// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

class QPushButton;
class QWidget;

namespace Platform::Keyboard {

/// Makes Enter (and Return) in \a window behave as in a dialog, which plain windows do not:
/// with another push button in focus that button is pressed, otherwise \a button, the
/// window's default. Keys the control with focus uses itself (a text box that takes new
/// lines) are left to it.
/// Nothing happens while \a button is disabled or hidden. The handler belongs to \a window.
void enterClicks(QWidget *window, QPushButton *button);

} // namespace Platform::Keyboard
