// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "resources/stringtable.h"

#include "course/lessonrules.h"

#include <QFile>

#include "resources/localeid.h"

// Q_INIT_RESOURCE declares a global function, so it must be called outside any namespace.
static void initResourceTables()
{
    Q_INIT_RESOURCE(resources);
}

namespace Resources {
namespace {

constexpr int kFirstLessonIds = 1017; // lessons 1 to 10
constexpr int kLaterLessonIds = 2001; // lessons 11 to 38

int lessonId(int lesson)
{
    return lesson <= 10 ? kFirstLessonIds + lesson - 1 : kLaterLessonIds + lesson - 11;
}

QString readResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

StringTable StringTable::parse(const QString &text)
{
    StringTable table;
    const QStringList lines = text.split(u'\n');
    for (QString line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.startsWith(u'#') || line.trimmed().isEmpty())
            continue;
        if (line.startsWith(u'[')) {
            Block block;
            const qsizetype close = line.indexOf(u']');
            block.language = line.mid(1, close - 1);
            const QStringList ids = line.mid(close + 1).split(u' ', Qt::SkipEmptyParts);
            for (const QString &id : ids) {
                bool ok = false;
                const quint32 value = id.toUInt(&ok, 0);
                if (ok)
                    block.localeIds.append(value);
            }
            table.m_blocks.append(block);
            continue;
        }
        if (table.m_blocks.isEmpty())
            continue;
        const qsizetype tab = line.indexOf(u'\t');
        if (tab < 0)
            continue;
        const QString key = line.left(tab);
        const QString value = line.mid(tab + 1);
        Block &block = table.m_blocks.last();
        if (key == u"lessons") {
            for (int lesson = 1; lesson <= Course::kLessonCount; ++lesson)
                block.texts.insert(lessonId(lesson), value + QString::number(lesson));
            continue;
        }
        bool ok = false;
        const int id = key.toInt(&ok);
        if (ok)
            block.texts.insert(id, value);
    }
    return table;
}

const StringTable &StringTable::menuStrings()
{
    static const StringTable table = [] {
        initResourceTables();
        return parse(readResource(QStringLiteral(":/resources/menustrings.txt")));
    }();
    return table;
}

const StringTable::Block *StringTable::blockFor(quint32 localeId) const
{
    for (const Block &block : m_blocks) {
        if (block.localeIds.contains(localeId))
            return &block;
    }
    for (const Block &block : m_blocks) {
        for (quint32 id : block.localeIds) {
            if (primaryLanguage(id) == primaryLanguage(localeId))
                return &block;
        }
    }
    for (const Block &block : m_blocks) {
        if (block.localeIds.contains(0x0409))
            return &block;
    }
    return nullptr;
}

StringTable StringTable::forLocale(quint32 localeId) const
{
    StringTable selected = *this;
    const Block *block = blockFor(localeId);
    selected.m_selected = block ? int(block - m_blocks.constData()) : -1;
    return selected;
}

std::optional<QString> StringTable::string(int id) const
{
    if (m_selected < 0 || m_selected >= m_blocks.size())
        return std::nullopt;
    const auto &texts = m_blocks.at(m_selected).texts;
    const auto found = texts.constFind(id);
    if (found == texts.constEnd())
        return std::nullopt;
    return *found;
}

QList<quint32> StringTable::localeIds() const
{
    QList<quint32> ids;
    for (const Block &block : m_blocks)
        ids.append(block.localeIds);
    return ids;
}

QString StringTable::languageOf(quint32 localeId) const
{
    const Block *block = blockFor(localeId);
    return block ? block->language : QString();
}

} // namespace Resources
