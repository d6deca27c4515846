// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace Contents {

/// The number of lessons in the course.
inline constexpr int kLessonCount = 38;

/// The captions of the table of contents: per interface language code the window caption
/// and the 38 entry texts, kept exactly as written (blanks included).
class LessonTitles final {
public:
    /// One language's captions; \c entries holds the texts of entries 1 to 38 in order.
    struct Captions {
        QString caption;
        QStringList entries;
    };

    /// Parses the text form of lessontitles.txt: "[code] name" starts a block, then
    /// `caption "text"` and `N "text"` lines; the text is everything between the first
    /// and the last double quote. Comment lines start with "#". A block that does not end
    /// up with a caption and all 38 entries is dropped, so callers never see half a table.
    static LessonTitles parse(const QString &text);

    /// The table compiled into the program.
    static const LessonTitles &builtIn();

    /// The captions for \a languageCode, or nullptr when the table has no such language.
    const Captions *forLanguage(int languageCode) const;

    /// The language codes the table holds.
    QList<int> languages() const { return m_captions.keys(); }

private:
    QHash<int, Captions> m_captions;
};

} // namespace Contents
