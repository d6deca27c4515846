// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// Compiles an arbitrary Like pattern (the input's first line) and matches it against an
// arbitrary text (the rest). Besides crashes, sanitizer reports and slow matches it checks
// the shortcuts the database takes: the prefix range it reads through the fold index, a
// lone "*" matching everything, and a text without wildcards matching itself in any case.
#include "fuzzinput.h"

#include "platform/database/jetpattern.h"
#include "platform/database/searchfold.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList parts = Fuzz::partsOf(Fuzz::textOf(data, size), 2);
    const QString &patternText = parts.at(0);
    const QString &text = parts.at(1);

    QString error;
    const auto pattern = Platform::JetPattern::parse(patternText, &error);
    if (!pattern) {
        if (error.isEmpty())
            Fuzz::broken();
    } else {
        const bool matched = pattern->matches(text);
        if (pattern->matchesEverything() && !matched)
            Fuzz::broken();
        // The database narrows the rows to the folded texts that sort between the literal
        // prefix and the prefix followed by a byte no UTF-8 text holds; that range must keep
        // every match and, for a prefix-only pattern, decide alone.
        const QString prefix = pattern->literalPrefix();
        if (!prefix.isEmpty()) {
            const QByteArray low = prefix.toUtf8();
            const QByteArray high = low + QByteArray("\xF4\x90", 2);
            const QByteArray folded = Platform::searchFold(text).toUtf8();
            const bool inRange = folded >= low && folded < high;
            if (matched && !inRange)
                Fuzz::broken();
            if (pattern->isPrefixOnly() && matched != inRange)
                Fuzz::broken();
        }
        if (pattern->isPrefixOnly() && !pattern->matches(prefix))
            Fuzz::broken();
    }

    // The text taken as a pattern of its own: without wildcards it stands for itself.
    static const QString wildcards = QStringLiteral("*?#[");
    bool plain = true;
    for (const QChar c : text)
        plain = plain && !wildcards.contains(c);
    if (plain) {
        const auto literal = Platform::JetPattern::parse(text);
        if (!literal || !literal->matches(text))
            Fuzz::broken();
        // Some letters change length or fold differently in upper case ("ß" becomes "SS").
        const QString upper = text.toUpper();
        if (Platform::searchFold(upper) == Platform::searchFold(text) && !literal->matches(upper))
            Fuzz::broken();
    }
    return 0;
}
