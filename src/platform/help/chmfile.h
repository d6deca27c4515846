// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>
#include <optional>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "platform/core/error.h"

struct chmFile;

namespace Platform {

/// A compiled HTML help file opened read-only with chmlib. Page names are the paths
/// inside the file ("User.htm", "images/a.png"); a leading '/' is optional and names
/// compare without regard to case, as the help viewer's links do.
class ChmFile final {
public:
    ~ChmFile();
    ChmFile(const ChmFile &) = delete;
    ChmFile &operator=(const ChmFile &) = delete;

    /// Opens \a path. Errors: FileNotFound (missing), UnrecognizedDatabaseFormat (not a
    /// help file).
    static Result<std::unique_ptr<ChmFile>> open(const QString &path);

    QString path() const { return m_path; }
    /// The stored entries that are files (not the file's own "#" and "$" records), each
    /// with its leading '/'.
    QStringList entries() const;
    /// True when \a page is in the file.
    bool contains(const QString &page) const;
    /// The bytes of \a page, or nothing when the file lacks it or its directory gives the
    /// page a length beyond the size of the whole file.
    std::optional<QByteArray> read(const QString &page) const;

private:
    ChmFile(chmFile *handle, QString path);
    /// The stored name of \a page (exact first, then without regard to case), or empty.
    QString storedName(const QString &page) const;

    chmFile *m_handle;
    QString m_path;
    qint64 m_fileSize;
    QStringList m_entries;
};

} // namespace Platform
