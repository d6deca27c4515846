// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/report/selectionformula.h"

#include <optional>
#include <vector>

namespace Platform {

struct SelectionFormula::Node {
    enum class Kind { And, Or, Equal, NotEqual };
    Kind kind = Kind::Equal;
    std::shared_ptr<const Node> left;
    std::shared_ptr<const Node> right;
    QString field;
    QString text;
    std::optional<qint64> number;
};

namespace {

using Node = SelectionFormula::Node;
using NodePtr = std::shared_ptr<const Node>;

// Reading, testing and freeing a formula all recurse through its tree; these bounds keep a
// formula from a settings file or a layout from running the stack out. The print entry's
// formulas use one comparison and no parentheses.
constexpr int kMaxNesting = 64;
constexpr int kMaxComparisons = 1000;

struct Token {
    enum class Type { Field, Text, Number, Equal, NotEqual, And, Or, Open, Close, End };
    Type type = Type::End;
    QString value;
    qsizetype column = 0;
};

class Parser {
public:
    explicit Parser(const QString &text)
        : m_text(text)
    {
    }

    Result<NodePtr> run()
    {
        if (const Status status = tokenize(); status.failed())
            return status.error();
        NodePtr root = parseOr();
        if (!m_error && current().type != Token::Type::End)
            failAt(current(), QStringLiteral("unexpected %1").arg(describe(current())));
        if (m_error)
            return *m_error;
        return root;
    }

    QStringList fields() const { return m_fields; }

private:
    Status tokenize()
    {
        qsizetype i = 0;
        const qsizetype n = m_text.size();
        while (i < n) {
            const QChar c = m_text.at(i);
            if (c.isSpace()) {
                ++i;
                continue;
            }
            const qsizetype start = i;
            if (c == u'{') {
                const qsizetype close = m_text.indexOf(u'}', i);
                if (close < 0)
                    return columnError(start, QStringLiteral("field name without closing '}'"));
                const QString name = m_text.mid(i + 1, close - i - 1).trimmed();
                const QStringList parts = name.split(u'.');
                if (parts.size() != 2 || !isName(parts.at(0)) || !isName(parts.at(1)))
                    return columnError(start, QStringLiteral("a field is written {Table.Field}, not {%1}").arg(name));
                m_tokens.push_back({Token::Type::Field, name, start});
                i = close + 1;
            } else if (c == u'\'' || c == u'"') {
                // A doubled quote inside the text stands for the quote itself.
                QString value;
                ++i;
                bool closed = false;
                while (i < n) {
                    if (m_text.at(i) == c) {
                        if (i + 1 < n && m_text.at(i + 1) == c) {
                            value += c;
                            i += 2;
                            continue;
                        }
                        closed = true;
                        ++i;
                        break;
                    }
                    value += m_text.at(i++);
                }
                if (!closed)
                    return columnError(start, QStringLiteral("text without closing quote"));
                m_tokens.push_back({Token::Type::Text, value, start});
            } else if (c.isDigit() || (c == u'-' && i + 1 < n && m_text.at(i + 1).isDigit())) {
                ++i;
                while (i < n && m_text.at(i).isDigit())
                    ++i;
                m_tokens.push_back({Token::Type::Number, m_text.mid(start, i - start), start});
            } else if (c == u'=') {
                m_tokens.push_back({Token::Type::Equal, QStringLiteral("="), start});
                ++i;
            } else if (c == u'<' && i + 1 < n && m_text.at(i + 1) == u'>') {
                m_tokens.push_back({Token::Type::NotEqual, QStringLiteral("<>"), start});
                i += 2;
            } else if (c == u'(') {
                m_tokens.push_back({Token::Type::Open, QStringLiteral("("), start});
                ++i;
            } else if (c == u')') {
                m_tokens.push_back({Token::Type::Close, QStringLiteral(")"), start});
                ++i;
            } else if (c.isLetter()) {
                while (i < n && (m_text.at(i).isLetterOrNumber() || m_text.at(i) == u'_'))
                    ++i;
                const QString word = m_text.mid(start, i - start);
                if (word.compare(u"and", Qt::CaseInsensitive) == 0)
                    m_tokens.push_back({Token::Type::And, word, start});
                else if (word.compare(u"or", Qt::CaseInsensitive) == 0)
                    m_tokens.push_back({Token::Type::Or, word, start});
                else
                    return columnError(start, QStringLiteral("unknown word \"%1\"").arg(word));
            } else {
                return columnError(start, QStringLiteral("unexpected character '%1'").arg(c));
            }
        }
        m_tokens.push_back({Token::Type::End, {}, n});
        return ok();
    }

    static bool isName(const QString &name)
    {
        if (name.isEmpty() || !(name.front().isLetter() || name.front() == u'_'))
            return false;
        for (QChar c : name) {
            if (!c.isLetterOrNumber() && c != u'_')
                return false;
        }
        return true;
    }

    Status columnError(qsizetype column, const QString &what) const
    {
        return fail(ErrorCode::SyntaxError,
                    QStringLiteral("selection formula, column %1: %2").arg(column + 1).arg(what));
    }

    void failAt(const Token &token, const QString &what)
    {
        if (!m_error)
            m_error = Error{ErrorCode::SyntaxError,
                            QStringLiteral("selection formula, column %1: %2").arg(token.column + 1).arg(what)};
    }

