// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/help/chmdirectory.h"

#include <chm_lib.h>

#include <algorithm>

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QSet>

namespace Platform {
namespace {

quint64 littleEndian(const QByteArray &bytes, qsizetype at, int size)
{
    quint64 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes.at(at + i));
    return value;
}

/// A number of the directory's variable-length form (7 bits a byte, high bit: more
/// follows) at \a at, which moves past it; false when it runs past \a end or beyond 32 bits.
bool readNumber(const QByteArray &bytes, qsizetype &at, qsizetype end, quint64 &value)
{
    value = 0;
    for (int count = 0; at < end && count < 5; ++count) {
        const quint8 byte = quint8(bytes.at(at++));
        value = (value << 7) | (byte & 0x7f);
        if (!(byte & 0x80))
            return value <= 0xffffffffu;
    }
    return false;
}

class Directory {
public:
    explicit Directory(const QString &path)
        : m_file(path)
    {
    }

    bool check()
    {
        if (!m_file.open(QIODevice::ReadOnly))
            return false;
        const quint64 size = quint64(m_file.size());
        const QByteArray itsf = m_file.read(0x58);
        if (itsf.size() < 0x58 || !itsf.startsWith("ITSF"))
            return true;
        const quint64 itspAt = littleEndian(itsf, 0x48, 8);
        if (itspAt > size || !m_file.seek(qint64(itspAt)))
            return false;
        const QByteArray itsp = m_file.read(0x54);
        if (itsp.size() < 0x54 || !itsp.startsWith("ITSP"))
            return true;
        m_blockLength = littleEndian(itsp, 0x10, 4);
        m_blocksAt = itspAt + littleEndian(itsp, 0x08, 4);
        if (m_blockLength == 0 || m_blockLength > size || m_blocksAt > size)
            return false;
        m_blockCount = (size - m_blocksAt) / m_blockLength;
        const qint32 head = qint32(littleEndian(itsp, 0x20, 4));
        const qint32 root = qint32(littleEndian(itsp, 0x1c, 4));
        return listingChainEnds(head) && indexLeadsDown(root < 0 ? head : root);
    }

private:
    QByteArray block(quint64 number)
    {
        if (number >= m_blockCount || !m_file.seek(qint64(m_blocksAt + number * m_blockLength)))
            return {};
        return m_file.read(qint64(m_blockLength));
    }

    /// The listing blocks, linked by their "next" numbers, reach -1 within the blocks there are.
    bool listingChainEnds(qint32 head)
    {
        qint32 current = head;
        for (quint64 steps = 0; current != -1; ++steps) {
            if (current < 0 || steps > m_blockCount)
                return false;
            const QByteArray listing = block(quint64(current));
            // Anything but a listing block ends the library's walk.
            if (listing.size() < 0x14 || !listing.startsWith("PMGL"))
                return true;
            current = qint32(littleEndian(listing, 0x10, 4));
        }
        return true;
    }

    /// Every index block below \a root names only blocks before itself.
    bool indexLeadsDown(qint32 root)
    {
        QList<quint64> pending;
        QSet<quint64> seen;
        if (root >= 0)
            pending << quint64(root);
        while (!pending.isEmpty()) {
            const quint64 number = pending.takeLast();
            if (seen.contains(number))
                continue;
            seen.insert(number);
            const QByteArray index = block(number);
            if (index.size() < 8 || !index.startsWith("PMGI"))
                continue;
            const quint64 freeSpace = littleEndian(index, 4, 4);
            const qsizetype end = qsizetype(m_blockLength - std::min(freeSpace, m_blockLength));
            for (qsizetype at = 8; at < end;) {
                quint64 nameLength = 0;
                quint64 child = 0;
                if (!readNumber(index, at, end, nameLength) || nameLength > quint64(end - at))
                    break;
                at += qsizetype(nameLength);
                if (!readNumber(index, at, end, child))
                    break;
                if (child >= number)
                    return false;
                pending << child;
            }
        }
        return true;
    }

    QFile m_file;
    quint64 m_blockLength = 0;
    quint64 m_blocksAt = 0;
    quint64 m_blockCount = 0;
};

} // namespace

bool chmDirectoryIsSound(const QString &path)
{
    return Directory(path).check();
}

/// The length of a decompressed block the open file \a handle claims; 0 when it has none.
quint64 chmDecompressedBlockLength(chmFile *handle)
{
    chmUnitInfo info{};
    if (chm_resolve_object(handle,
                           "::DataSpace/Storage/MSCompressed/Transform/"
                           "{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable",
                           &info)
            != CHM_RESOLVE_SUCCESS
        || info.space != CHM_UNCOMPRESSED)
        return 0;
    QByteArray table(0x28, '\0');
    if (chm_retrieve_object(handle, &info, reinterpret_cast<unsigned char *>(table.data()), 0, table.size())
        != table.size())
        return 0;
    return littleEndian(table, 0x20, 8);
}

} // namespace Platform
