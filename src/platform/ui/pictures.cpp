// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/ui/pictures.h"

#include <QImage>
#include <QImageReader>

namespace Platform::Pictures {

QPixmap render(const QString &path, const QSize &logicalSize, qreal devicePixelRatio, Qt::AspectRatioMode mode)
{
    QImageReader reader(path);
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
