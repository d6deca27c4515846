// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "contents/lessontitles.h"

#include <QFile>

// Q_INIT_RESOURCE declares a global function, so it must be called outside any namespace.
static void initContentsResources()
{
    Q_INIT_RESOURCE(contents);
}

namespace Contents {
namespace {

struct PendingBlock {
    int code = 0;
    LessonTitles::Captions captions;
    QHash<int, QString> entries;
};

} // namespace

LessonTitles LessonTitles::parse(const QString &text)
{
    LessonTitles table;
    PendingBlock block;
    const auto finish = [&table](PendingBlock &pending) {
        if (pending.code == 0 || pending.captions.caption.isNull() || pending.entries.size() != kLessonCount)
            return;
        for (int entry = 1; entry <= kLessonCount; ++entry)
            pending.captions.entries.append(pending.entries.value(entry));
        table.m_captions.insert(pending.code, pending.captions);
    };

    const QStringList lines = text.split(u'\n');
    for (QString line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.startsWith(u'#') || line.trimmed().isEmpty())
            continue;
        if (line.startsWith(u'[')) {
            finish(block);
            block = PendingBlock{};
            const qsizetype close = line.indexOf(u']');
            block.code = close > 1 ? line.mid(1, close - 1).toInt() : 0;
            continue;
        }
        const qsizetype open = line.indexOf(u'"');
        const qsizetype close = line.lastIndexOf(u'"');
        if (open < 0 || close <= open)
            continue;
        const QString key = line.left(open).trimmed();
        const QString value = line.mid(open + 1, close - open - 1);
        if (key == u"caption") {
            block.captions.caption = value;
            continue;
        }
        bool ok = false;
        const int entry = key.toInt(&ok);
        if (ok && entry >= 1 && entry <= kLessonCount)
            block.entries.insert(entry, value);
    }
    finish(block);
    return table;
}

const LessonTitles &LessonTitles::builtIn()
{
    static const LessonTitles table = [] {
        initContentsResources();
        QFile file(QStringLiteral(":/contents/lessontitles.txt"));
        if (!file.open(QIODevice::ReadOnly))
            return LessonTitles{};
        return parse(QString::fromUtf8(file.readAll()));
    }();
    return table;
}

const LessonTitles::Captions *LessonTitles::forLanguage(int languageCode) const
{
    const auto found = m_captions.constFind(languageCode);
    return found == m_captions.constEnd() ? nullptr : &*found;
}

} // namespace Contents
