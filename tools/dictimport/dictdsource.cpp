// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "dictdsource.h"

#include <limits>

#include <QFile>

#include <zlib.h>

namespace DictImport {

QByteArray readGzipFile(const QString &path, QString *error)
{
    gzFile file = gzopen(QFile::encodeName(path).constData(), "rb");
    if (!file) {
        *error = QStringLiteral("cannot open %1").arg(path);
        return {};
    }
    QByteArray data;
    char buffer[1 << 16];
    int read = 0;
    while ((read = gzread(file, buffer, sizeof buffer)) > 0)
        data.append(buffer, read);
    int status = Z_OK;
    const char *message = gzerror(file, &status);
    gzclose(file);
    if (read < 0 || (status != Z_OK && status != Z_STREAM_END)) {
        *error = QStringLiteral("cannot decompress %1: %2").arg(path, QString::fromUtf8(message));
        return {};
    }
    return data;
}

qint64 DictdSource::decodeNumber(QByteArrayView digits)
{
    qint64 value = 0;
    for (const char c : digits) {
        int digit = -1;
        if (c >= 'A' && c <= 'Z')
            digit = c - 'A';
        else if (c >= 'a' && c <= 'z')
            digit = c - 'a' + 26;
        else if (c >= '0' && c <= '9')
            digit = c - '0' + 52;
        else if (c == '+')
            digit = 62;
        else if (c == '/')
            digit = 63;
        // A number too long for 64 bits is as unreadable as a foreign character; carrying
        // on would wrap it round to some other offset in the data.
        if (digit < 0 || value > (std::numeric_limits<qint64>::max() - digit) / 64)
            return -1;
        value = value * 64 + digit;
    }
    return value;
}

bool DictdSource::load(const QString &basePath)
{
    m_error.clear();
    QFile index(basePath + QStringLiteral(".index"));
    if (!index.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("cannot open %1").arg(index.fileName());
        return false;
    }
    m_index = index.readAll();
    if (QFile::exists(basePath + QStringLiteral(".dict.dz"))) {
        m_data = readGzipFile(basePath + QStringLiteral(".dict.dz"), &m_error);
        return m_error.isEmpty();
    }
    QFile plain(basePath + QStringLiteral(".dict"));
    if (!plain.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("cannot open %1(.dz)").arg(plain.fileName());
        return false;
    }
    m_data = plain.readAll();
    return true;
}

QList<QString> DictdSource::entries() const
{
    QList<QString> result;
    for (const QByteArray &line : m_index.split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() < 3 || fields.at(0).startsWith("00database") || fields.at(0).startsWith("00-database"))
            continue;
        const qint64 offset = decodeNumber(fields.at(1));
        const qint64 length = decodeNumber(fields.at(2));
        if (offset < 0 || length <= 0 || offset > m_data.size() || length > m_data.size() - offset)
            continue;
        result.append(QString::fromUtf8(m_data.constData() + offset, length));
    }
    return result;
}

} // namespace DictImport
