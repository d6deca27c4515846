// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/ui/pngiconengine.h"

#include <algorithm>
#include <utility>

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QtEndian>

// Defined by moc for the plugin class below.
extern const QStaticPlugin qt_static_plugin_PngIconEnginePlugin();

namespace Platform {

PngIconEngine::PngIconEngine(const PngIconEngine &other)
    : QIconEngine(other)
    , m_icon(other.m_icon)
    , m_unread(other.m_unread)
{
}

void PngIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    readFiles();
    m_icon.paint(painter, rect, Qt::AlignCenter, mode, state);
}

QSize PngIconEngine::actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    readFiles();
    return m_icon.actualSize(size, mode, state);
}

QPixmap PngIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    readFiles();
    return m_icon.pixmap(size, 1.0, mode, state);
}

void PngIconEngine::addPixmap(const QPixmap &pixmap, QIcon::Mode mode, QIcon::State state)
{
    // Pixmaps and files stay in the order they were given.
    readFiles();
    m_icon.addPixmap(pixmap, mode, state);
}

void PngIconEngine::addFile(const QString &fileName, const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    m_unread.append({fileName, size, mode, state});
}

void PngIconEngine::readFiles()
{
    for (const UnreadFile &file : std::exchange(m_unread, {})) {
        QImageReader reader(file.name, "png");
        reader.setAutoDetectImageFormat(false);
        QImage image;
        while (reader.read(&image)) {
            if (!file.size.isValid() || image.size() == file.size)
                m_icon.addPixmap(QPixmap::fromImage(image), file.mode, file.state);
        }
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
    readFiles();
    return m_icon.availableSizes(mode, state);
}

/// True when \a file begins as a PNG picture does (its signature and a header chunk of a
/// picture with pixels), of the size it was added for, if one was given.
bool PngIconEngine::beginsAsPicture(const UnreadFile &file)
{
    QFile png(file.name);
    if (!png.open(QIODevice::ReadOnly))
        return false;
    const QByteArray start = png.read(24);
    if (start.size() < 24 || !start.startsWith("\x89PNG\r\n\x1a\n") || start.mid(12, 4) != "IHDR")
        return false;
    const QSize size(qFromBigEndian<qint32>(start.constData() + 16), qFromBigEndian<qint32>(start.constData() + 20));
    return !size.isEmpty() && (!file.size.isValid() || size == file.size);
}

bool PngIconEngine::isNull()
{
    // Qt asks at every file added to an icon; a file that begins as a PNG picture of the
    // size asked for answers without reading the picture itself.
    if (!m_icon.isNull() || std::any_of(m_unread.cbegin(), m_unread.cend(), beginsAsPicture))
        return false;
    m_unread.clear();
    return true;
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
    auto *menu = new PngIconEngine;
    menu->addPixmap(baseStyle()->standardPixmap(icon, option, widget), QIcon::Normal, QIcon::Off);
    menu->addFile(QStringLiteral(":/qt-project.org/qmessagebox/images/qtlogo-64.png"), {}, QIcon::Normal, QIcon::Off);
    return QIcon(menu);
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
