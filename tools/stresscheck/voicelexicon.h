// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QHash>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include "course/stresstable.h"
#include "stressagreement.h"

namespace StressCheck {

class EspeakPhonemes;

/// A text that the course hands to the Russian voice, exactly as handed (a dictionary row's
/// spoken part carries the marks of the row's own decisions), and the record it comes from.
struct SpokenText {
    /// "file:line", for messages.
    QString where;
    Course::CourseRecord record;
    QString text;
};

/// Builds the Russian voice's corrections (the pronunciation lexicon that the speech engine
/// applies, format: data/pronunciation/README.md) so that every spoken text of the course
/// is said with the stress the table decides.
///
/// A word that the voice stresses otherwise on its own gets an entry: the word → its
/// phonemes with the decided stress. Words that the dictionary marks for a row get one
/// per marked form ("за́мок"). A text in which a word is still said otherwise (a record's
/// own decision, or the voice's stress in context) gets an entry of its own, keyed by the
/// whole text. Every text is checked again with the entries in force until all agree.
class VoiceLexiconBuilder final {
public:
    VoiceLexiconBuilder(const Course::StressTable &table, EspeakPhonemes &espeak);

    /// Builds the entries; every text still said otherwise, and every word whose phonemes
    /// cannot be derived, is added to \a failures as "where: text: word heard as …".
    void build(const QList<SpokenText> &texts, QStringList *failures);

    /// The entries, written form → form to speak.
    const QMap<QString, QString> &entries() const { return m_entries; }
    /// Entries for single words and for whole texts.
    int wordEntries() const;
    int textEntries() const { return int(m_entries.size()) - wordEntries(); }
    /// Distinct words, and spoken texts, in which espeak-ng on its own disagrees with the table.
    int wordsVoiceMisstresses() const { return int(m_misstressedWords.size()); }
    int textsVoiceMisstresses() const { return m_misstressedTexts; }

    /// The lexicon file: a comment header, "written	spoken" and the entries.
    QString lexiconText() const;

private:
    /// A spoken text that the voice says otherwise than the table, word by word.
    struct Disagreement {
        SpokenText text;
        QList<WordStress> words;
        QString description() const;
    };

    /// espeak-ng's trace of \a input, remembered.
    QString phonemes(const QString &input);
    /// The phonemes of \a word said alone, its phoneme words joined by blanks.
    QString isolationPhonemes(const QString &word);
    void addWordEntries(const QList<SpokenText> &texts, QStringList *failures);
    /// The texts that disagree with the entries in force.
    QList<Disagreement> disagreeingTexts(const QList<SpokenText> &texts, bool firstRound);
    /// Word entries for the words of one stress that \a disagreement shows said otherwise.
    bool addContextWordEntries(const Disagreement &disagreement);
    /// Adds an entry for the whole of \a text; false when no entry can be made.
    bool addTextEntry(const SpokenText &text);

    const Course::StressTable &m_table;
    EspeakPhonemes &m_espeak;
    QHash<QString, QString> m_traces;
    QMap<QString, QString> m_entries;
    QSet<QString> m_misstressedWords;
    int m_misstressedTexts = 0;
};

} // namespace StressCheck
