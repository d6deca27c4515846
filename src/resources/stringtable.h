// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <optional>

#include <QHash>
#include <QList>
#include <QString>

namespace Resources {

/// A string table of numbered texts held in blocks, one block per language, each used by
/// one or more locale ids. The block for a locale is the one that lists it, otherwise the
/// first block of the same primary language, otherwise the one listing 0x0409 (English).
class StringTable final {
public:
    /// Parses the table's text form (see menustrings.txt). Throws nothing; malformed lines
    /// are skipped.
    static StringTable parse(const QString &text);

    /// The course program's menu table.
    static const StringTable &menuStrings();

    /// The block chosen for \a localeId.
    StringTable forLocale(quint32 localeId) const;

    /// string(id) of the selected block; empty when the block lacks the id.
    std::optional<QString> string(int id) const;

    /// Locale ids of every block, and the language name given in the block's header.
    QList<quint32> localeIds() const;
    QString languageOf(quint32 localeId) const;

private:
    struct Block {
        QString language;
        QList<quint32> localeIds;
        QHash<int, QString> texts;
    };
    const Block *blockFor(quint32 localeId) const;

    QList<Block> m_blocks;
    int m_selected = -1;
};

} // namespace Resources
