// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "dictionary/lexiconquery.h"

#include <array>

#include "course/programstate.h"

namespace Dictionary {
namespace {

const std::array<LanguageTexts, 6> &allTexts()
{
    static const std::array<LanguageTexts, 6> texts = {{
        {Course::Language::English, QStringLiteral("English"), QStringLiteral("Search:"), QStringLiteral("End"),
         QStringLiteral("Speak"), QStringLiteral("The dictionary cannot be opened: the file Lexikon.mdb is missing or damaged.")},
        {Course::Language::Swedish, QStringLiteral("Swedish"), QStringLiteral("Sök:"), QStringLiteral("Avsluta"),
         QStringLiteral("Uttala"), QStringLiteral("Ordboken kan inte öppnas: filen Lexikon.mdb saknas eller är skadad.")},
        {Course::Language::Finnish, QStringLiteral("Suomi"), QStringLiteral("Etsi:"), QStringLiteral("Lopetus"),
         QStringLiteral("Lausu"), QStringLiteral("Sanakirjaa ei voi avata: tiedosto Lexikon.mdb puuttuu tai on vioittunut.")},
        {Course::Language::German, QStringLiteral("Deutch"), QStringLiteral("Suchwort:"), QStringLiteral("Ende"),
         QStringLiteral("Aussprechen"),
         QStringLiteral("Das Wörterbuch kann nicht geöffnet werden: die Datei Lexikon.mdb fehlt oder ist beschädigt.")},
        {Course::Language::French, QStringLiteral("France"), QStringLiteral("Recherche:"), QStringLiteral("Fin"),
         QStringLiteral("Prononcer"),
         QStringLiteral("Le dictionnaire ne peut pas être ouvert : le fichier Lexikon.mdb est absent ou endommagé.")},
        {Course::Language::Spanish, QStringLiteral("Spain"), QStringLiteral("Entrada: "), QStringLiteral("Acabar"),
         QStringLiteral("Pronunciar"),
         QStringLiteral("No se puede abrir el diccionario: el archivo Lexikon.mdb falta o está dañado.")},
    }};
    return texts;
}

} // namespace

const LanguageTexts &languageTexts(int languageCode)
{
    for (const LanguageTexts &texts : allTexts()) {
        if (texts.code == languageCode)
            return texts;
    }
    return allTexts().front();
}

QString searchQuery(const LanguageTexts &texts, const QString &typed)
{
    QString pattern = typed;
    pattern.replace(u'"', QStringLiteral("\"\""));
    return QStringLiteral("SELECT %1, Russian FROM Lang  where %1 Like\"").arg(texts.column) + pattern
        + QStringLiteral("*\"");
}

} // namespace Dictionary
