// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// Feeds arbitrary text to the record-source reader. Besides crashes and sanitizer reports
// it checks that what the reader accepts is usable: a table name, and a Like pattern only
// together with the column it filters.
#include "fuzzinput.h"

#include "platform/database/jetpattern.h"
#include "platform/database/jetquery.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString source = Fuzz::textOf(data, size);
    const auto query = Platform::JetQuery::parse(source);
    if (!query)
        return 0;
    if (query->table.isEmpty())
        Fuzz::broken();
    if (!query->whereColumn && !query->pattern.isEmpty())
        Fuzz::broken();
    if (query->whereColumn) {
        if (query->whereColumn->isEmpty())
            Fuzz::broken();
        // The database layer compiles the pattern next; it must refuse or match, never fail.
        if (const auto pattern = Platform::JetPattern::parse(query->pattern))
            (void)pattern->matches(query->table);
    }
    return 0;
}
