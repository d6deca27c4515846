// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/ui/pictures.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace Platform::Pictures {

bool open(QImageReader &reader, const QString &path)
{
    // Told nothing, Qt asks every image-format plugin about a PNG file before it uses its own
    // reader, loading them all.
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    if (suffix == "png" || suffix == "svg" || suffix == "svgz") {
        reader.setFileName(path);
        reader.setFormat(suffix);
        reader.setAutoDetectImageFormat(false);
        if (reader.canRead())
            return true;
    }
    reader.setFileName(path);
    reader.setFormat({});
    reader.setAutoDetectImageFormat(true);
    return reader.canRead();
}

QPixmap render(const QString &path, const QSize &logicalSize, qreal devicePixelRatio, Qt::AspectRatioMode mode)
{
    QImageReader reader;
    open(reader, path);
    const QSize own = reader.size();
    if (logicalSize.isEmpty() || !own.isValid())
        return {};
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    // The reader scales while decoding, so a drawing is rasterised at the final pixel size
    // instead of being drawn small and enlarged afterwards.
    reader.setScaledSize(own.scaled(logicalSize * ratio, mode));
    QImage image = reader.read();
    if (image.isNull())
        return {};
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(std::move(image));
}

} // namespace Platform::Pictures
