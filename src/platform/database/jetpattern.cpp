// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/database/jetpattern.h"

#include <QList>

#include "platform/database/searchfold.h"

namespace Platform {
namespace {

std::u32string toCodePoints(const QString &text)
{
    const QList<uint> ucs4 = searchFold(text).toUcs4();
    return std::u32string(ucs4.begin(), ucs4.end());
}

bool isDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

} // namespace

std::optional<JetPattern> JetPattern::parse(const QString &pattern, QString *error)
{
    auto reject = [error](const QString &reason) -> std::optional<JetPattern> {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    const std::u32string chars = toCodePoints(pattern);
    JetPattern result;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const char32_t c = chars[i];
        Token token;
        switch (c) {
        case U'*':
            // Consecutive stars mean the same as one; keeping one keeps matching linear.
            if (!result.m_tokens.empty() && result.m_tokens.back().kind == Token::Star)
                continue;
            token.kind = Token::Star;
            break;
        case U'?':
            token.kind = Token::AnyOne;
            break;
        case U'#':
            token.kind = Token::Digit;
            break;
        case U'[': {
            std::size_t j = i + 1;
            token.kind = Token::Set;
            if (j < chars.size() && chars[j] == U'!') {
                token.negated = true;
                ++j;
            }
            const std::size_t start = j;
            while (j < chars.size() && chars[j] != U']')
                ++j;
            if (j >= chars.size())
                return reject(QStringLiteral("unclosed \"[\" at position %1").arg(i + 1));
            // Inside a set every character is literal; "-" between two characters is a
            // range, at either end it is itself.
            for (std::size_t k = start; k < j; ++k) {
                if (k + 2 < j && chars[k + 1] == U'-') {
                    if (chars[k] > chars[k + 2])
                        return reject(QStringLiteral("reversed range in \"[\" at position %1").arg(i + 1));
                    token.ranges.push_back({chars[k], chars[k + 2]});
                    k += 2;
                } else {
                    token.ranges.push_back({chars[k], chars[k]});
                }
            }
            i = j;
            if (token.ranges.empty() && !token.negated)
                continue; // "[]" stands for the empty text
            break;
        }
        default:
            token.literal = c;
            break;
        }
        result.m_tokens.push_back(std::move(token));
    }
    return result;
}

bool JetPattern::matchOne(const Token &token, char32_t c) const
{
    switch (token.kind) {
    case Token::Literal:
        return token.literal == c;
    case Token::AnyOne:
        return true;
    case Token::Digit:
        return isDigit(c);
    case Token::Set: {
        bool inSet = false;
        for (const Range &range : token.ranges) {
            if (c >= range.first && c <= range.last) {
                inSet = true;
                break;
            }
        }
        return inSet != token.negated;
    }
    case Token::Star:
        break;
    }
    return false;
}

bool JetPattern::matches(const QString &text) const
{
    // Every token but "*" takes exactly one character, so the classic backtrack to the last
    // star is enough and runs in O(text × pattern) at worst.
    const std::u32string chars = toCodePoints(text);
    std::size_t t = 0, p = 0;
    std::size_t starToken = std::string::npos, starText = 0;
    while (t < chars.size()) {
        if (p < m_tokens.size() && m_tokens[p].kind == Token::Star) {
            starToken = p++;
            starText = t;
        } else if (p < m_tokens.size() && matchOne(m_tokens[p], chars[t])) {
            ++p;
            ++t;
        } else if (starToken != std::string::npos) {
            p = starToken + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < m_tokens.size() && m_tokens[p].kind == Token::Star)
        ++p;
    return p == m_tokens.size();
}

QString JetPattern::literalPrefix() const
{
    std::u32string prefix;
    for (const Token &token : m_tokens) {
        if (token.kind != Token::Literal)
            break;
        prefix.push_back(token.literal);
    }
    return QString::fromStdU32String(prefix);
}

bool JetPattern::isPrefixOnly() const
{
    if (m_tokens.empty() || m_tokens.back().kind != Token::Star)
        return false;
    for (std::size_t i = 0; i + 1 < m_tokens.size(); ++i) {
        if (m_tokens[i].kind != Token::Literal)
            return false;
    }
    return true;
}

bool JetPattern::matchesEverything() const
{
    return m_tokens.size() == 1 && m_tokens.front().kind == Token::Star;
}

} // namespace Platform
