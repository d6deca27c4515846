// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "lessons/lessoncaptions.h"

#include "course/programstate.h"

namespace Lessons {

using namespace Qt::StringLiterals;
namespace Language = Course::Language;

std::optional<LessonCaptions> lessonCaptions(int language, CaptionSet set)
{
    std::optional<LessonCaptions> captions;
    // The texts below, spelling included, are the ones learners already know from the
    // course's printed material; keep them as they are.
    if (language == Language::English)
        captions = LessonCaptions{u"Back"_s, u"Next"_s, u"Repeat"_s, u"Last"_s, u"End lesson"_s,
                                  u"Start next lesson"_s, u"Dictionary"_s,
                                  u"Dictionary with over 50 000 words."_s, u"Lesson "_s,
                                  u"Speed of speech in word per minute."_s};
    if (language == Language::Swedish)
        captions = LessonCaptions{u"Tillbaka"_s, u"Nästa"_s, u"Upprepa"_s, u"Sista"_s, u"Sluta lektionen"_s,
                                  u"Starta nästa lektion"_s, u"Ordbok"_s, u"Ordbok med över 50 000 ord "_s,
                                  u"Lektion "_s, u"Talhastighet, ord per minut"_s};
    if (language == Language::Finnish)
        captions = LessonCaptions{u"Takaisin"_s, u"Seuraava"_s, u"Toisto"_s, u"Viimeinen"_s,
                                  u"Lopeta oppitunti"_s, u"Aloita seuraava oppitunti"_s, u"Sanakirja"_s,
                                  u"Sanakirjasssa yli 50 000 sanaa "_s, u"Oppitunti "_s,
                                  u"Puhenopeus, sanaa minuutissa"_s};
    if (language == Language::German)
        captions = LessonCaptions{u"Züruck"_s, u"Nächste"_s, u"Repetieren"_s, u"Letzte"_s, u"Ende"_s,
                                  u"Nächste lektion"_s, u"Lexikon"_s,
                                  u"Wörterbuch mit über 50 000 Wörtern. "_s, u"Lektion "_s,
                                  u"Geschwindigkeit der Sprache in Wort pro Minute."_s};
    if (language == Language::French)
        captions = LessonCaptions{u"En arrière"_s, u"Suivant"_s, u"Répéter"_s, u"Dernier"_s,
                                  u"Fin la leçon"_s, u"Ensuite leçon"_s, u"Dictionnaire"_s,
                                  u"Dictionnaire avec plus de 14 000 mots. "_s, u"Leçon "_s,
                                  u"La vitesse de discours dans le mot par la minute. "_s};
    if (language == Language::Spanish)
        captions = LessonCaptions{u"Atrás"_s, u"Siguiente"_s, u"Repetición"_s, u"Último"_s,
                                  u"Concluir la lección"_s, u"Próximo lección"_s, u"Diccionario"_s,
                                  u"Diccionario con más de 10 000 palabras."_s, u"Lección "_s,
                                  u"La velocidad del habla en la palabra por minuto. "_s};
    if (!captions)
        return captions;

    if (set == CaptionSet::ThirdLesson && language == Language::Spanish)
        captions->end = u"Terminar lección"_s;
    if (set == CaptionSet::Alphabet) {
        if (language == Language::Swedish)
            captions->nextLesson = u"Nästa lektion"_s;
        if (language == Language::Finnish)
            captions->nextLesson = u"Seuraava oppitunti"_s;
    }
    return captions;
}

QString translationColumn(int language)
{
    if (language == Language::English)
        return u"EnglishText"_s;
    if (language == Language::Swedish)
        return u"SvenskaText"_s;
    if (language == Language::Finnish)
        return u"FinnishText"_s;
    if (language == Language::German)
        return u"DeutchText"_s;
    if (language == Language::French)
        return u"FranceText"_s;
    if (language == Language::Spanish)
        return u"SpanishText"_s;
    return {};
}

QString installCyrillicTitle()
{
    return u"Install Cyrillic Support"_s;
}

QString installCyrillicMessage(int language)
{
    if (language == Language::Swedish)
        return u"Programmet kräver multinationellt språkstöd vilket installeras från START | INSTÄLLNINGAR | "
               u"KONTROLLPANELEN | LÄGG TILL / TA BORT PROGRAM | WINDOWS INSTALLATION. Stöd för Främmande språk "
               u"skall markeras."_s;
    if (language == Language::Finnish)
        return u"Ohjelma vaatii monikielisyystuen, joka asennetaan KÄYNNISTÄ | ASETUKSET | OHJAUSPANEELI | LISÄÄ / "
               u"POISTA SOVELLUTUS | WINDOWS ASENNUS. Merkitse ruutuun Monikielisyydentuki."_s;
    if (language == Language::German)
        return u"Das Programm erfordert auch Multisprache Unterstützung die von START | EINSTELLUNGEN | "
               u"SYSTEMSTEUERUNG |  SOFTWARE | WINDOWS SETUP installiert wird. Multisprache Unterstützung muss "
               u"markiert sein."_s;
    if (language == Language::French)
        return u"Le programme exige aussi support de langues étrangères qui sont installées de DEMARRÉR | "
               u"PARAMÈTRES | PANNEAU DE CONFIGURATION | AJOUTEZ / SUPPRIMER DES PROGRAMMES | INSTALLATION DES "
               u"WINDOWS. Support des langues étrangères doit être marqué."_s;
    if (language == Language::Spanish)
        return u"El programa también requiere apoyo de idiomas extranjeros que se instalan de la INICIO | "
               u"CONFIGURACÍON | PANEL DE CONTROL | AGREGAR O QUITAR PROGRAMAS | INSTALACIÓN DE WINDOWS. El "
               u"apoyo de idiomas extranjeros debe marcarse."_s;
    return u"The program requires Multilanguage support which is installed from START | SETTINGS | CONTROL PANEL | "
           u"ADD / REMOVE PROGRAMS | WINDOWS SETUP. Multilanguage Support must be marked."_s;
}

} // namespace Lessons
