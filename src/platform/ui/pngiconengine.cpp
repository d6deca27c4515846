// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/ui/pngiconengine.h"

#include <QApplication>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

// Defined by moc for the plugin class below.
extern const QStaticPlugin qt_static_plugin_PngIconEnginePlugin();

namespace Platform {

PngIconEngine::PngIconEngine(const PngIconEngine &other)
    : QIconEngine(other)
    , m_icon(other.m_icon)
{
}

void PngIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    m_icon.paint(painter, rect, Qt::AlignCenter, mode, state);
}

QSize PngIconEngine::actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return m_icon.actualSize(size, mode, state);
}

QPixmap PngIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return m_icon.pixmap(size, 1.0, mode, state);
}

void PngIconEngine::addPixmap(const QPixmap &pixmap, QIcon::Mode mode, QIcon::State state)
{
    m_icon.addPixmap(pixmap, mode, state);
}

void PngIconEngine::addFile(const QString &fileName, const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    QImageReader reader(fileName, "png");
    reader.setAutoDetectImageFormat(false);
    QImage image;
    while (reader.read(&image)) {
        if (!size.isValid() || image.size() == size)
            m_icon.addPixmap(QPixmap::fromImage(image), mode, state);
    }
}

QString PngIconEngine::key() const
{
    return QStringLiteral("PngIconEngine");
}

QIconEngine *PngIconEngine::clone() const
{
    return new PngIconEngine(*this);
}

QList<QSize> PngIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    return m_icon.availableSizes(mode, state);
}

bool PngIconEngine::isNull()
{
    return m_icon.isNull();
}

QIconEngine *PngIconEnginePlugin::create(const QString &fileName)
{
    auto *engine = new PngIconEngine;
    if (!fileName.isEmpty())
        engine->addFile(fileName, {}, QIcon::Normal, QIcon::Off);
    return engine;
}

QIcon PngOnlyStyle::standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    if (icon != SP_TitleBarMenuButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    // Qt's common style draws this icon from a small built-in drawing and its 64-pixel logo.
    QIcon menu(baseStyle()->standardPixmap(icon, option, widget));
    QImageReader logo(QStringLiteral(":/qt-project.org/qmessagebox/images/qtlogo-64.png"), "png");
    logo.setAutoDetectImageFormat(false);
    if (const QImage image = logo.read(); !image.isNull())
        menu.addPixmap(QPixmap::fromImage(image));
    return menu;
}

void usePngIconEngine()
{
    static const bool registered = [] {
        qRegisterStaticPluginFunction(qt_static_plugin_PngIconEnginePlugin());
        QApplication::setStyle(new PngOnlyStyle);
        return true;
    }();
    Q_UNUSED(registered)
}

} // namespace Platform

// The plugin is compiled as a static one (QT_STATICPLUGIN, see CMakeLists.txt).
#include "moc_pngiconengine.cpp"
