// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/help/chmfile.h"

#include <chm_lib.h>

#include <algorithm>

#include <QFile>
#include <QFileInfo>

#include "platform/help/chmdirectory.h"

namespace Platform {
namespace {

// LZX blocks are never longer than the largest window, 2 MiB; the library allocates the
// length the file claims for every block it decompresses.
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
    if (!chmDirectoryIsSound(path))
        return notHelp();
    chmFile *handle = chm_open(QFile::encodeName(path).constData());
    if (!handle)
        return notHelp();
    if (chmDecompressedBlockLength(handle) > kMaxDecompressedBlock) {
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
