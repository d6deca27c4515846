// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// Feeds an arbitrary dictionary source to the content compiler's reader. Besides crashes
// and sanitizer reports it checks that every entry it keeps has its seven cells, trimmed,
// and a Russian cell the dictionary database can store.
#include "fuzzinput.h"

#include "course/codepage1251.h"
#include "coursesource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Content::Diagnostics diagnostics;
    const QList<Content::DictionaryEntry> entries =
        Content::parseDictionary(QStringLiteral("dictionary/core.tsv"), Fuzz::bytesOf(data, size), diagnostics);
    for (const Content::DictionaryEntry &entry : entries) {
        for (const QString &cell : entry.cells) {
            if (cell != cell.trimmed() || cell.contains(u'\t'))
                Fuzz::broken();
        }
        if (entry.cells[Content::kDictionaryRussian].isEmpty())
            Fuzz::broken();
    }
    if (diagnostics.hasErrors())
        return 0;
    QString stored;
    for (const Content::DictionaryEntry &entry : entries) {
        if (!Course::CodePage1251::encode(entry.cells[Content::kDictionaryRussian], &stored))
            Fuzz::broken();
    }
    return 0;
}
