// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/help/chmfile.h"

#include <chm_lib.h>

#include <algorithm>

#include <QFile>
#include <QFileInfo>

namespace Platform {
namespace {

constexpr quint64 kMaxDecompressedBlock = 2 * 1024 * 1024;

int collectEntry(struct chmFile *, struct chmUnitInfo *info, void *context)
{
    auto *entries = static_cast<QStringList *>(context);
    const QByteArray stored(info->path);
    const QString name = QString::fromUtf8(stored);
    // Skip the file's own bookkeeping records and folders.
    if (name.startsWith(u"/#") || name.startsWith(u"/$") || name.startsWith(u"::") || name.endsWith(u'/'))
        return CHM_ENUMERATOR_CONTINUE;
    // A name that could not be asked for again under the same bytes (not UTF-8, no leading
    // '/', a '\', which page names read as '/') is left out: it is no page of a real file.
    if (!name.startsWith(u'/') || name.contains(u'\\') || name.toUtf8() != stored)
        return CHM_ENUMERATOR_CONTINUE;
    entries->append(name);
    return CHM_ENUMERATOR_CONTINUE;
}

quint64 littleEndian(const QByteArray &bytes, qsizetype at, int size)
{
    quint64 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes.at(at + i));
    return value;
}

/// The help library sizes buffers by two numbers of the file's headers: the directory's
/// block length and the length of a decompressed block. A damaged or hostile file may claim
/// gigabytes for either, and the library allocates them before any page is read. True when
/// both are within what the file can hold (the directory's blocks lie in the file; LZX
/// blocks are never longer than its largest window, 2 MiB).
bool headerLengthsAreSane(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const quint64 size = quint64(file.size());
    const QByteArray itsf = file.read(0x60);
    if (itsf.size() < 0x58 || !itsf.startsWith("ITSF"))
        return true; // not a help file at all: the library says so itself
    const quint64 directory = littleEndian(itsf, 0x48, 8);
    if (directory > size || !file.seek(qint64(directory)))
        return false;
    const QByteArray itsp = file.read(0x54);
    if (itsp.size() < 0x14 || !itsp.startsWith("ITSP"))
        return true;
    const quint64 blockLength = littleEndian(itsp, 0x10, 4);
    return blockLength > 0 && blockLength <= size;
}

/// The length of a decompressed block the open file \a handle claims; 0 when it has none.
quint64 decompressedBlockLength(chmFile *handle)
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

QString normalise(const QString &page)
{
    QString name = page;
    name.replace(u'\\', u'/');
    if (!name.startsWith(u'/'))
        name.prepend(u'/');
    return name;
}

} // namespace

ChmFile::ChmFile(chmFile *handle, QString path)
    : m_handle(handle)
    , m_path(std::move(path))
    , m_fileSize(QFileInfo(m_path).size())
{
    chm_enumerate(m_handle, CHM_ENUMERATE_ALL, collectEntry, &m_entries);
}

ChmFile::~ChmFile()
{
    chm_close(m_handle);
}

Result<std::unique_ptr<ChmFile>> ChmFile::open(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return Error{ErrorCode::FileNotFound, QStringLiteral("help file %1 not found").arg(path)};
    const auto notHelp = [&path] {
        return Error{ErrorCode::UnrecognizedDatabaseFormat, QStringLiteral("%1 is not a compiled help file").arg(path)};
    };
    if (!headerLengthsAreSane(path))
        return notHelp();
    chmFile *handle = chm_open(QFile::encodeName(path).constData());
    if (!handle)
        return notHelp();
    if (decompressedBlockLength(handle) > kMaxDecompressedBlock) {
        chm_close(handle);
        return notHelp();
    }
    return std::unique_ptr<ChmFile>(new ChmFile(handle, path));
}

QStringList ChmFile::entries() const
{
    return m_entries;
}

QString ChmFile::storedName(const QString &page) const
{
    const QString wanted = normalise(page);
    if (m_entries.contains(wanted))
        return wanted;
    for (const QString &entry : m_entries) {
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

bool ChmFile::contains(const QString &page) const
{
    return !storedName(page).isEmpty();
}

std::optional<QByteArray> ChmFile::read(const QString &page) const
{
    const QString name = storedName(page);
    if (name.isEmpty())
        return std::nullopt;
    chmUnitInfo info{};
    if (chm_resolve_object(m_handle, name.toUtf8().constData(), &info) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    // The length comes from the file's directory; a damaged or hostile file may claim any
    // length at all, and no page of a real help file is larger than the whole file.
    if (info.length > LONGUINT64(std::max<qint64>(m_fileSize, 0)))
        return std::nullopt;
    QByteArray data;
    data.resize(qsizetype(info.length));
    if (info.length == 0)
        return data;
    const LONGINT64 read =
        chm_retrieve_object(m_handle, &info, reinterpret_cast<unsigned char *>(data.data()), 0, LONGINT64(info.length));
    if (read != LONGINT64(info.length))
        return std::nullopt;
    return data;
}

} // namespace Platform
