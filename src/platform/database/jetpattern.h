// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <optional>
#include <vector>

#include <QString>

namespace Platform {

/// A Like pattern with the Jet meaning: "*" any run of characters, "?" one character,
/// "#" one digit, "[abc]" / "[a-z]" one character of a set, "[!…]" one character not in
/// it, "[]" nothing at all; everything else (also "%", "_", "]") stands for itself.
/// Matching is case-free: pattern and text are both compared in their searchFold() form.
class JetPattern {
public:
    /// Parses \a pattern; nothing when it is malformed (an unclosed "[", a reversed range
    /// such as "[z-a]"), with the reason in \a error when given.
    static std::optional<JetPattern> parse(const QString &pattern, QString *error = nullptr);

    /// Whether \a text matches the whole pattern, without regard to case.
    bool matches(const QString &text) const;

    /// The case-folded literal characters before the first wildcard or set ("hu" for "Hu*").
    QString literalPrefix() const;
    /// True when the pattern is a literal prefix followed by one final "*" and nothing else,
    /// so a prefix range decides the match by itself.
    bool isPrefixOnly() const;
    /// True when the pattern matches every text (it consists of "*" only).
    bool matchesEverything() const;

private:
    struct Range {
        char32_t first;
        char32_t last;
    };
    struct Token {
        enum Kind { Literal, AnyOne, Digit, Set, Star } kind = Literal;
        char32_t literal = 0;
        bool negated = false;
        std::vector<Range> ranges;
    };

    bool matchOne(const Token &token, char32_t c) const;

    std::vector<Token> m_tokens;
};

} // namespace Platform
