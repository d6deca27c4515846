// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "lessons/controlnames.h"

#include <array>
#include <utility>

namespace Lessons {

const ControlNames &controlNames(int language)
{
    using Entry = std::pair<int, ControlNames>;
    static const std::array<Entry, 6> names = {{
        {110, {QStringLiteral("Picture"), QStringLiteral("Letter blocks"), QStringLiteral("Lesson commands"),
               QStringLiteral("Record commands"), QStringLiteral("Speed of speech"), QStringLiteral("Russian text"),
               QStringLiteral("Translation"), QStringLiteral("Lesson heading")}},
        {120, {QStringLiteral("Bild"), QStringLiteral("Bokstavsklossar"), QStringLiteral("Lektionskommandon"),
               QStringLiteral("Kommandon för texten"), QStringLiteral("Talhastighet"), QStringLiteral("Rysk text"),
               QStringLiteral("Översättning"), QStringLiteral("Lektionens rubrik")}},
        {130, {QStringLiteral("Kuva"), QStringLiteral("Kirjainpalikat"), QStringLiteral("Oppitunnin komennot"),
               QStringLiteral("Tekstin komennot"), QStringLiteral("Puhenopeus"),
               QStringLiteral("Venäjänkielinen teksti"), QStringLiteral("Käännös"),
               QStringLiteral("Oppitunnin otsikko")}},
        {140, {QStringLiteral("Bild"), QStringLiteral("Buchstabenwürfel"), QStringLiteral("Lektionsbefehle"),
               QStringLiteral("Befehle für den Text"), QStringLiteral("Sprechgeschwindigkeit"),
               QStringLiteral("Russischer Text"), QStringLiteral("Übersetzung"),
               QStringLiteral("Lektionsüberschrift")}},
        {150, {QStringLiteral("Image"), QStringLiteral("Cubes de lettres"), QStringLiteral("Commandes de la leçon"),
               QStringLiteral("Commandes du texte"), QStringLiteral("Vitesse de la parole"),
               QStringLiteral("Texte russe"), QStringLiteral("Traduction"), QStringLiteral("Titre de la leçon")}},
        {160, {QStringLiteral("Imagen"), QStringLiteral("Cubos de letras"), QStringLiteral("Órdenes de la lección"),
               QStringLiteral("Órdenes del texto"), QStringLiteral("Velocidad del habla"),
               QStringLiteral("Texto ruso"), QStringLiteral("Traducción"), QStringLiteral("Título de la lección")}},
    }};
    for (const Entry &entry : names) {
        if (entry.first == language)
            return entry.second;
    }
    return names.front().second;
}

} // namespace Lessons
