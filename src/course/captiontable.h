// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace Course {

/// Texts in the six interface languages, kept as data: one block per language code, one
/// text per key. The text form:
///
///     # comment
///     [110] English
///     back "Back"
///     next "Next"
///
/// A line `key "text"` takes everything between the first and the last double quote, so
/// blanks at either end are kept exactly; a text may hold "\n" for a line break. A key
/// written twice in a block keeps its last text.
class CaptionTable final {
public:
    /// Parses the text form. Lines that are neither a block header, a keyed text nor a
    /// comment are passed over; keys before the first block header are dropped.
    static CaptionTable parse(const QString &text);

    /// The table named \a name ("lessons", "dictionary", …) compiled into the program;
    /// an empty table when there is no such name.
    static const CaptionTable &builtIn(const QString &name);

    /// True when the table has a block for \a language.
    bool hasLanguage(int language) const;
    /// The language codes the table holds.
    QList<int> languages() const;
    /// The keys of \a language's block, in the order they were written.
    QStringList keys(int language) const;

    /// The text of \a key in \a language's block; a null text when either is missing.
    QString text(int language, const QString &key) const;
    /// The same, falling back to the English block when the language or the key is missing.
    QString textOrEnglish(int language, const QString &key) const;

private:
    struct Block {
        QHash<QString, QString> texts;
        QStringList order;
    };
    QHash<int, Block> m_blocks;
};

} // namespace Course
