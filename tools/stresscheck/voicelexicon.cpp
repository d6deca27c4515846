// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "voicelexicon.h"

#include <algorithm>

#include <QSet>

#include "course/stressmarks.h"
#include "espeakphonemes.h"
#include "platform/agent/pronunciationlexicon.h"
#include "stressagreement.h"
#include "stressderivation.h"

namespace StressCheck {

namespace {

// Rounds of checking and adding text entries; one normally settles everything, a second
// one catches a text that another text's entry changed.
constexpr int kRounds = 4;

QString phonemeBlock(const QString &phonemes)
{
    return QStringLiteral("[[") + phonemes + QStringLiteral("]]");
}

QString expectedText(const Course::StressTable &table, const SpokenText &text)
{
    return Course::markStress(text.text, table, text.record);
}

} // namespace

VoiceLexiconBuilder::VoiceLexiconBuilder(const Course::StressTable &table, EspeakPhonemes &espeak)
    : m_table(table)
    , m_espeak(espeak)
{
}

QString VoiceLexiconBuilder::phonemes(const QString &input)
{
    // Most texts are handed over unchanged round after round; a synthesis is the slow part.
    auto found = m_traces.constFind(input);
    if (found == m_traces.cend())
        found = m_traces.insert(input, m_espeak.phonemes(input));
    return *found;
}

QString VoiceLexiconBuilder::isolationPhonemes(const QString &word)
{
    return traceWords(phonemes(Course::withoutStressMarks(word))).join(u' ');
}

void VoiceLexiconBuilder::build(const QList<SpokenText> &texts, QStringList *failures)
{
    m_entries.clear();
    m_misstressedWords.clear();
    m_misstressedTexts = 0;
    addWordEntries(texts, failures);
    for (int round = 0; round < kRounds; ++round) {
        const auto disagreeing = disagreeingTexts(texts, round == 0);
        if (disagreeing.isEmpty())
            return;
        // A word that has one stress everywhere but is said otherwise in some sentence (the
        // voice leaves "было" or "могу" unstressed before another word) gets its phonemes
        // as a word entry; only a record's own decision needs an entry for a whole text.
        bool added = false;
        for (const Disagreement &disagreement : disagreeing)
            added = addContextWordEntries(disagreement) || added;
        if (added)
            continue;
        for (const Disagreement &disagreement : disagreeing) {
            if (round + 1 == kRounds || !addTextEntry(disagreement.text))
                failures->append(QStringLiteral("%1: %2: %3")
                                     .arg(disagreement.text.where, disagreement.text.text, disagreement.description()));
            else
                added = true;
        }
        if (!added)
            return;
    }
}

int VoiceLexiconBuilder::wordEntries() const
{
    int count = 0;
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it) {
        const QList<Course::WordSpan> words = Course::russianWords(it.key());
        count += words.size() == 1 && words.constFirst().length == it.key().size() ? 1 : 0;
    }
    return count;
}

bool VoiceLexiconBuilder::addContextWordEntries(const Disagreement &disagreement)
{
    bool added = false;
    for (const WordStress &word : disagreement.words) {
        const QString key = Course::stressKey(word.expected);
        if (word.agrees || word.heard.isEmpty() || word.written.contains(QChar(Course::kStressMark))
            || m_table.readings(key).size() != 1 || m_entries.contains(key))
            continue;
        if (const auto derived = phonemesWithStress(word.expected, isolationPhonemes(key))) {
            m_entries.insert(key, phonemeBlock(*derived));
            added = true;
        }
    }
    return added;
}

QString VoiceLexiconBuilder::Disagreement::description() const
{
    QStringList wrong;
    for (const WordStress &word : words) {
        if (word.heard.isEmpty())
            return QStringLiteral("the voice's words do not match the text's");
        if (!word.agrees)
            wrong << QStringLiteral("\"%1\" heard as \"%2\" [%3]").arg(word.expected, word.heard, word.phonemes);
    }
    return wrong.join(QStringLiteral("; "));
}

