// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <functional>
#include <memory>

#include <QString>
#include <QStringList>

#include "platform/core/error.h"

namespace Platform {

/// A record-selection formula such as {Kursen.Lektion} ='7'. The accepted language is
/// small on purpose: comparisons of a field with a quoted text or a whole number using
/// = or <>, joined with AND and OR (AND binds tighter; keywords in any case) and grouped
/// with parentheses. An empty formula selects every record. Anything else is rejected
/// by parse() with a SyntaxError whose detail names the column where it went wrong.
class SelectionFormula final {
public:
    /// Gives a field's value for the record being tested.
    using FieldReader = std::function<QString(const QString &field)>;

    struct Node;

    SelectionFormula();
    ~SelectionFormula();
    SelectionFormula(SelectionFormula &&) noexcept;
    SelectionFormula &operator=(SelectionFormula &&) noexcept;

    /// Parses \a text. Errors: SyntaxError with a detail for people.
    static Result<SelectionFormula> parse(const QString &text);

    /// True when the formula selects nothing out (it was empty).
    bool selectsAll() const { return !m_root; }
    /// The "Table.Field" names the formula reads, each once, in order of appearance.
    QStringList fields() const { return m_fields; }
    /// Tests one record. Texts compare exactly; a whole-number literal compares
    /// numerically with a field that holds a whole number (blanks around it ignored).
    bool matches(const FieldReader &read) const;

private:
    std::shared_ptr<const Node> m_root;
    QStringList m_fields;
};

} // namespace Platform
