// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QList>
#include <QString>

namespace DictImport {

/// One dictionary row drawn from a source entry: the headword in the source language and
/// the Russian field as the dictionary window shows it, "main word (note)". Everything from
/// the first "(" on is the note, shown but not spoken.
struct ImportedRow {
    QString headword;
    QString russian;

    bool operator==(const ImportedRow &) const = default;
};

/// Parses an entry of the Mueller English–Russian dictionary (dictd format): the headword
/// on the first line, then senses numbered "1)", "2)"… under part-of-speech marks such as
/// "_n." and "_v.". Gives one row per part of speech, in the order the entry has them; the
/// main word is the first translation of the first sense and the note names the part of
/// speech and up to three further senses. Returns no rows for entries without a plain
/// Russian translation (cross references, abbreviations explained in English).
QList<ImportedRow> parseMuellerEntry(const QString &entry);

/// Parses an entry of the FreeDict (WikDict) dictionaries to Russian: a first line
/// "headword /ipa/ <pos, gender>", then translation lines in Cyrillic mixed with glosses in
/// the source language. Gives at most one row.
QList<ImportedRow> parseWikdictEntry(const QString &entry);

/// Builds the Russian field from translations in order of preference: the first becomes
/// the spoken word, \a partOfSpeech (may be empty) and up to three further translations the
/// note. Parenthesised remarks inside the first translation move into the note so that only
/// the word itself is spoken.
QString composeRussian(const QStringList &translations, const QString &partOfSpeech);

/// True when \a text holds at least one Cyrillic letter and no Latin letter, i.e. reads as
/// a Russian translation rather than an English example or gloss.
bool isRussianText(const QString &text);

} // namespace DictImport
