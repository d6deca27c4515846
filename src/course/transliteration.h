// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <optional>

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace Course {

/// One interface language's way of writing Russian in its own letters, kept as data
/// (transliteration/<language>.txt, one table per language, each naming its source).
///
/// The text form, UTF-8, '#' comment lines:
///
///     name "English"
///     source "BGN/PCGN 1947, simplified"
///     е e start:ye after-vowel:ye after-sign:ye
///     ий end:i
///     ъ -
///
/// A rule line holds a key of one or two lower-case Russian letters, the form written for
/// it ("-" for nothing) and forms for contexts, the first context that applies winning.
/// A two-letter key applies only where one of its forms applies; otherwise its letters go
/// one by one. Contexts: start, end (of a word), after-vowel, after-sign (ъ, ь),
/// after-hushing (ж, ч, ш, щ), before-vowel, before-consonant, before-e-i (е, и, ы, э),
/// between-vowels.
class Transliteration final {
public:
    /// A run of the written form, and whether it stands for the stressed vowel.
    struct Piece {
        QString text;
        bool stressed = false;
        bool operator==(const Piece &) const = default;
    };

    /// Reads the text form; lines it cannot use are passed over and, when \a problems is
    /// given, described there ("line 7: …").
    static Transliteration parse(const QString &text, QStringList *problems = nullptr);
    /// The table of interface language \a language compiled into the program; the English
    /// one for any code outside the six.
    static const Transliteration &forLanguage(int language);

    /// The convention's name in its own language.
    QString name() const { return m_name; }
    /// Where the convention comes from.
    QString source() const { return m_source; }
    /// The Russian letters (lower case) that have no form of their own.
    QString lettersWithoutForm() const;

    /// \a text written in this convention. \a text may carry stress marks (U+0301 after
    /// the stressed vowel, as markStress() gives it): the marked vowel's piece is stressed,
    /// and so is ё in a word of two or more syllables. Capitals are kept (a word written
    /// all in capitals stays so); everything that is not a Russian letter passes unchanged.
    QList<Piece> pieces(QStringView text) const;
    /// The pieces joined.
    QString toPlainText(QStringView text) const;
    /// The pieces as rich text, the stressed ones in <b>, everything else escaped.
    QString toHtml(QStringView text) const;

private:
    enum class Context {
        Start,
        End,
        AfterVowel,
        AfterSign,
        AfterHushing,
        BeforeVowel,
        BeforeConsonant,
        BeforeEI,
        BetweenVowels
    };
    struct Rule {
        /// None when the key has no form of its own (two-letter keys).
        std::optional<QString> form;
        QList<std::pair<Context, QString>> contextual;
    };

    /// The form of \a rule for the letters \a start to \a end of \a letters (lower case);
    /// none when it has none there.
    static std::optional<QString> formIn(const Rule &rule, QStringView letters, qsizetype start, qsizetype end);
    /// Reads one rule line into the table; a problem's text when it cannot.
    QString readRule(const QStringList &tokens);

    QString m_name;
    QString m_source;
    QHash<QString, Rule> m_rules;
};

} // namespace Course
