// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QByteArray>
#include <QPixmap>
#include <QSize>
#include <QString>

#include "platform/core/error.h"

class QImageReader;

namespace Platform::Pictures {

/// Points \a reader at the picture \a path. A ".png", ".svg" or ".svgz" file is read in that
/// format only, so no other image-format plugin is loaded to look at it; a file that is not
/// what its name says is read as Qt recognises it. Returns reader.canRead().
bool open(QImageReader &reader, const QString &path);

/// Reads the picture at \a path (PNG, SVG, …) scaled to \a logicalSize (kept in proportion
/// unless \a mode says otherwise) and rendered at \a devicePixelRatio, so that it stays sharp
/// on a scaled screen: the pixmap has logicalSize × devicePixelRatio pixels and carries the
/// ratio. Returns a null pixmap when the file cannot be read or the size is empty. For the
/// program's own pictures; pictures from course files go through readPicture().
QPixmap render(const QString &path, const QSize &logicalSize, qreal devicePixelRatio,
               Qt::AspectRatioMode mode = Qt::KeepAspectRatio);

/// The largest picture file read from a course folder, in bytes.
inline constexpr qint64 kMaxPictureBytes = 8 * 1024 * 1024;

/// A picture's bytes and the image format they hold ("png", "svg", …).
struct Picture {
    QByteArray bytes;
    QByteArray format;
};

/// True when \a name is a plain file name that stays inside its folder: not empty, no '/'
/// or '\', not starting with '.' (so neither ".." nor a hidden file) nor with ':' (which Qt
/// reads as one of the program's own resources), no NUL.
bool isPlainFileName(const QString &name);

/// Checks that the SVG drawing \a svg draws from its own bytes only: every reference in it
/// (href, xlink:href, url(…) in attributes and style sheets) points inside the document
/// ("#id"), except pictures (<image>), which may also be "data:" addresses; a drawing held in
/// such an address must be self-contained too (nested at most four deep); it declares no
/// entities and imports no style sheets. Compressed drawings (svgz) cannot be checked and are
/// refused. Errors: InvalidArgument with what was found. Use it on every SVG that comes from
/// a file before it reaches QSvgRenderer or an image reader.
Status checkSelfContainedSvg(const QByteArray &svg);

/// Reads the picture \a name from \a folder, for drawing from its own bytes only (load it
/// with a QImageReader over a QBuffer and the returned format). Errors (InvalidArgument,
/// FileNotFound): a name that is not a plain file name, a missing file, something that is
/// not a regular file (a device, a pipe), a file over kMaxPictureBytes, a format no image
/// reader knows, a drawing that is not self-contained.
Result<Picture> readPicture(const QString &folder, const QString &name);

} // namespace Platform::Pictures
