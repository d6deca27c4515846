// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "entryparser.h"

#include <QRegularExpression>

namespace DictImport {
namespace {

// A note long enough to tell the senses apart but short enough for one grid row.
constexpr int MaxFurtherSenses = 3;

QString simplified(QString text)
{
    return text.replace(QChar(u'\u00A0'), u' ').simplified();
}

QString muellerPartOfSpeech(const QString &mark)
{
    if (mark == u"n")
        return QStringLiteral("сущ.");
    if (mark == u"v")
        return QStringLiteral("гл.");
    if (mark == u"a")
        return QStringLiteral("прил.");
    if (mark == u"adv")
        return QStringLiteral("нареч.");
    if (mark == u"prep")
        return QStringLiteral("предл.");
    if (mark == u"pron")
        return QStringLiteral("мест.");
    if (mark == u"cj")
        return QStringLiteral("союз");
    if (mark == u"int" || mark == u"interj")
        return QStringLiteral("межд.");
    if (mark == u"num" || mark == u"n-card" || mark == u"n-ord")
        return QStringLiteral("числ.");
    return {};
}

QString wikdictPartOfSpeech(const QString &tag)
{
    const QString first = tag.section(u',', 0, 0).trimmed();
    if (first == u"n")
        return QStringLiteral("сущ.");
    if (first == u"v")
        return QStringLiteral("гл.");
    if (first == u"adj")
        return QStringLiteral("прил.");
    if (first == u"adv")
        return QStringLiteral("нареч.");
    return {};
}

// Cutting a sense at ";" can leave a remark open ("воды (минеральные"); the open part
// goes, so that notes never hold an unbalanced "(".
QString dropUnclosedRemark(const QString &text)
{
    QList<qsizetype> open;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'(')
            open.append(i);
        else if (text.at(i) == u')' && !open.isEmpty())
            open.removeLast();
    }
    return open.isEmpty() ? text : text.left(open.first()).trimmed();
}

// True when every ")" closes an earlier "(".
bool closesOnlyOpened(const QString &text)
{
    int depth = 0;
    for (const QChar c : text) {
        if (c == u'(')
            ++depth;
        else if (c == u')' && --depth < 0)
            return false;
    }
    return true;
}

// A translation item: balanced, with remarks left open by a cut removed.
QString balancedItem(const QString &text)
{
    const QString item = dropUnclosedRemark(text);
    return closesOnlyOpened(item) ? item : QString();
}

// The first translation of a sense: the text before the first ";" once labels such as
// "_разг." are gone, when that text is Russian.
QString firstTranslation(const QString &sense)
{
    static const QRegularExpression labels(QStringLiteral(R"((?:^|\s)_\S+)"));
    // Lettered sub-senses ("а) … б) …") end a translation the way ";" does.
    static const QRegularExpression subSense(QStringLiteral(R"((?:^|\s)[а-я]\))"));
    QString text = sense;
    text.replace(labels, QStringLiteral(" "));
    text.replace(subSense, QStringLiteral(";"));
    // A sense number the mark pattern did not see ("от good)1) лучший") is no translation.
    static const QRegularExpression strayNumber(QStringLiteral(R"(\d+\))"));
    text.replace(strayNumber, QStringLiteral(" "));
    // Remarks in English ("(_superl. от good)") would hide the Russian after them.
    static const QRegularExpression latinRemark(QStringLiteral(R"(\([^()]*[A-Za-z][^()]*\))"));
    text.replace(latinRemark, QStringLiteral(" "));
    text = simplified(text.section(u';', 0, 0));
    text = balancedItem(text);
    // The number of the next block ("2. _v.") may trail the last sense of a block.
    static const QRegularExpression trailingNumber(QStringLiteral(R"(\s+\d+\.?$)"));
    text.remove(trailingNumber);
    while (text.endsWith(u',') || text.endsWith(u'.') || text.endsWith(u':'))
        text.chop(1);
    text = text.trimmed();
    return isRussianText(text) ? text : QString();
}

void addUnique(QStringList &list, const QString &item)
{
    if (!item.isEmpty() && !list.contains(item))
        list.append(item);
}

} // namespace

bool isRussianText(const QString &text)
{
    bool cyrillic = false;
    for (const QChar c : text) {
        if (c.script() == QChar::Script_Latin)
            return false;
        if (c.script() == QChar::Script_Cyrillic)
            cyrillic = true;
    }
    return cyrillic;
}

