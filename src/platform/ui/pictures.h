// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

class QImageReader;

namespace Platform::Pictures {

/// Points \a reader at the picture \a path. A ".png", ".svg" or ".svgz" file is read in that
/// format only, so no other image-format plugin is loaded to look at it; a file that is not
/// what its name says is read as Qt recognises it. Returns reader.canRead().
bool open(QImageReader &reader, const QString &path);

/// Reads the picture at \a path (PNG, SVG, …) scaled to \a logicalSize (kept in proportion
/// unless \a mode says otherwise) and rendered at \a devicePixelRatio, so that it stays sharp
/// on a scaled screen: the pixmap has logicalSize × devicePixelRatio pixels and carries the
/// ratio. Returns a null pixmap when the file cannot be read or the size is empty.
QPixmap render(const QString &path, const QSize &logicalSize, qreal devicePixelRatio,
               Qt::AspectRatioMode mode = Qt::KeepAspectRatio);

} // namespace Platform::Pictures
