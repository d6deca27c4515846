// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/core/apppaths.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace Platform {

AppPaths::AppPaths()
    : m_folder(QCoreApplication::applicationDirPath())
{
}

AppPaths::AppPaths(QString folder)
    : m_folder(std::move(folder))
{
    while (m_folder.size() > 1 && m_folder.endsWith(u'/'))
        m_folder.chop(1);
}

QString AppPaths::join(const QString &literal) const
{
    return resolve(m_folder + literal);
}

QString AppPaths::join(const QString &first, const QString &second) const
{
    return resolve(m_folder + first + second);
}

QString AppPaths::resolve(const QString &path)
{
    QString result = path;
    // A help reference "file.chm::/page" keeps the part after "::" untouched.
    const qsizetype pageAt = result.indexOf(u"::");
    QString page;
    if (pageAt >= 0) {
        page = result.mid(pageAt);
        result.truncate(pageAt);
    }
    result.replace(u'\\', u'/');
    if (result.endsWith(u".exe", Qt::CaseInsensitive) && !QFileInfo::exists(result)) {
        const QString bare = result.left(result.size() - 4);
        if (QFileInfo::exists(bare))
            result = bare;
    }
    return result + page;
}

} // namespace Platform
