// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace Platform::Pictures {

/// Keeps the drawings that renderCached() draws in \a folder (created when needed), so that a
/// later run reads them instead of drawing them again; empty (the default): nothing is kept.
void setDrawingCache(const QString &folder);

/// render() for the program's own pictures, through the drawing cache when there is one: a
/// drawing kept for the same file contents, size, density and mode is read back, anything
/// else is drawn and kept. Kept drawings are the image's own pixels behind a short header,
/// read straight into an image: no image reader, no decoding, no image-format plugin is
/// involved, which is what makes reading them cheaper than drawing. A kept file that cannot
/// be read, or is not of the size asked, is drawn again.
QPixmap renderCached(const QString &path, const QSize &logicalSize, qreal devicePixelRatio,
                     Qt::AspectRatioMode mode = Qt::KeepAspectRatio);

} // namespace Platform::Pictures
