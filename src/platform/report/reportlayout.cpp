// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/report/reportlayout.h"

#include <optional>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSet>

#include "platform/report/reportengine.h"

namespace Platform {
namespace {

/// Splits a line into words; "…" groups blanks into one word and "" stands for a quote.
std::optional<QStringList> splitWords(const QString &line)
{
    QStringList words;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n) {
        if (line.at(i).isSpace()) {
            ++i;
            continue;
        }
        QString word;
        if (line.at(i) == u'"') {
            ++i;
            bool closed = false;
            while (i < n) {
                if (line.at(i) == u'"') {
                    if (i + 1 < n && line.at(i + 1) == u'"') {
                        word += u'"';
                        i += 2;
                        continue;
                    }
                    closed = true;
                    ++i;
                    break;
                }
                word += line.at(i++);
            }
            if (!closed)
                return std::nullopt;
        } else {
            while (i < n && !line.at(i).isSpace())
                word += line.at(i++);
        }
        words.append(word);
    }
    return words;
}

Error lineError(int line, const QString &what)
{
    return Error{ReportErrorCode::LayoutInvalid, QStringLiteral("line %1: %2").arg(line).arg(what)};
}

} // namespace

Result<ReportLayout> ReportLayout::parse(const QString &text)
{
    ReportLayout layout;
    bool sawFormat = false;
    QSet<QString> seenFields;
    const QStringList lines = text.split(u'\n');
    for (int index = 0; index < lines.size(); ++index) {
        const int lineNumber = index + 1;
        const QString line = lines.at(index).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const std::optional<QStringList> split = splitWords(line);
        if (!split)
            return lineError(lineNumber, QStringLiteral("a quoted text is not closed"));
        const QStringList &words = *split;
        for (const QString &word : words) {
            if (word.size() > kMaxTextLength)
                return lineError(lineNumber,
                                 QStringLiteral("a text of %1 characters; layouts hold at most %2")
                                     .arg(word.size())
                                     .arg(kMaxTextLength));
        }
        const QString key = words.first().toLower();
        const QStringList args = words.mid(1);

        if (!sawFormat) {
            if (key != u"format" || args.size() != 2 || args.at(0) != u"veskora-report")
                return lineError(
                    lineNumber,
                    QStringLiteral("a layout starts with \"format veskora-report %1\"").arg(kFormatVersion));
            bool isNumber = false;
            const int version = args.at(1).toInt(&isNumber);
            if (!isNumber || version < 1 || version > kFormatVersion)
                return lineError(lineNumber,
                                 QStringLiteral("format version %1 is not supported (this program reads "
                                                "version %2)")
                                     .arg(args.at(1))
                                     .arg(kFormatVersion));
            sawFormat = true;
            continue;
        }

        auto needArgs = [&](qsizetype count) { return args.size() == count; };
        if (key == u"language" || key == u"table" || key == u"title" || key == u"header" || key == u"footer"
            || key == u"sort" || key == u"lesson-field") {
            if (!needArgs(1))
                return lineError(lineNumber,
                                 QStringLiteral("\"%1\" takes one value (quote texts with blanks)").arg(key));
            const QString value = args.first();
            if (key == u"language")
                layout.language = value;
            else if (key == u"table")
                layout.table = value;
            else if (key == u"title")
                layout.title = value;
            else if (key == u"header")
                layout.header = value;
            else if (key == u"footer")
                layout.footer = value;
            else if (key == u"sort")
                layout.sortField = value;
            else
                layout.lessonField = value;
        } else if (key == u"font") {
            if (args.size() < 3)
                return lineError(lineNumber, QStringLiteral("font takes a role, a family and a size"));
            ReportFont font;
            font.family = args.at(1);
            bool isNumber = false;
            font.points = args.at(2).toInt(&isNumber);
            if (!isNumber || font.points < 4 || font.points > 72)
                return lineError(lineNumber,
                                 QStringLiteral("font size \"%1\" is not a whole number from 4 to 72").arg(args.at(2)));
            for (const QString &style : args.mid(3)) {
                if (style == u"bold")
                    font.bold = true;
                else if (style == u"italic")
                    font.italic = true;
                else
                    return lineError(lineNumber, QStringLiteral("unknown font style \"%1\"").arg(style));
            }
            const QString role = args.at(0);
            if (role == u"title")
                layout.titleFont = font;
            else if (role == u"heading")
                layout.headingFont = font;
            else if (role == u"body")
                layout.bodyFont = font;
            else if (role == u"page")
                layout.pageFont = font;
            else
                return lineError(lineNumber,
                                 QStringLiteral("unknown font role \"%1\" (title, heading, body, page)").arg(role));
        } else if (key == u"column") {
            if (!needArgs(3))
                return lineError(lineNumber, QStringLiteral("column takes a field, a heading and a width in percent"));
            ReportColumn column;
            column.field = args.at(0);
            column.heading = args.at(1);
            bool isNumber = false;
            column.width = args.at(2).toInt(&isNumber);
            if (!isNumber || column.width < 1 || column.width > 100)
                return lineError(lineNumber, QStringLiteral("column width \"%1\" is not a percentage").arg(args.at(2)));
            if (seenFields.contains(column.field))
                return lineError(lineNumber, QStringLiteral("field \"%1\" is printed twice").arg(column.field));
            seenFields.insert(column.field);
            layout.columns.append(column);
        } else if (key == u"destination") {
            if (args.size() == 1 && args.first() == u"preview") {
                layout.destination = Destination::Preview;
            } else if (args.size() == 1 && args.first() == u"printer") {
                layout.destination = Destination::Printer;
            } else if ((args.size() == 1 || args.size() == 2) && args.first() == u"pdf") {
                // Where the file goes is the learner's choice, made when printing: a layout
                // may only suggest a file name, never a folder.
                layout.destination = Destination::Pdf;
                layout.pdfSuggestedName = args.size() == 2 ? QFileInfo(args.at(1)).fileName() : QString();
            } else {
                return lineError(lineNumber,
                                 QStringLiteral("destination is \"preview\", \"printer\" or \"pdf [<file name>]\""));
            }
        } else {
            return lineError(lineNumber, QStringLiteral("unknown keyword \"%1\"").arg(words.first()));
        }
    }
    if (!sawFormat)
        return lineError(
            1, QStringLiteral("empty layout: it starts with \"format veskora-report %1\"").arg(kFormatVersion));
    if (layout.columns.isEmpty())
        return lineError(lines.size(), QStringLiteral("the layout prints no column"));
    return layout;
}

Result<ReportLayout> ReportLayout::load(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return Error{ErrorCode::FileNotFound,
                     QStringLiteral("report layout %1 not found").arg(QDir::toNativeSeparators(path))};
    if (!file.open(QIODevice::ReadOnly))
        return Error{ErrorCode::FileNotFound,
                     QStringLiteral("report layout %1 cannot be read: %2").arg(path, file.errorString())};
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (bytes.size() > kMaxFileBytes)
        return Error{ReportErrorCode::LayoutInvalid,
                     QStringLiteral("report layout %1 is larger than %2 bytes").arg(path).arg(kMaxFileBytes)};
    Result<ReportLayout> layout = parse(QString::fromUtf8(bytes));
    if (!layout)
        return Error{layout.error().code, QStringLiteral("report layout %1, %2").arg(path, layout.error().detail)};
    return layout;
}

QString expandReportText(const QString &text, const QString &lesson, int page, int pages)
{
    QString result = text;
    result.replace(QStringLiteral("{lesson}"), lesson);
    result.replace(QStringLiteral("{page}"), QString::number(page));
    result.replace(QStringLiteral("{pages}"), QString::number(pages));
    result.replace(QStringLiteral("{date}"), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    return result;
}

} // namespace Platform
