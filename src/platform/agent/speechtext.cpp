// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/speechtext.h"

#include <QRegularExpression>

namespace Platform {

namespace {

// Values stay within what a voice can sensibly use; anything longer is not a number we want.
constexpr qsizetype kMaxDigits = 4;

std::optional<int> parseNumber(QStringView value)
{
    const QStringView trimmed = value.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > kMaxDigits)
        return std::nullopt;
    for (const QChar c : trimmed) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    return trimmed.toInt();
}

// Reads "a"="b" (blanks around the parts allowed). The texts may hold quotes of their own,
// as a quoted word in a sentence does; only the sequence "=" separates them.
bool parseMap(QStringView value, QString *spoken, QString *shown)
{
    const QStringView trimmed = value.trimmed();
    if (trimmed.size() < 2 || trimmed.front() != u'"' || trimmed.back() != u'"')
        return false;
    const QStringView inner = trimmed.mid(1, trimmed.size() - 2);
    static const QRegularExpression separator(QStringLiteral("\"\\s*=\\s*\""));
    const QRegularExpressionMatch match = separator.match(inner.toString());
    if (!match.hasMatch())
        return false;
    *spoken = inner.left(match.capturedStart()).toString();
    *shown = inner.mid(match.capturedEnd()).toString();
    return true;
}

// The closing backslash of a tag whose value starts at from; a map value may hold
// backslashes inside its quotes, so quotes are skipped.
qsizetype findTagEnd(const QString &text, qsizetype from, bool isMap)
{
    if (isMap) {
        // "spoken"="shown" and the closing backslash, right here; the texts hold no backslash.
        static const QRegularExpression mapValue(QStringLiteral("\\s*\"[^\\\\]*\"\\s*=\\s*\"[^\\\\]*\"\\s*\\\\"));
        const QRegularExpressionMatch match =
            mapValue.match(text, from, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
        if (match.hasMatch())
            return match.capturedEnd() - 1;
    }
    bool inQuotes = false;
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text.at(i) == u'"')
            inQuotes = !inQuotes;
        else if (text.at(i) == u'\\' && !inQuotes)
            return i;
    }
    // An unbalanced quote: fall back to the first backslash at all.
    return text.indexOf(u'\\', from);
}

} // namespace

SpeechText parseSpeechText(const QString &text)
{
    SpeechText result;
    QString spoken;
    QString shown;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (c != u'\\') {
            spoken.append(c);
            shown.append(c);
            ++i;
            continue;
        }
        qsizetype nameEnd = i + 1;
        while (nameEnd < text.size() && text.at(nameEnd).isLetter() && text.at(nameEnd).unicode() < 128)
            ++nameEnd;
        const QString name = text.mid(i + 1, nameEnd - i - 1).toLower();
        const qsizetype valueStart = nameEnd < text.size() && text.at(nameEnd) == u'=' ? nameEnd + 1 : nameEnd;
        const qsizetype end = findTagEnd(text, valueStart, name == u"map" && valueStart > nameEnd);
        if (end < 0) {
            // No closing backslash: drop the broken tag up to the end of its word.
            qsizetype wordEnd = i + 1;
            while (wordEnd < text.size() && !text.at(wordEnd).isSpace())
                ++wordEnd;
            i = wordEnd;
            continue;
        }
        const bool hasValue = valueStart > nameEnd;
        const QStringView value = QStringView(text).mid(valueStart, end - valueStart);
        if (hasValue && name == u"spd") {
            // An empty rate keeps the default; a malformed one is dropped the same way.
            if (const auto rate = parseNumber(value); rate && *rate > 0)
                result.wordsPerMinute = rate;
        } else if (hasValue && name == u"pit") {
            if (const auto pitch = parseNumber(value); pitch && *pitch > 0)
                result.pitchHz = pitch;
        } else if (hasValue && name == u"map") {
            QString mapSpoken;
            QString mapShown;
            if (parseMap(value, &mapSpoken, &mapShown)) {
                spoken += mapSpoken;
                shown += mapShown;
            }
        }
        // Tags separate words the way a blank does.
        if (!spoken.isEmpty() && !spoken.back().isSpace())
            spoken.append(u' ');
        if (!shown.isEmpty() && !shown.back().isSpace())
            shown.append(u' ');
        i = end + 1;
    }
    result.spoken = spoken.simplified();
    result.shown = shown.simplified();
    return result;
}

QStringList balloonWords(const QString &text)
{
    return text.simplified().split(u' ', Qt::SkipEmptyParts);
}

} // namespace Platform
