// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "course/transliteration.h"

#include <algorithm>
#include <map>

#include <QFile>

#include "course/languages.h"
#include "course/stressmarks.h"

// Q_INIT_RESOURCE declares a global function, so it must be called outside any namespace.
static void initTransliterationResources()
{
    Q_INIT_RESOURCE(course);
}

namespace Course {

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView kRussianLetters = u"абвгдеёжзийклмнопрстуфхцчшщъыьэюя";

bool isRussianLetter(QChar c)
{
    return kRussianLetters.contains(c.toLower());
}

bool isVowel(QChar c)
{
    return QStringView(u"аеёиоуыэюя").contains(c);
}

bool isSign(QChar c)
{
    return c == u'ъ' || c == u'ь';
}

// The quoted text of a "name" or "source" line: everything between the first and the last
// double quote.
std::optional<QString> quoted(const QString &line)
{
    const qsizetype open = line.indexOf(u'"');
    const qsizetype close = line.lastIndexOf(u'"');
    if (open < 0 || close <= open)
        return std::nullopt;
    return line.mid(open + 1, close - open - 1);
}

QString formText(const QString &token)
{
    return token == u"-" ? QString() : token;
}

} // namespace

std::optional<QString> Transliteration::formIn(const Rule &rule, QStringView letters, qsizetype start, qsizetype end)
{
    const QChar previous = start > 0 ? letters.at(start - 1) : QChar();
    const QChar next = end < letters.size() ? letters.at(end) : QChar();
    for (const auto &[context, form] : rule.contextual) {
        bool applies = false;
        switch (context) {
        case Context::Start:
            applies = !isRussianLetter(previous);
            break;
        case Context::End:
            applies = !isRussianLetter(next);
            break;
        case Context::AfterVowel:
            applies = isVowel(previous);
            break;
        case Context::AfterSign:
            applies = isSign(previous);
            break;
        case Context::AfterHushing:
            applies = QStringView(u"жчшщ").contains(previous);
            break;
        case Context::BeforeVowel:
            applies = isVowel(next);
            break;
        case Context::BeforeConsonant:
            applies = isRussianLetter(next) && !isVowel(next) && !isSign(next);
            break;
        case Context::BeforeEI:
            applies = QStringView(u"еиыэ").contains(next);
            break;
        case Context::BetweenVowels:
            applies = isVowel(previous) && isVowel(next);
            break;
        }
        if (applies)
            return form;
    }
    return rule.form;
}

QString Transliteration::readRule(const QStringList &tokens)
{
    static const std::map<QString, Context> contexts = {
        {u"start"_s, Context::Start},
        {u"end"_s, Context::End},
        {u"after-vowel"_s, Context::AfterVowel},
        {u"after-sign"_s, Context::AfterSign},
        {u"after-hushing"_s, Context::AfterHushing},
        {u"before-vowel"_s, Context::BeforeVowel},
        {u"before-consonant"_s, Context::BeforeConsonant},
        {u"before-e-i"_s, Context::BeforeEI},
        {u"between-vowels"_s, Context::BetweenVowels},
    };
    const QString &key = tokens.constFirst();
    if (key.size() > 2 || !std::all_of(key.cbegin(), key.cend(), [](QChar c) { return kRussianLetters.contains(c); }))
        return QStringLiteral("\"%1\" is not one or two lower-case Russian letters").arg(key);
    if (m_rules.contains(key))
        return QStringLiteral("\"%1\" is given twice").arg(key);
    Rule rule;
    for (const QString &token : tokens.mid(1)) {
        const qsizetype colon = token.indexOf(u':');
        if (colon < 0) {
            if (rule.form)
                return QStringLiteral("\"%1\" has two forms").arg(key);
            rule.form = formText(token);
            continue;
        }
        const auto context = contexts.find(token.left(colon));
        if (context == contexts.end())
            return QStringLiteral("unknown context \"%1\"").arg(token.left(colon));
        rule.contextual.append({context->second, formText(token.mid(colon + 1))});
    }
    if (key.size() == 1 && !rule.form)
        return QStringLiteral("the letter \"%1\" has no form of its own").arg(key);
    if (!rule.form && rule.contextual.isEmpty())
        return QStringLiteral("\"%1\" has no form").arg(key);
    m_rules.insert(key, rule);
    return {};
}

