// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QColor>
#include <QRect>

class QWidget;

namespace Platform::Twips {

/// 1440 twips make one logical inch; pixels follow the screen's logical DPI so layouts
/// keep their proportions on high-density screens.
int toPixels(int twips, const QWidget *reference = nullptr);
int fromPixels(int pixels, const QWidget *reference = nullptr);

/// Places \a widget at left, top with width and height, all in twips.
void place(QWidget *widget, int left, int top, int width, int height);
/// Sets a widget's width and height in twips, keeping its position.
void resize(QWidget *widget, int width, int height);
/// Sets the size of a top-level or child window's client area in twips.
void resizeClient(QWidget *window, int width, int height);

/// Gives a push button a background colour that the style really draws.
void setButtonColour(QWidget *button, const QColor &colour);
/// Sets the text (foreground) and background colours of a label or text box.
void setColours(QWidget *widget, const QColor &text, const QColor &background);

} // namespace Platform::Twips
