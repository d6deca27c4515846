// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/pronunciationlexicon.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace Platform {

PronunciationLexicon PronunciationLexicon::fromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(QString::fromUtf8(file.readAll()));
}

PronunciationLexicon PronunciationLexicon::parse(const QString &text)
{
    PronunciationLexicon lexicon;
    bool header = true;
    for (QString line : text.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.startsWith(u'#') || line.trimmed().isEmpty())
            continue;
        if (header) {
            header = false;
            continue;
        }
        const QStringList cells = line.split(u'\t');
        if (cells.size() < 2 || cells[0].trimmed().isEmpty() || cells[1].trimmed().isEmpty())
            continue;
        const QString written = cells[0].trimmed();
        // Whole words only: no letter, stress mark or phoneme bracket on either side.
        const QRegularExpression pattern(QStringLiteral("(?<![\\w\\[\\x{301}])") + QRegularExpression::escape(written)
                                             + QStringLiteral("(?![\\w\\]\\x{301}])"),
                                         QRegularExpression::CaseInsensitiveOption
                                             | QRegularExpression::UseUnicodePropertiesOption);
        lexicon.m_entries.append({written, cells[1].trimmed(), pattern});
    }
    std::stable_sort(lexicon.m_entries.begin(), lexicon.m_entries.end(),
                     [](const Entry &a, const Entry &b) { return a.written.size() > b.written.size(); });
    return lexicon;
}

QString PronunciationLexicon::apply(const QString &text) const
{
    if (m_entries.isEmpty())
        return text;
    // Replacements are marked so that a spoken form is never matched again by a shorter entry.
    QList<std::pair<qsizetype, qsizetype>> replaced;
    QString result = text;
    for (const Entry &entry : m_entries) {
        qsizetype from = 0;
        while (true) {
            const QRegularExpressionMatch match = entry.pattern.match(result, from);
            if (!match.hasMatch())
                break;
            const qsizetype start = match.capturedStart();
            const bool inside = std::any_of(replaced.cbegin(), replaced.cend(), [start](const auto &span) {
                return start >= span.first && start < span.first + span.second;
            });
            if (inside) {
                from = match.capturedEnd();
                continue;
            }
            result.replace(start, match.capturedLength(), entry.spoken);
            const qsizetype delta = entry.spoken.size() - match.capturedLength();
            for (auto &span : replaced) {
                if (span.first > start)
                    span.first += delta;
            }
            replaced.append({start, entry.spoken.size()});
            from = start + entry.spoken.size();
        }
    }
    return result;
}

QString PronunciationLexicon::voiceInput(const QString &text) const
{
    QString input = apply(text);
    input.remove(QChar(0x0301));
    return input;
}

} // namespace Platform
