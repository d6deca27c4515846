// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// Feeds an arbitrary picture name and picture to the lesson pictures' checks: the first line
// is the name from the lesson record, the rest the file's bytes. Besides crashes, hangs and
// sanitizer reports it checks that a name taken as plain stays inside the pictures folder,
// and draws every picture that passes the checks the way the lesson window does.
#include "fuzzinput.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include "platform/ui/pictures.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Fuzz::silenceQtMessages();
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes = Fuzz::bytesOf(data, size);
    const qsizetype lineEnd = bytes.indexOf('\n');
    const QString name = QString::fromUtf8(bytes.left(std::max<qsizetype>(lineEnd, 0)));
    bytes.remove(0, lineEnd + 1);

    if (Platform::Pictures::isPlainFileName(name)) {
        const QString folder = QStringLiteral("/course/Pictures");
        const QString path = QDir::cleanPath(QDir(folder).filePath(name));
        if (!path.startsWith(folder + u'/') || path.size() == folder.size() + 1)
            Fuzz::broken();
    }

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray format = QImageReader::imageFormat(&buffer);
    if (format.startsWith("svg") && Platform::Pictures::checkSelfContainedSvg(bytes).failed())
        return 0;
    buffer.seek(0);
    QImageReader reader(&buffer, format);
    const QSize own = reader.size();
    if (own.isValid())
        reader.setScaledSize(own.scaled(QSize(300, 210), Qt::KeepAspectRatio));
    reader.read();
    return 0;
}
