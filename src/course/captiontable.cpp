// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "course/captiontable.h"

#include <map>

#include <QFile>

#include "course/languages.h"

// Q_INIT_RESOURCE declares a global function, so it must be called outside any namespace.
static void initCourseResources()
{
    Q_INIT_RESOURCE(course);
}

namespace Course {

CaptionTable CaptionTable::parse(const QString &text)
{
    CaptionTable table;
    Block *block = nullptr;
    for (QString line : text.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.startsWith(u'#') || line.trimmed().isEmpty())
            continue;
        if (line.startsWith(u'[')) {
            const qsizetype close = line.indexOf(u']');
            bool ok = false;
            const int code = close > 1 ? line.mid(1, close - 1).toInt(&ok) : 0;
            block = ok ? &table.m_blocks[code] : nullptr;
            continue;
        }
        const qsizetype open = line.indexOf(u'"');
        const qsizetype close = line.lastIndexOf(u'"');
        const QString key = line.left(open).trimmed();
        if (!block || open < 0 || close <= open || key.isEmpty())
            continue;
        QString value = line.mid(open + 1, close - open - 1);
        value.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
        if (!block->texts.contains(key))
            block->order.append(key);
        block->texts.insert(key, value);
    }
    return table;
}

const CaptionTable &CaptionTable::builtIn(const QString &name)
{
    // Loaded once per name; the tables live until the program ends.
    static std::map<QString, CaptionTable> tables;
    const auto found = tables.find(name);
    if (found != tables.end())
        return found->second;
    initCourseResources();
    QFile file(QStringLiteral(":/course/captions/%1.txt").arg(name));
    CaptionTable table;
    if (file.open(QIODevice::ReadOnly))
        table = parse(QString::fromUtf8(file.readAll()));
    return tables.emplace(name, std::move(table)).first->second;
}

bool CaptionTable::hasLanguage(int language) const
{
    return m_blocks.contains(language);
}

QList<int> CaptionTable::languages() const
{
    QList<int> codes = m_blocks.keys();
    std::sort(codes.begin(), codes.end());
    return codes;
}

QStringList CaptionTable::keys(int language) const
{
    const auto found = m_blocks.constFind(language);
    return found == m_blocks.constEnd() ? QStringList() : found->order;
}

QString CaptionTable::text(int language, const QString &key) const
{
    const auto found = m_blocks.constFind(language);
    return found == m_blocks.constEnd() ? QString() : found->texts.value(key);
}

QString CaptionTable::textOrEnglish(int language, const QString &key) const
{
    const QString own = text(language, key);
    return own.isNull() ? text(Language::English, key) : own;
}

} // namespace Course
