// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/ui/twips.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace Platform::Twips {
namespace {

double logicalDpi(const QWidget *reference)
{
    if (reference && reference->logicalDpiX() > 0)
        return reference->logicalDpiX();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        return screen->logicalDotsPerInchX();
    return 96.0;
}

} // namespace

int toPixels(int twips, const QWidget *reference)
{
    return int(std::lround(twips * logicalDpi(reference) / 1440.0));
}

int fromPixels(int pixels, const QWidget *reference)
{
    return int(std::lround(pixels * 1440.0 / logicalDpi(reference)));
}

void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(toPixels(left, widget), toPixels(top, widget), toPixels(width, widget),
                        toPixels(height, widget));
}

void resize(QWidget *widget, int width, int height)
{
    widget->resize(toPixels(width, widget), toPixels(height, widget));
}

void resizeClient(QWidget *window, int width, int height)
{
    window->resize(toPixels(width, window), toPixels(height, window));
}

void setButtonColour(QWidget *button, const QColor &colour)
{
    // Style sheets are the one way every Qt style honours a button background.
    const QColor text = colour.lightness() < 110 ? Qt::white : Qt::black;
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: %2; border: 1px solid #606060;"
                                         " border-radius: 3px; padding: 1px 4px; }"
                                         " QPushButton:focus { border: 2px solid #202080; }"
                                         " QPushButton:disabled { color: #808080; }")
                              .arg(colour.name(), text.name()));
}

void setColours(QWidget *widget, const QColor &text, const QColor &background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace Platform::Twips
