// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// Feeds an arbitrary dictd entry to both entry readers of the dictionary importer and its
// first line to the index's number decoder. The rows the importer keeps are written as
// the imported dictionary source and read back by the content compiler: every row must
// arrive, cell for cell, without a complaint, or the course build would stop on it.
#include "fuzzinput.h"

#include "coursesource.h"
#include "dictdsource.h"
#include "dictimporter.h"

namespace {

void checkRows(const QList<DictImport::ImportedRow> &rows)
{
    for (const DictImport::ImportedRow &row : rows) {
        if (row.headword.isNull() || row.russian.isNull())
            Fuzz::broken();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString entry = Fuzz::textOf(data, size);

    const QByteArray firstLine = Fuzz::bytesOf(data, size).split('\n').value(0);
    const qint64 number = DictImport::DictdSource::decodeNumber(firstLine);
    if (number < -1)
        Fuzz::broken();

    const QList<DictImport::ImportedRow> mueller = DictImport::parseMuellerEntry(entry);
    const QList<DictImport::ImportedRow> wikdict = DictImport::parseWikdictEntry(entry);
    checkRows(mueller);
    checkRows(wikdict);
    if (wikdict.size() > 1)
        Fuzz::broken();

    DictImport::Importer importer;
    importer.addRows(DictImport::Column::English, mueller);
    importer.addRows(DictImport::Column::Swedish, wikdict);
    Content::Diagnostics diagnostics;
    const QList<Content::DictionaryEntry> readBack =
        Content::parseDictionary(QStringLiteral("imported.tsv"), importer.toTsv().toUtf8(), diagnostics);
    if (diagnostics.hasErrors() || readBack.size() != importer.rowCount())
        Fuzz::broken();
    return 0;
}
