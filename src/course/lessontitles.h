// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace Course {

class CaptionTable;

/// The captions of the table of contents: per interface language code the window caption
/// and the 38 entry texts, kept exactly as written (blanks included). The texts live in the
/// caption table "lessontitles" (keys "caption" and "1" … "38").
class LessonTitles final {
public:
    /// One language's captions; \c entries holds the texts of entries 1 to 38 in order.
    struct Captions {
        QString caption;
        QStringList entries;
    };

    /// The titles of \a table. A language whose block lacks the caption or any of the 38
    /// entries is dropped, so callers never see half a table.
    static LessonTitles fromTable(const CaptionTable &table);
    /// Parses the text form of a caption table (see CaptionTable).
    static LessonTitles parse(const QString &text);

    /// The titles compiled into the program.
    static const LessonTitles &builtIn();

    /// The captions for \a languageCode, or nullptr when the table has no such language.
    const Captions *forLanguage(int languageCode) const;

    /// The language codes the table holds.
    QList<int> languages() const { return m_captions.keys(); }

private:
    QHash<int, Captions> m_captions;
};

} // namespace Course