void VoiceLexiconBuilder::addWordEntries(const QList<SpokenText> &texts, QStringList *failures)
{
    QSet<QString> seen;
    for (const SpokenText &text : texts) {
        for (const Course::WordSpan &span : Course::russianWords(text.text)) {
            const QString word = text.text.mid(span.start, span.length).toLower();
            if (seen.contains(word))
                continue;
            seen.insert(word);
            const QString key = Course::stressKey(word);
            // A marked word asks for its marks; an unmarked one gets its only stress. A word of
            // several senses gets no entry of its own even where every record decides it
            // alike: the voice also speaks texts that no record decides (imported dictionary
            // rows), and there it should keep its own choice rather than one sense.
            const QString form = word != key ? word : m_table.stressFor(key);
            if (!Course::needsStress(key) || form.isEmpty())
                continue;
            const QString phonemes = isolationPhonemes(key);
            QList<int> voiced;
            const QList<PhonemeVowel> vowels = phonemeVowels(phonemes);
            for (qsizetype i = 0; i < vowels.size(); ++i) {
                if (vowels.at(i).stressed)
                    voiced.append(int(i));
            }
            if (agrees(form, voiced))
                continue;
            if (const auto derived = phonemesWithStress(form, phonemes))
                m_entries.insert(word, phonemeBlock(*derived));
            else
                failures->append(QStringLiteral("%1: cannot give \"%2\" the stress %3 (phonemes %4)")
                                     .arg(text.where, key, form, phonemes));
        }
    }
}

QList<VoiceLexiconBuilder::Disagreement> VoiceLexiconBuilder::disagreeingTexts(const QList<SpokenText> &texts,
                                                                               bool firstRound)
{
    const Platform::PronunciationLexicon lexicon = Platform::PronunciationLexicon::parse(lexiconText());
    QList<Disagreement> disagreeing;
    for (const SpokenText &text : texts) {
        const QString expected = expectedText(m_table, text);
        if (firstRound) {
            // What the voice says without any correction, for the numbers.
            bool misstressed = false;
            const QString plain = Course::withoutStressMarks(text.text);
            for (const WordStress &word : compareStress(expected, phonemes(plain))) {
                if (word.needsStress && !word.agrees) {
                    m_misstressedWords.insert(word.expected);
                    misstressed = true;
                }
            }
            m_misstressedTexts += misstressed ? 1 : 0;
        }
        QList<WordStress> words = compareStress(expected, phonemes(lexicon.voiceInput(text.text)));
        const QList<Course::WordSpan> spans = Course::russianWords(text.text);
        for (qsizetype i = 0; i < words.size() && i < spans.size(); ++i)
            words[i].written = text.text.mid(spans.at(i).start, spans.at(i).length);
        const bool agree = std::all_of(words.cbegin(), words.cend(),
                                       [](const WordStress &word) { return !word.heard.isEmpty() && word.agrees; });
        if (!agree)
            disagreeing.append({text, words});
    }
    return disagreeing;
}

bool VoiceLexiconBuilder::addTextEntry(const SpokenText &text)
{
    // The same text from another record got its entry in this round; the next round tells
    // whether it serves this record too.
    if (m_entries.contains(text.text.trimmed()))
        return true;
    const QString expected = expectedText(m_table, text);
    const Platform::PronunciationLexicon lexicon = Platform::PronunciationLexicon::parse(lexiconText());
    const QList<WordStress> words = compareStress(expected, phonemes(lexicon.voiceInput(text.text)));
    const QList<Course::WordSpan> spans = Course::russianWords(text.text);
    if (words.size() != spans.size())
        return false;
    QString spoken;
    qsizetype done = 0;
    for (qsizetype i = 0; i < spans.size(); ++i) {
        const Course::WordSpan &span = spans.at(i);
        const WordStress &word = words.at(i);
        if (word.heard.isEmpty())
            return false;
        spoken += text.text.mid(done, span.start - done);
        const QString written = text.text.mid(span.start, span.length);
        if (!word.agrees) {
            const auto derived = phonemesWithStress(word.expected, isolationPhonemes(word.expected));
            if (!derived)
                return false;
            spoken += phonemeBlock(*derived);
        } else {
            // The word as the voice gets it now: its own entry, or the written word.
            spoken += m_entries.value(written.toLower(), Course::withoutStressMarks(written));
        }
        done = span.start + span.length;
    }
    spoken += text.text.mid(done);
    m_entries.insert(text.text.trimmed(), spoken);
    return true;
}

QString VoiceLexiconBuilder::lexiconText() const
{
    QString text =
        QStringLiteral("# The Russian voice's corrections, generated by stresscheck from the reviewed stress in\n"
                       "# data/pronunciation: a word or a whole text of the course, and what to hand the voice\n"
                       "# so that it says every word with that stress (\"[[…]]\" holds espeak-ng phonemes).\n"
                       "written\tspoken\n");
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it)
        text += it.key() + u'\t' + it.value() + u'\n';
    return text;
}

} // namespace StressCheck
