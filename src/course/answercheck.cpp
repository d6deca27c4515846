// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "course/answercheck.h"

#include <vector>

namespace Course::AnswerCheck {

namespace {

// Answers longer than this are not aligned letter by letter (the table would grow with the
// square of the length); they are marked as differing as a whole.
constexpr qsizetype kLongestAligned = 400;

// One unit of the comparison form and the span of the original text it stands for: a
// letter, or a break between words (a run of blanks and punctuation between two letters).
struct Token {
    QChar folded;
    qsizetype first = 0;
    qsizetype last = 0;
};

QChar fold(QChar c)
{
    const QChar lower = c.toLower();
    return lower == u'ё' ? QChar(u'е') : lower;
}

std::vector<Token> tokenize(const QString &text)
{
    std::vector<Token> tokens;
    qsizetype gapStart = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // Combining marks (a stress mark over a vowel) belong to their letter and are
        // neither compared nor a break between words.
        if (c.isMark()) {
            if (!tokens.empty() && gapStart < 0)
                tokens.back().last = i;
            continue;
        }
        if (!c.isLetterOrNumber()) {
            if (gapStart < 0)
                gapStart = i;
            continue;
        }
        if (gapStart >= 0 && !tokens.empty())
            tokens.push_back({QChar(u' '), gapStart, i - 1});
        gapStart = -1;
        tokens.push_back({fold(c), i, i});
    }
    return tokens;
}

// Marks the tokens of \a a and \a b that an alignment with the fewest edits does not match.
void markEdits(const std::vector<Token> &a, const std::vector<Token> &b, std::vector<bool> &aDiffers,
               std::vector<bool> &bDiffers)
{
    const std::size_t n = a.size();
    const std::size_t m = b.size();
    aDiffers.assign(n, true);
    bDiffers.assign(m, true);
    if (qsizetype(n) > kLongestAligned || qsizetype(m) > kLongestAligned)
        return;
    std::vector<std::vector<int>> cost(n + 1, std::vector<int>(m + 1, 0));
    for (std::size_t i = 0; i <= n; ++i)
        cost[i][0] = int(i);
    for (std::size_t j = 0; j <= m; ++j)
        cost[0][j] = int(j);
    for (std::size_t i = 1; i <= n; ++i) {
        for (std::size_t j = 1; j <= m; ++j) {
            const int substitute = cost[i - 1][j - 1] + (a[i - 1].folded == b[j - 1].folded ? 0 : 1);
            cost[i][j] = std::min({substitute, cost[i - 1][j] + 1, cost[i][j - 1] + 1});
        }
    }
    std::size_t i = n;
    std::size_t j = m;
    while (i > 0 && j > 0) {
        const bool same = a[i - 1].folded == b[j - 1].folded;
        if (cost[i][j] == cost[i - 1][j - 1] + (same ? 0 : 1)) {
            aDiffers[i - 1] = bDiffers[j - 1] = !same;
            --i;
            --j;
        } else if (cost[i][j] == cost[i - 1][j] + 1) {
            --i;
        } else {
            --j;
        }
    }
}

QList<Piece> piecesOf(const QString &text, const std::vector<Token> &tokens, const std::vector<bool> &differs)
{
    std::vector<bool> marked(std::size_t(text.size()), false);
    for (std::size_t t = 0; t < tokens.size(); ++t) {
        if (!differs[t])
            continue;
        for (qsizetype i = tokens[t].first; i <= tokens[t].last; ++i)
            marked[std::size_t(i)] = true;
    }
    QList<Piece> pieces;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool differsHere = marked[std::size_t(i)];
        if (pieces.isEmpty() || pieces.last().differs != differsHere)
            pieces.append({QString(), differsHere});
        pieces.last().text.append(text.at(i));
    }
    return pieces;
}

} // namespace

QString comparisonForm(const QString &text)
{
    QString form;
    for (const Token &token : tokenize(text))
        form.append(token.folded);
    return form;
}

bool isRight(const QString &typed, const QString &right)
{
    const QString form = comparisonForm(typed);
    return !form.isEmpty() && form == comparisonForm(right);
}

Comparison compare(const QString &typed, const QString &right)
{
    const std::vector<Token> typedTokens = tokenize(typed);
    const std::vector<Token> rightTokens = tokenize(right);
    std::vector<bool> typedDiffers;
    std::vector<bool> rightDiffers;
    markEdits(typedTokens, rightTokens, typedDiffers, rightDiffers);
    return {piecesOf(typed, typedTokens, typedDiffers), piecesOf(right, rightTokens, rightDiffers)};
}

} // namespace Course::AnswerCheck
