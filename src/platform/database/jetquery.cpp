// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/database/jetquery.h"

namespace Platform {
namespace {

class Scanner {
public:
    explicit Scanner(const QString &text)
        : m_text(text)
    {
    }

    void skipSpace()
    {
        while (m_pos < m_text.size() && m_text.at(m_pos).isSpace())
            ++m_pos;
    }
    bool atEnd() const { return m_pos >= m_text.size(); }
    qsizetype position() const { return m_pos; }

    /// A keyword followed by a non-identifier character (or the end).
    bool keyword(QLatin1StringView word)
    {
        skipSpace();
        if (m_text.size() - m_pos < word.size())
            return false;
        if (QStringView(m_text).mid(m_pos, word.size()).compare(word, Qt::CaseInsensitive) != 0)
            return false;
        const qsizetype after = m_pos + word.size();
        if (after < m_text.size() && isIdentifierChar(m_text.at(after)))
            return false;
        m_pos = after;
        return true;
    }

    bool symbol(QChar c)
    {
        skipSpace();
        if (atEnd() || m_text.at(m_pos) != c)
            return false;
        ++m_pos;
        return true;
    }

    std::optional<QString> identifier()
    {
        skipSpace();
        if (atEnd())
            return std::nullopt;
        if (m_text.at(m_pos) == QLatin1Char('[')) {
            const qsizetype close = m_text.indexOf(QLatin1Char(']'), m_pos + 1);
            if (close < 0 || close == m_pos + 1)
                return std::nullopt;
            const QString name = m_text.mid(m_pos + 1, close - m_pos - 1);
            m_pos = close + 1;
            return name;
        }
        const qsizetype start = m_pos;
        if (!m_text.at(m_pos).isLetter() && m_text.at(m_pos) != QLatin1Char('_'))
            return std::nullopt;
        while (m_pos < m_text.size() && isIdentifierChar(m_text.at(m_pos)))
            ++m_pos;
        return m_text.mid(start, m_pos - start);
    }

    std::optional<QString> quotedText()
    {
        skipSpace();
        if (atEnd())
            return std::nullopt;
        const QChar quote = m_text.at(m_pos);
        if (quote != QLatin1Char('"') && quote != QLatin1Char('\''))
            return std::nullopt;
        QString value;
        qsizetype i = m_pos + 1;
        while (i < m_text.size()) {
            if (m_text.at(i) == quote) {
                if (i + 1 < m_text.size() && m_text.at(i + 1) == quote) {
                    value.append(quote);
                    i += 2;
                    continue;
                }
                m_pos = i + 1;
                return value;
            }
            value.append(m_text.at(i));
            ++i;
        }
        return std::nullopt;
    }

private:
    static bool isIdentifierChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

    const QString &m_text;
    qsizetype m_pos = 0;
};

Error syntaxError(const QString &source, qsizetype position, const QString &what)
{
    return Error{ErrorCode::SyntaxError,
                 QStringLiteral("syntax error (%1) at position %2 of the record source \"%3\"")
                     .arg(what)
                     .arg(position + 1)
                     .arg(source.left(200))};
}

} // namespace

Result<JetQuery> JetQuery::parse(const QString &source)
{
    Scanner scanner(source);
    JetQuery query;
    if (!scanner.keyword(QLatin1StringView("select"))) {
        // A record source that is not a SELECT names a table.
        const auto table = scanner.identifier();
        scanner.skipSpace();
        scanner.symbol(QLatin1Char(';'));
        scanner.skipSpace();
        if (!table || !scanner.atEnd())
            return syntaxError(source, scanner.position(), QStringLiteral("expected a table name or SELECT"));
        query.table = *table;
        return query;
    }

    if (!scanner.symbol(QLatin1Char('*'))) {
        do {
            const auto column = scanner.identifier();
            if (!column)
                return syntaxError(source, scanner.position(), QStringLiteral("expected a column name"));
            query.columns << *column;
        } while (scanner.symbol(QLatin1Char(',')));
    }
    if (!scanner.keyword(QLatin1StringView("from")))
        return syntaxError(source, scanner.position(), QStringLiteral("expected FROM"));
    const auto table = scanner.identifier();
    if (!table)
        return syntaxError(source, scanner.position(), QStringLiteral("expected a table name"));
    query.table = *table;

    if (scanner.keyword(QLatin1StringView("where"))) {
        const auto column = scanner.identifier();
        if (!column)
            return syntaxError(source, scanner.position(), QStringLiteral("expected a column name after WHERE"));
        if (!scanner.keyword(QLatin1StringView("like"))) {
            // The programs write "Like" straight before the quote; keyword() needs a
            // non-identifier character after it, which the quote is.
            return syntaxError(source, scanner.position(), QStringLiteral("expected Like"));
        }
        const auto pattern = scanner.quotedText();
        if (!pattern)
            return syntaxError(source, scanner.position(), QStringLiteral("expected a quoted pattern"));
        query.whereColumn = *column;
        query.pattern = *pattern;
    }
    scanner.symbol(QLatin1Char(';'));
    scanner.skipSpace();
    if (!scanner.atEnd())
        return syntaxError(source, scanner.position(), QStringLiteral("unexpected text after the query"));
    return query;
}

} // namespace Platform
