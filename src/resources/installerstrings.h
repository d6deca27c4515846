// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <optional>

#include <QString>

#include "resources/stringtable.h"

namespace Resources {

/// The texts of the programs in the Tamrelon folder (installerstrings.txt), read in the
/// language chosen for the desktop. A text that the chosen block lacks is read from the
/// English block; only a text that English lacks too is absent.
class InstallerStrings final {
public:
    /// How a locale id picks its block.
    enum class Choice {
        /// Only a block whose header lists the id; any other id reads English. This is the
        /// installer window's rule: de_LU or sv_FI read English there.
        ListedOnly,
        /// As StringTable::forLocale: a listed id, else the same primary language, else
        /// English. The component programs use it.
        SameLanguage,
    };

    /// The compiled table (installerstrings.txt), chosen for \a localeId.
    static InstallerStrings forLocale(quint32 localeId, Choice choice);

    /// \a table chosen for \a localeId (tests pass their own tables).
    InstallerStrings(const StringTable &table, quint32 localeId, Choice choice);

    /// The text numbered \a id, from the chosen block or else from English.
    std::optional<QString> text(int id) const;
    /// The same, empty when the id is absent (a window element then stays empty).
    QString textOrEmpty(int id) const { return text(id).value_or(QString()); }

    /// The name of the chosen block ("English", "Swedish", …).
    QString language() const { return m_language; }

    /// The parsed installerstrings.txt.
    static const StringTable &table();

private:
    StringTable m_chosen;
    StringTable m_english;
    QString m_language;
};

} // namespace Resources
