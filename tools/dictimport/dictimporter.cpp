// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "dictimporter.h"

#include "course/codepage1251.h"
#include "dictdsource.h"

namespace DictImport {
namespace {

QString cleanField(QString text)
{
    text.replace(u'\t', u' ').replace(u'\r', u' ').replace(u'\n', u' ');
    return text.simplified();
}

// Stress marks are a reading aid some sources add; the course stores Russian without them
// (and Windows-1251 has no combining accents).
QString withoutStressMarks(QString text)
{
    text.remove(QChar(0x0301)).remove(QChar(0x0300));
    return text;
}

} // namespace

std::optional<Column> columnForLanguage(const QString &code)
{
    if (code == u"en")
        return Column::English;
    if (code == u"sv")
        return Column::Swedish;
    if (code == u"fi")
        return Column::Suomi;
    if (code == u"de")
        return Column::Deutch;
    if (code == u"fr")
        return Column::France;
    if (code == u"es")
        return Column::Spain;
    return std::nullopt;
}

void Importer::addRows(Column column, const QList<ImportedRow> &rows)
{
    for (const ImportedRow &imported : rows) {
        Row row;
        row[int(column)] = cleanField(imported.headword);
        row[int(Column::Russian)] = withoutStressMarks(cleanField(imported.russian));
        QString stored;
        // The databases hold Russian in Windows-1251; a row it cannot hold would fail the
        // course build, so it is left out here.
        if (row[int(column)].isEmpty() || row[int(Column::Russian)].isEmpty()
            || !Course::CodePage1251::encode(row[int(Column::Russian)], &stored))
            continue;
        // A line of the dictionary source that starts with "#" is a comment: an English
        // headword such as "#define" would vanish from the course while counted here.
        if (column == Column::English && row[int(column)].startsWith(u'#'))
            continue;
        const QString key = QString::number(int(column)) + u'\t' + row[int(column)] + u'\t' + row[int(Column::Russian)];
        if (m_seen.contains(key))
            continue;
        m_seen.insert(key);
        m_rows.append(row);
    }
}

Status Importer::addMueller(const QString &basePath)
{
    DictdSource source;
    if (!source.load(basePath))
        return {false, source.errorString()};
    for (const QString &entry : source.entries())
        addRows(Column::English, parseMuellerEntry(entry));
    return {};
}

Status Importer::addWikdict(Column column, const QString &basePath)
{
    DictdSource source;
    if (!source.load(basePath))
        return {false, source.errorString()};
    for (const QString &entry : source.entries())
        addRows(column, parseWikdictEntry(entry));
    return {};
}

QString Importer::toTsv() const
{
    QString out = QStringLiteral("English\tSwedish\tSuomi\tDeutch\tFrance\tSpain\tRussian\n");
    for (const Row &row : m_rows) {
        for (int i = 0; i < ColumnCount; ++i) {
            if (i > 0)
                out += u'\t';
            out += row[i];
        }
        out += u'\n';
    }
    return out;
}

} // namespace DictImport
