// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QList>
#include <QRegularExpression>
#include <QString>

namespace Platform {

/// Corrections for words the Russian voice says wrongly: each written form (a word or a
/// phrase, matched as whole words regardless of case) is replaced by the form to speak,
/// which may hold espeak-ng phoneme mnemonics in "[[…]]". Longer entries win. A written
/// form may carry stress marks (U+0301): it then matches only a word marked the same way,
/// and a marked word never matches an unmarked form.
class PronunciationLexicon final {
public:
    /// Reads the tab-separated lexicon file (comment lines start with '#', the first other
    /// line names the columns). A missing or unreadable file gives an empty lexicon.
    static PronunciationLexicon fromFile(const QString &path);
    /// The same from the file's text.
    static PronunciationLexicon parse(const QString &text);

    bool isEmpty() const { return m_entries.isEmpty(); }
    qsizetype size() const { return m_entries.size(); }

    /// \a text with every written form replaced by its spoken form.
    QString apply(const QString &text) const;
    /// What the voice is handed for \a text: apply(), then every stress mark that is left
    /// removed (the voice does not read them).
    QString voiceInput(const QString &text) const;

private:
    struct Entry {
        QString written;
        QString spoken;
        QRegularExpression pattern;
    };
    QList<Entry> m_entries;
};

} // namespace Platform
