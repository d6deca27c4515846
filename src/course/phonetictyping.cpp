// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "course/phonetictyping.h"

namespace Course::PhoneticTyping {

namespace {

// The letter each key gives on its own, in lower case.
struct Single {
    char16_t key;
    char16_t letter;
};
constexpr Single kSingles[] = {
    {u'a', u'а'}, {u'b', u'б'}, {u'v', u'в'}, {u'g', u'г'}, {u'd', u'д'}, {u'e', u'е'},  {u'z', u'з'},
    {u'i', u'и'}, {u'j', u'й'}, {u'k', u'к'}, {u'l', u'л'}, {u'm', u'м'}, {u'n', u'н'},  {u'o', u'о'},
    {u'p', u'п'}, {u'r', u'р'}, {u's', u'с'}, {u't', u'т'}, {u'u', u'у'}, {u'f', u'ф'},  {u'h', u'х'},
    {u'x', u'х'}, {u'c', u'ц'}, {u'y', u'ы'}, {u'w', u'щ'}, {u'q', u'я'}, {u'\'', u'ь'}, {u'"', u'ъ'},
};

// Spellings that a key completes: the letters already typed (in lower case) and the key
// turn into one letter. Longer spellings come first.
struct Spelling {
    const char16_t *typed;
    char16_t key;
    char16_t letter;
};
constexpr Spelling kSpellings[] = {
    {u"шц", u'h', u'щ'}, {u"з", u'h', u'ж'}, {u"с", u'h', u'ш'}, {u"ц", u'h', u'ч'},
    {u"к", u'h', u'х'},  {u"ы", u'a', u'я'}, {u"ы", u'u', u'ю'}, {u"ы", u'o', u'ё'},
    {u"й", u'a', u'я'},  {u"й", u'u', u'ю'}, {u"й", u'e', u'э'}, {u"ь", u'\'', u'ъ'},
};

QChar inCaseOf(char16_t letter, QChar model)
{
    return model.isUpper() ? QChar(letter).toUpper() : QChar(letter);
}

} // namespace

std::optional<Edit> edit(const QString &before, QChar key)
{
    const QChar lowerKey = key.toLower();
    for (const Spelling &spelling : kSpellings) {
        const QString typed = QString::fromUtf16(spelling.typed);
        if (lowerKey != QChar(spelling.key) || before.size() < typed.size())
            continue;
        const QString tail = before.right(typed.size());
        if (tail.toLower() == typed)
            return Edit{int(typed.size()), QString(inCaseOf(spelling.letter, tail.at(0)))};
    }
    for (const Single &single : kSingles) {
        if (lowerKey == QChar(single.key))
            return Edit{0, QString(inCaseOf(single.letter, key))};
    }
    return std::nullopt;
}

QString convert(const QString &keys)
{
    QString text;
    for (const QChar key : keys) {
        const std::optional<Edit> change = edit(text, key);
        if (!change) {
            text.append(key);
            continue;
        }
        text.chop(change->replaced);
        text.append(change->text);
    }
    return text;
}

} // namespace Course::PhoneticTyping
