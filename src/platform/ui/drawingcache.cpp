// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/ui/drawingcache.h"

#include <array>
#include <utility>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QResource>
#include <QSaveFile>

#include "platform/ui/pictures.h"

namespace Platform::Pictures {
namespace {

QString &drawingCache()
{
    static QString folder;
    return folder;
}

/// What precedes a kept drawing's pixels: premultiplied 32-bit ARGB, rows without padding, in
/// the machine's own byte order (the cache never leaves the machine). The version in the
/// mark changes whenever the layout does.
struct KeptHeader {
    std::array<char, 8> mark{'V', 'S', 'K', 'D', 'R', 'W', '0', '1'};
    quint32 width = 0;
    quint32 height = 0;
};

constexpr auto kKeptFormat = QImage::Format_ARGB32_Premultiplied;

/// The file the drawing of \a source's contents at this size, density and mode is kept in;
/// empty when \a source cannot be read.
QString keptName(const QString &folder, const QString &source, const QSize &logicalSize, qreal devicePixelRatio,
                 Qt::AspectRatioMode mode)
{
    QCryptographicHash key(QCryptographicHash::Sha256);
    // One of the program's own resources is named by its stored bytes, without unpacking them.
    if (const QResource resource(source); resource.isValid() && resource.data()) {
        key.addData(QByteArrayView(reinterpret_cast<const char *>(resource.data()), resource.size()));
        key.addData(QByteArray::number(int(resource.compressionAlgorithm())));
    } else {
        QFile file(source);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        key.addData(file.readAll());
    }
    key.addData(QStringLiteral("%1x%2@%3/%4/%5")
                    .arg(logicalSize.width())
                    .arg(logicalSize.height())
                    .arg(devicePixelRatio)
                    .arg(int(mode))
                    .arg(QString::fromLatin1(qVersion()))
                    .toUtf8());
    return folder + u'/' + QString::fromLatin1(key.result().toHex().left(40)) + QStringLiteral(".drawing");
}

/// The drawing kept in \a path, or a null image when the file is missing, damaged or larger
/// than \a bound.
QImage readKept(const QString &path, const QSize &bound)
{
    QFile file(path);
    KeptHeader header;
    const KeptHeader expected;
    if (!file.open(QIODevice::ReadOnly)
        || file.read(reinterpret_cast<char *>(&header), sizeof header) != qint64(sizeof header)
        || header.mark != expected.mark || header.width == 0 || header.height == 0
        || header.width > quint32(bound.width()) || header.height > quint32(bound.height()))
        return {};
    QImage image(int(header.width), int(header.height), kKeptFormat);
    if (image.isNull() || image.bytesPerLine() != qsizetype(header.width) * 4
        || file.size() != qint64(sizeof header) + image.sizeInBytes()
        || file.read(reinterpret_cast<char *>(image.bits()), image.sizeInBytes()) != image.sizeInBytes())
        return {};
    return image;
}

void keep(const QString &folder, const QString &path, const QPixmap &drawn)
{
    const QImage image = drawn.toImage().convertToFormat(kKeptFormat);
    KeptHeader header;
    header.width = quint32(image.width());
    header.height = quint32(image.height());
    QSaveFile file(path);
    if (image.isNull() || image.bytesPerLine() != qsizetype(header.width) * 4 || !QDir().mkpath(folder)
        || !file.open(QIODevice::WriteOnly))
        return;
    if (file.write(reinterpret_cast<const char *>(&header), sizeof header) == qint64(sizeof header)
        && file.write(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()) == image.sizeInBytes())
        file.commit();
}

} // namespace

void setDrawingCache(const QString &folder)
{
    drawingCache() = folder;
}

QPixmap renderCached(const QString &path, const QSize &logicalSize, qreal devicePixelRatio, Qt::AspectRatioMode mode)
{
    const QString &folder = drawingCache();
    if (folder.isEmpty() || logicalSize.isEmpty())
        return render(path, logicalSize, devicePixelRatio, mode);
    const QString kept = keptName(folder, path, logicalSize, devicePixelRatio, mode);
    if (kept.isEmpty())
        return render(path, logicalSize, devicePixelRatio, mode);
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    // The name fixes the size; a picture larger than asked for is not what was kept.
    if (QImage image = readKept(kept, (QSizeF(logicalSize) * ratio).toSize() + QSize(1, 1)); !image.isNull()) {
        image.setDevicePixelRatio(ratio);
        return QPixmap::fromImage(std::move(image));
    }
    QPixmap drawn = render(path, logicalSize, devicePixelRatio, mode);
    if (!drawn.isNull())
        keep(folder, kept, drawn);
    return drawn;
}

} // namespace Platform::Pictures