Transliteration Transliteration::parse(const QString &text, QStringList *problems)
{
    Transliteration table;
    const QStringList lines = text.split(u'\n');
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const QString line = lines.at(index).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList tokens = line.simplified().split(u' ');
        QString problem;
        if (tokens.constFirst() == u"name" || tokens.constFirst() == u"source") {
            const std::optional<QString> value = quoted(line);
            if (!value)
                problem = QStringLiteral("%1 needs a quoted text").arg(tokens.constFirst());
            else
                (tokens.constFirst() == u"name" ? table.m_name : table.m_source) = *value;
        } else {
            problem = table.readRule(tokens);
        }
        if (!problem.isEmpty() && problems)
            problems->append(QStringLiteral("line %1: %2").arg(index + 1).arg(problem));
    }
    return table;
}

const Transliteration &Transliteration::forLanguage(int language)
{
    static const std::map<int, QString> files = {
        {Language::English, u"english"_s}, {Language::Swedish, u"swedish"_s}, {Language::Finnish, u"finnish"_s},
        {Language::German, u"german"_s},   {Language::French, u"french"_s},   {Language::Spanish, u"spanish"_s},
    };
    // Read once per language; the tables live until the program ends.
    static std::map<int, Transliteration> tables;
    const int code = Language::isInterfaceLanguage(language) ? language : Language::English;
    const auto found = tables.find(code);
    if (found != tables.end())
        return found->second;
    initTransliterationResources();
    QFile file(QStringLiteral(":/course/transliteration/%1.txt").arg(files.at(code)));
    Transliteration table;
    if (file.open(QIODevice::ReadOnly))
        table = parse(QString::fromUtf8(file.readAll()));
    return tables.emplace(code, std::move(table)).first->second;
}

QString Transliteration::lettersWithoutForm() const
{
    QString missing;
    for (const QChar letter : kRussianLetters) {
        if (!m_rules.contains(QString(letter)))
            missing += letter;
    }
    return missing;
}

QList<Transliteration::Piece> Transliteration::pieces(QStringView text) const
{
    // The marks go; the vowels they stood after are remembered.
    QString letters;
    QList<bool> stressed;
    letters.reserve(text.size());
    for (const QChar c : text) {
        if (c == kStressMark) {
            if (!letters.isEmpty() && isVowel(letters.back().toLower()))
                stressed.back() = true;
            continue;
        }
        letters += c;
        stressed.append(false);
    }
    // ё is always stressed; a word of one syllable shows no stress, as with the marks.
    for (const WordSpan &word : russianWords(letters)) {
        if (syllableCount(QStringView(letters).mid(word.start, word.length)) < 2)
            continue;
        for (qsizetype i = word.start; i < word.start + word.length; ++i)
            stressed[i] = stressed[i] || letters.at(i) == u'ё' || letters.at(i) == u'Ё';
    }

    const QString lower = letters.toLower();
    QList<Piece> result;
    auto append = [&result](const QString &written, bool isStressed) {
        if (written.isEmpty())
            return;
        if (!result.isEmpty() && result.back().stressed == isStressed)
            result.back().text += written;
        else
            result.append({written, isStressed});
    };
    const qsizetype count = letters.size();
    qsizetype i = 0;
    while (i < count) {
        if (!isRussianLetter(letters.at(i))) {
            append(letters.at(i), false);
            ++i;
            continue;
        }
        std::optional<QString> form;
        qsizetype end = i + 1;
        if (i + 1 < count && isRussianLetter(letters.at(i + 1))) {
            const auto pair = m_rules.constFind(lower.mid(i, 2));
            if (pair != m_rules.cend() && (form = formIn(*pair, lower, i, i + 2)))
                end = i + 2;
        }
        if (!form) {
            const auto single = m_rules.constFind(lower.mid(i, 1));
            form = single != m_rules.cend() ? formIn(*single, lower, i, i + 1) : std::nullopt;
        }
        QString written = form ? *form : letters.mid(i, 1);
        if (letters.at(i).isUpper() && !written.isEmpty()) {
            // A word in capitals stays in capitals; a capital letter alone gives a capital.
            const auto capital = [&letters](qsizetype at) {
                return at >= 0 && at < letters.size() && isRussianLetter(letters.at(at)) && letters.at(at).isUpper();
            };
            written = capital(end) || capital(i - 1) ? written.toUpper() : written.left(1).toUpper() + written.mid(1);
        }
        append(written, std::any_of(stressed.cbegin() + i, stressed.cbegin() + end, [](bool s) { return s; }));
        i = end;
    }
    return result;
}

QString Transliteration::toPlainText(QStringView text) const
{
    QString plain;
    for (const Piece &piece : pieces(text))
        plain += piece.text;
    return plain;
}

QString Transliteration::toHtml(QStringView text) const
{
    QString html;
    for (const Piece &piece : pieces(text)) {
        const QString escaped = piece.text.toHtmlEscaped();
        html += piece.stressed ? QStringLiteral("<b>") + escaped + QStringLiteral("</b>") : escaped;
    }
    return html;
}

} // namespace Course
