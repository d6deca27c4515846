// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/ui/pictures.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace Platform::Pictures {
namespace {

Status refuse(const QString &what)
{
    return fail(ErrorCode::InvalidArgument, what);
}

/// The image format of \a bytes. PNG is known by its signature and a drawing by what the SVG
/// reader says of it; only what neither recognises is shown to every image-format plugin,
/// which loads them all with their libraries.
QByteArray formatOf(QByteArray &bytes)
{
    static const QByteArray pngSignature = QByteArrayLiteral("\x89PNG\r\n\x1a\n");
    if (bytes.startsWith(pngSignature))
        return QByteArrayLiteral("png");
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    if (!bytes.startsWith("\x1f\x8b")) {
        QImageReader drawing(&buffer, QByteArrayLiteral("svg"));
        drawing.setAutoDetectImageFormat(false);
        if (drawing.canRead())
            return QByteArrayLiteral("svg");
        buffer.seek(0);
    }
    return QImageReader::imageFormat(&buffer);
}

bool pointsInside(QStringView reference)
{
    return reference.trimmed().startsWith(u'#');
}

/// The first url(…) in \a text that points outside the document, or empty.
QString outsideUrl(const QString &text)
{
    static const QRegularExpression url(QStringLiteral(R"(url\s*\(\s*['"]?([^'")]*))"),
                                        QRegularExpression::CaseInsensitiveOption);
    for (auto it = url.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (!pointsInside(match.capturedView(1)))
            return match.captured(1);
    }
    return {};
}

/// Drawings inside drawings (an <image> whose data: address holds SVG) are checked as deep
/// as this; deeper ones are refused.
constexpr int kMaxNestedDrawings = 4;

Status checkDrawing(const QByteArray &svg, int depth);

/// Checks the picture an <image> draws from \a reference: only a data: address, read the way
/// the SVG renderer reads it (the text after the last "base64,"); a drawing held there must
/// be self-contained too.
Status checkInlinePicture(const QString &element, const QString &reference, int depth)
{
    // The renderer takes any other text, "DATA:" and " data:" among them, for a file name.
    if (!reference.startsWith(QLatin1String("data:")))
        return refuse(QStringLiteral("<%1> refers to %2").arg(element, reference.left(200)));
    const qsizetype start = reference.lastIndexOf(QLatin1String("base64,"));
    if (start < 0)
        return ok();
    QByteArray bytes = QByteArray::fromBase64(reference.mid(start + 7).toLatin1());
    if (!formatOf(bytes).startsWith("svg"))
        return ok();
    if (depth >= kMaxNestedDrawings)
        return refuse(QStringLiteral("drawings nest more than %1 deep").arg(kMaxNestedDrawings));
    return checkDrawing(bytes, depth + 1);
}

} // namespace

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

bool isPlainFileName(const QString &name)
{
    // Qt reads a name starting with ':' as one of the program's own resources.
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\') && !name.startsWith(u'.')
        && !name.startsWith(u':') && !name.contains(QChar(0));
}

namespace {

Status checkDrawing(const QByteArray &svg, int depth)
{
    if (svg.startsWith("\x1f\x8b"))
        return refuse(QStringLiteral("a compressed drawing cannot be checked"));
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            if (!xml.entityDeclarations().isEmpty() || xml.text().contains(QLatin1String("ENTITY")))
                return refuse(QStringLiteral("the drawing declares entities"));
            break;
        case QXmlStreamReader::StartElement: {
            const bool picture = xml.name() == u"image";
            for (const QXmlStreamAttribute &attribute : xml.attributes()) {
                const QString value = attribute.value().toString();
                if (attribute.name() == u"href" && !pointsInside(value)) {
                    if (!picture)
                        return refuse(QStringLiteral("<%1> refers to %2").arg(xml.name(), value.left(200)));
                    // The renderer reads the address with its blanks trimmed.
                    if (const Status status = checkInlinePicture(xml.name().toString(), value.trimmed(), depth);
                        status.failed())
                        return status;
                }
                if (const QString url = outsideUrl(value); !url.isEmpty())
                    return refuse(QStringLiteral("<%1> refers to %2").arg(xml.name(), url.left(200)));
            }
            break;
        }
        case QXmlStreamReader::Characters: {
            const QString text = xml.text().toString();
            if (text.contains(QLatin1String("@import"), Qt::CaseInsensitive))
                return refuse(QStringLiteral("the drawing imports a style sheet"));
            if (const QString url = outsideUrl(text); !url.isEmpty())
                return refuse(QStringLiteral("a style sheet refers to %1").arg(url.left(200)));
            break;
        }
        default:
            break;
        }
    }
    if (xml.hasError())
        return refuse(QStringLiteral("the drawing is not well-formed XML: %1").arg(xml.errorString()));
    return ok();
}

} // namespace

Status checkSelfContainedSvg(const QByteArray &svg)
{
    return checkDrawing(svg, 0);
}

Result<Picture> readPicture(const QString &folder, const QString &name)
{
    if (!isPlainFileName(name))
        return Error{ErrorCode::InvalidArgument,
                     QStringLiteral("picture name \"%1\" is not a plain file name").arg(name.left(200))};
    const QString path = folder + u'/' + name;
    const QFileInfo info(path);
    if (!info.exists())
        return Error{ErrorCode::FileNotFound, QStringLiteral("no picture %1").arg(path)};
    // A link to a device or a pipe (/dev/zero) would never end.
    if (!info.isFile())
        return Error{ErrorCode::InvalidArgument, QStringLiteral("%1 is not a regular file").arg(path)};
    if (info.size() > kMaxPictureBytes)
        return Error{ErrorCode::InvalidArgument,
                     QStringLiteral("%1 holds %2 bytes; pictures hold at most %3")
                         .arg(path)
                         .arg(info.size())
                         .arg(kMaxPictureBytes)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error{ErrorCode::FileNotFound, QStringLiteral("%1: %2").arg(path, file.errorString())};
    Picture picture;
    picture.bytes = file.read(kMaxPictureBytes + 1);
    if (picture.bytes.size() > kMaxPictureBytes)
        return Error{ErrorCode::InvalidArgument,
                     QStringLiteral("%1 grew beyond %2 bytes").arg(path).arg(kMaxPictureBytes)};
    picture.format = formatOf(picture.bytes);
    if (picture.format.isEmpty())
        return Error{ErrorCode::InvalidArgument, QStringLiteral("%1 is not a picture").arg(path)};
    if (picture.format.startsWith("svg")) {
        if (const Status status = checkSelfContainedSvg(picture.bytes); status.failed())
            return Error{status.code(), path + QStringLiteral(": ") + status.error().detail};
    }
    return picture;
}

} // namespace Platform::Pictures