QString composeRussian(const QStringList &translations, const QString &partOfSpeech)
{
    if (translations.isEmpty())
        return {};
    // A remark stands after a blank; "тренировать(ся)" keeps its attached ending.
    static const QRegularExpression remark(QStringLiteral(R"((?:^|(?<=\s))\([^()]*\))"));
    QString first = translations.first();
    QStringList noteParts;
    if (!partOfSpeech.isEmpty())
        noteParts.append(partOfSpeech);

    // "кошка (плеть)" speaks "кошка" and keeps "плеть" in the note; a first translation
    // such as "(о часах) ходить" still speaks its word.
    QString word = first;
    word.replace(remark, QStringLiteral(" "));
    word = simplified(word);
    QString rest;
    const int comma = word.indexOf(u',');
    if (comma >= 0) {
        rest = word.mid(comma + 1).trimmed();
        word = word.left(comma).trimmed();
    }
    const auto remarks = remark.globalMatch(first);
    QStringList inner;
    for (auto it = remarks; it.hasNext();)
        inner.append(it.next().captured(0).mid(1).chopped(1).trimmed());
    if (!inner.isEmpty())
        noteParts.append(inner.join(u", "));
    if (!rest.isEmpty())
        noteParts.append(rest);
    for (int i = 1; i < translations.size() && i <= MaxFurtherSenses; ++i)
        noteParts.append(translations.at(i));
    if (word.isEmpty())
        return {};
    if (noteParts.isEmpty())
        return word;
    return word + QStringLiteral(" (") + noteParts.join(u"; ") + u')';
}

QList<ImportedRow> parseMuellerEntry(const QString &entry)
{
    const qsizetype lineEnd = entry.indexOf(u'\n');
    const QString headword = simplified(entry.left(lineEnd < 0 ? entry.size() : lineEnd));
    // Prefixes and suffixes ("be-", "-armed") are explained, not translated.
    if (headword.isEmpty() || lineEnd < 0 || headword.startsWith(u'-') || headword.endsWith(u'-'))
        return {};
    QString body = entry.mid(lineEnd + 1);
    // Transcriptions and cross references carry no translation.
    static const QRegularExpression brackets(QStringLiteral(R"(\[[^\]]*\]|\{[^}]*\})"));
    body.replace(brackets, QStringLiteral(" "));
    body = simplified(body);

    // Part-of-speech marks and sense numbers, in the order they stand.
    static const QRegularExpression marks(
        QStringLiteral(R"(_(n|v|a|adv|prep|pron|cj|int|interj|num|n-card|n-ord)\.(?=\s|$)|(?:^|\s)\d+\)\s*)"));
    struct Group {
        QString partOfSpeech;
        QStringList translations;
    };
    QList<Group> groups;
    QString currentPart;
    qsizetype senseStart = -1;
    auto closeSense = [&](qsizetype end) {
        if (senseStart < 0)
            return;
        const QString translation = firstTranslation(body.mid(senseStart, end - senseStart));
        senseStart = -1;
        if (translation.isEmpty())
            return;
        if (groups.isEmpty() || groups.last().partOfSpeech != currentPart)
            groups.append({currentPart, {}});
        addUnique(groups.last().translations, translation);
    };
    for (auto it = marks.globalMatch(body); it.hasNext();) {
        const auto match = it.next();
        closeSense(match.capturedStart());
        if (match.hasCaptured(1)) {
            currentPart = muellerPartOfSpeech(match.captured(1));
            // A mark followed directly by text is a sense of its own ("_a. красивый").
            senseStart = match.capturedEnd();
        } else {
            senseStart = match.capturedEnd();
        }
    }
    closeSense(body.size());
    if (groups.isEmpty()) {
        // Entries without marks: the whole body is one sense.
        senseStart = 0;
        closeSense(body.size());
    }

    QList<ImportedRow> rows;
    for (const Group &group : std::as_const(groups)) {
        const QString russian = composeRussian(group.translations, group.partOfSpeech);
        if (russian.isEmpty())
            continue;
        const ImportedRow row{headword, russian};
        if (!rows.contains(row))
            rows.append(row);
    }
    return rows;
}

QList<ImportedRow> parseWikdictEntry(const QString &entry)
{
    const QStringList lines = entry.split(u'\n');
    if (lines.isEmpty())
        return {};
    static const QRegularExpression headLine(QStringLiteral(R"(^(.*?)\s*(?:/[^/]*/\s*)*(?:<([^>]*)>)?\s*$)"));
    const auto head = headLine.match(lines.first());
    const QString headword = simplified(head.captured(1));
    if (headword.isEmpty())
        return {};
    const QString partOfSpeech = wikdictPartOfSpeech(head.captured(2));

    static const QRegularExpression senseNumber(QStringLiteral(R"((?:^|\s)\d+\.(?=\s|$))"));
    QStringList translations;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QString line = lines.at(i);
        line.replace(senseNumber, QStringLiteral(";"));
        for (const QString &part : line.split(u';')) {
            for (QString item : part.split(u',')) {
                item = balancedItem(simplified(item));
                if (isRussianText(item))
                    addUnique(translations, item);
            }
        }
    }
    const QString russian = composeRussian(translations, partOfSpeech);
    if (russian.isEmpty())
        return {};
    return {ImportedRow{headword, russian}};
}

} // namespace DictImport