    static QString describe(const Token &token)
    {
        return token.type == Token::Type::End ? QStringLiteral("end of formula") : u'"' + token.value + u'"';
    }

    const Token &current() const { return m_tokens.at(m_position); }
    Token take() { return m_tokens.at(m_position < m_tokens.size() - 1 ? m_position++ : m_position); }

    NodePtr parseOr()
    {
        NodePtr left = parseAnd();
        while (!m_error && current().type == Token::Type::Or) {
            take();
            NodePtr right = parseAnd();
            left = combine(Node::Kind::Or, left, right);
        }
        return left;
    }

    NodePtr parseAnd()
    {
        NodePtr left = parsePrimary();
        while (!m_error && current().type == Token::Type::And) {
            take();
            NodePtr right = parsePrimary();
            left = combine(Node::Kind::And, left, right);
        }
        return left;
    }

    static NodePtr combine(Node::Kind kind, NodePtr left, NodePtr right)
    {
        auto node = std::make_shared<Node>();
        node->kind = kind;
        node->left = std::move(left);
        node->right = std::move(right);
        return node;
    }

    NodePtr parsePrimary()
    {
        if (m_error)
            return {};
        if (current().type == Token::Type::Open) {
            const Token open = take();
            if (m_nesting == kMaxNesting) {
                failAt(open, QStringLiteral("parentheses nested more than %1 deep").arg(kMaxNesting));
                return {};
            }
            ++m_nesting;
            NodePtr inner = parseOr();
            --m_nesting;
            if (!m_error && current().type != Token::Type::Close)
                failAt(current(),
                       QStringLiteral("expected ')' to close the '(' at column %1, found %2")
                           .arg(open.column + 1)
                           .arg(describe(current())));
            take();
            return inner;
        }
        if (current().type != Token::Type::Field) {
            failAt(current(),
                   QStringLiteral("expected a field such as {Kursen.Lektion}, found %1").arg(describe(current())));
            return {};
        }
        const Token field = take();
        if (current().type != Token::Type::Equal && current().type != Token::Type::NotEqual) {
            failAt(current(),
                   QStringLiteral("expected '=' or '<>' after {%1}, found %2").arg(field.value, describe(current())));
            return {};
        }
        const Token op = take();
        if (current().type != Token::Type::Text && current().type != Token::Type::Number) {
            failAt(current(),
                   QStringLiteral("expected a quoted text or a number after '%1', found %2")
                       .arg(op.value, describe(current())));
            return {};
        }
        const Token value = take();
        if (++m_comparisons > kMaxComparisons) {
            failAt(field, QStringLiteral("more than %1 comparisons").arg(kMaxComparisons));
            return {};
        }
        auto node = std::make_shared<Node>();
        node->kind = op.type == Token::Type::Equal ? Node::Kind::Equal : Node::Kind::NotEqual;
        node->field = field.value;
        node->text = value.value;
        // A number beyond 64 bits (or written in other digits than 0 to 9) would read as 0
        // and select the wrong rows; it compares as the text it is instead.
        bool isNumber = false;
        const qint64 number = value.value.toLongLong(&isNumber);
        if (value.type == Token::Type::Number && isNumber)
            node->number = number;
        if (!m_fields.contains(field.value, Qt::CaseInsensitive))
            m_fields.append(field.value);
        return node;
    }

    const QString &m_text;
    std::vector<Token> m_tokens;
    size_t m_position = 0;
    int m_nesting = 0;
    int m_comparisons = 0;
    std::optional<Error> m_error;
    QStringList m_fields;
};

bool evaluate(const Node &node, const SelectionFormula::FieldReader &read)
{
    switch (node.kind) {
    case Node::Kind::And:
        return evaluate(*node.left, read) && evaluate(*node.right, read);
    case Node::Kind::Or:
        return evaluate(*node.left, read) || evaluate(*node.right, read);
    case Node::Kind::Equal:
    case Node::Kind::NotEqual: {
        const QString value = read(node.field);
        bool equal = false;
        if (node.number) {
            bool isNumber = false;
            const qint64 number = value.trimmed().toLongLong(&isNumber);
            equal = isNumber && number == *node.number;
        } else {
            equal = value == node.text;
        }
        return node.kind == Node::Kind::Equal ? equal : !equal;
    }
    }
    return false;
}

} // namespace

SelectionFormula::SelectionFormula() = default;
SelectionFormula::~SelectionFormula() = default;
SelectionFormula::SelectionFormula(SelectionFormula &&) noexcept = default;
SelectionFormula &SelectionFormula::operator=(SelectionFormula &&) noexcept = default;

Result<SelectionFormula> SelectionFormula::parse(const QString &text)
{
    SelectionFormula formula;
    if (text.trimmed().isEmpty())
        return formula;
    Parser parser(text);
    Result<NodePtr> root = parser.run();
    if (!root)
        return root.error();
    formula.m_root = std::move(*root);
    formula.m_fields = parser.fields();
    return formula;
}

bool SelectionFormula::matches(const FieldReader &read) const
{
    return !m_root || evaluate(*m_root, read);
}

} // namespace Platform
