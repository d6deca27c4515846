// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "festivalstress.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include "course/stressmarks.h"

namespace StressCheck {

QList<int> parseLexiconEntry(const QString &entry, int *syllables)
{
    // A syllable is "((phones…) stress)".
    static const QRegularExpression syllable(QStringLiteral("\\(\\(([^()]*)\\) (\\d)\\)"));
    QList<int> stressed;
    int count = 0;
    for (auto it = syllable.globalMatch(entry); it.hasNext(); ++count) {
        if (it.next().captured(2) != u"0")
            stressed.append(count);
    }
    *syllables = count;
    return stressed;
}

std::optional<QHash<QString, QList<int>>> festivalStress(const QStringList &words, QString *error)
{
    QSet<QString> parts;
    for (const QString &word : words) {
        for (const QString &part : word.split(u'-'))
            parts.insert(part);
    }
    QString script = QStringLiteral("(voice_msu_ru_nsh_clunits)\n");
    for (const QString &part : std::as_const(parts))
        script += QStringLiteral("(format t \"%s\\t%l\\n\" \"%1\" (lex.lookup \"%1\" nil))\n").arg(part);

    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("stress.scm")));
    if (!dir.isValid() || !file.open(QIODevice::WriteOnly) || file.write(script.toUtf8()) < 0) {
        *error = QStringLiteral("cannot write the Festival script");
        return std::nullopt;
    }
    file.close();
    QProcess festival;
    festival.start(QStringLiteral("festival"), {QStringLiteral("--batch"), file.fileName()});
    if (!festival.waitForFinished(300000) || festival.exitStatus() != QProcess::NormalExit) {
        *error = QStringLiteral("festival did not run: %1").arg(festival.errorString());
        return std::nullopt;
    }

    QHash<QString, QList<int>> partStress;
    for (const QString &line : QString::fromUtf8(festival.readAllStandardOutput()).split(u'\n')) {
        const QString part = line.section(u'\t', 0, 0);
        int syllables = 0;
        const QList<int> stressed = parseLexiconEntry(line.section(u'\t', 1), &syllables);
        if (parts.contains(part) && syllables == Course::syllableCount(part))
            partStress.insert(part, stressed);
    }
    if (partStress.isEmpty()) {
        *error = QStringLiteral("festival answered nothing (is festvox-ru installed?)");
        return std::nullopt;
    }

    QHash<QString, QList<int>> result;
    for (const QString &word : words) {
        QList<int> stressed;
        int offset = 0;
        bool complete = true;
        for (const QString &part : word.split(u'-')) {
            const auto found = partStress.constFind(part);
            complete = complete && found != partStress.cend();
            if (complete) {
                for (const int syllable : *found)
                    stressed.append(offset + syllable);
            }
            offset += Course::syllableCount(part);
        }
        if (complete)
            result.insert(word, stressed);
    }
    return result;
}

} // namespace StressCheck
