// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/festivalspeechengine.h"

#include <algorithm>
#include <atomic>
#include <cmath>

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtEndian>

#include "platform/agent/agentlogging.h"
#include "platform/agent/speechstretch.h"
#include "platform/agent/speechtiming.h"

// Festival's headers come last: they define short macro names of their own.
#include <festival/festival.h>

namespace Platform {

namespace {

// Festival's Scheme heap in cells. Its own program takes ten million, which costs about
// 280 MB more; two million hold the voice, its trees and the course's lexicon with room to
// spare (measured: 256 MB for the whole voice against 506 MB).
constexpr int kHeapCells = 2000000;
// Festival's library folder, built into the library.
const QString kFestivalLibrary = QStringLiteral("/usr/share/festival/init.scm");
// The Scheme variable that holds the last utterance.
constexpr const char *kUtteranceVariable = "veskora_utt";

const QString kVowels = QStringLiteral("аеёиоуыэюя");
constexpr QChar kStressMark(0x0301);

std::atomic<bool> s_started{false};

// Text analysis up to the words and their syllables, without sound.
const char *const kAnalyse = R"((define (veskora_analyse text)
  (let ((u (eval (list 'Utterance 'Text text))))
    (Initialize u) (Text u) (Token_POS u) (Token u) (POS u) (Phrasify u) (Word u)
    u)))";

// The 1-based number of the syllable stressed by the last mark of \a marked (Festival
// counts syllables by vowels); 0 when unmarked.
int stressedSyllable(const QString &marked)
{
    int vowels = 0;
    int stressed = 0;
    for (const QChar c : marked) {
        if (kVowels.contains(c.toLower()))
            ++vowels;
        else if (c == kStressMark)
            stressed = vowels;
    }
    return stressed;
}

// The marked word as Festival's key for it: its stressed vowel followed by '+', which the
// voice's letter rules pass over; every stress of a word makes a distinct key.
QString markedKey(const QString &marked)
{
    QString key = marked.toLower();
    key.replace(kStressMark, u'+');
    return key;
}

// Characters the voice's letter rules and tokeniser handle: other marks would make
// Festival refuse the whole text.
bool isSpeakable(QChar c)
{
    if (c.isDigit() && c.unicode() < 128)
        return true;
    if (c.isLetter())
        return c.unicode() < 128 || (c.unicode() >= 0x0410 && c.unicode() <= 0x044F) || c == u'ё' || c == u'Ё';
    return c == u'-' || c == kStressMark;
}

bool isPhraseMark(QChar c)
{
    return QStringLiteral(".,:;!?").contains(c);
}

// Festival's text prepared for the voice: a word keeps its letters, digits, hyphens and
// stress marks and one closing punctuation mark; dashes become commas; anything else is
// dropped. Words left without letters are dropped too.
QStringList speakableWords(const QString &text)
{
    QStringList words;
    for (const QString &token : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        QString word;
        QChar punctuation;
        for (const QChar c : token) {
            if (isSpeakable(c))
                word += c;
            else if (isPhraseMark(c))
                punctuation = c;
            else if (c == u'—' || c == u'–')
                punctuation = u',';
            else if (c == u'…')
                punctuation = u'.';
        }
        while (word.startsWith(u'-'))
            word.remove(0, 1);
        while (word.endsWith(u'-'))
            word.chop(1);
        if (word.isEmpty() || word == QString(kStressMark)) {
            if (!punctuation.isNull() && !words.isEmpty() && !isPhraseMark(words.last().back()))
                words.last() += punctuation;
            continue;
        }
        words << (punctuation.isNull() ? word : word + punctuation);
    }
    return words;
}

// The first piece of a speech ends at its first phrase mark after two to kMostFirstWords
// words, else after kFirstWords words; each piece has two words at least, so
// that pauses can bring it to a slow rate. Shorter texts stay whole: they are quick to make.
constexpr int kFirstWords = 3;
constexpr int kMostFirstWords = 6;
// What is left of Festival's silence where two pieces meet: a phrase's pause after a phrase
// mark, a breath where none divides them (and as much before the next piece's sound, so
// that a soft first consonant is not cut).
constexpr int kPhrasePauseMs = 150;
constexpr int kJoinPauseMs = 30;

QString schemeString(const QString &text)
{
    QString quoted = text;
    quoted.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    return u'"' + quoted + u'"';
}

EST_Utterance *lastUtterance()
{
    LISP value = siod_get_lval(kUtteranceVariable, nullptr);
    return value == NIL ? nullptr : utterance(value);
}

// The start in seconds of \a word: that of its first segment; negative for a word without
// sound.
double wordStart(EST_Item *word)
{
    EST_Item *inSyllables = as(word, "SylStructure");
    if (!inSyllables || !daughter1(inSyllables) || !daughter1(daughter1(inSyllables)))
        return -1;
    return ffeature(word, "R:SylStructure.daughter1.daughter1.segment_start").Float();
}

} // namespace

QList<QStringList> FestivalSpeechEngine::splitAtFirstPhrase(const QStringList &words)
{
    qsizetype first = kFirstWords;
    for (qsizetype i = 1; i + 1 < words.size() && i < kMostFirstWords; ++i) {
        if (isPhraseMark(words[i].back())) {
            first = i + 1;
            break;
        }
    }
    if (words.size() - first < 2)
        return {words};
    return {words.mid(0, first), words.mid(first)};
}

void FestivalSpeechEngine::trimJoin(Pass &pass, bool start, bool end, int pauseMs)
{
    const auto [audibleFirst, audibleLast] = SpeechTiming::audibleSpan(pass.pcm);
    if (audibleLast <= audibleFirst)
        return;
    const qsizetype samples = pass.pcm.size() / 2;
    const qsizetype keepAfter = std::min(samples, audibleLast + qsizetype(pauseMs) * pass.sampleRate / 1000);
    const qsizetype from =
        start ? std::max<qsizetype>(0, audibleFirst - qsizetype(kJoinPauseMs) * pass.sampleRate / 1000) : 0;
    const qsizetype to = end ? keepAfter : samples;
    pass.pcm = pass.pcm.mid(from * 2, (to - from) * 2);
    const qint64 cutMs = qint64(from) * 1000 / pass.sampleRate;
    const qint64 lengthMs = qint64(to - from) * 1000 / pass.sampleRate;
    for (qint64 &wordStart : pass.wordStartsMs)
        wordStart = std::clamp<qint64>(wordStart - cutMs, 0, lengthMs);
}

FestivalSpeechEngine::FestivalSpeechEngine(const QString &lexiconPath, const QString &voiceName)
    : m_thread(std::this_thread::get_id())
{
    if (s_started.exchange(true)) {
        m_problem = QStringLiteral("Festival already runs in this process");
        return;
    }
    m_owner = true;
    // Festival ends the process when its own files are missing; it is not started then.
    if (!QFileInfo::exists(kFestivalLibrary)) {
        m_problem = QStringLiteral("Festival is not installed (%1 is missing)").arg(kFestivalLibrary);
        return;
    }
    festival_initialize(1, kHeapCells);
    if (!evaluate(QStringLiteral("(voice_%1)").arg(voiceName))) {
        m_problem = QStringLiteral("the voice %1 (festvox-ru) is not installed").arg(voiceName);
        return;
    }
    if (!evaluate(QString::fromLatin1(kAnalyse))) {
        m_problem = QStringLiteral("Festival refused the text analysis");
        return;
    }
    m_available = true;
    if (!lexiconPath.isEmpty())
        loadLexicon(lexiconPath);
    // The voice reads much of what unit selection needs only when first asked for it: a
    // first sentence would wait about half a second for that. A sentence with every letter
    // of the alphabet reads it now, while nothing waits for the loading.
    (void)speak(QStringLiteral("Съешь же ещё этих мягких французских булок, да выпей чаю."));
}

FestivalSpeechEngine::~FestivalSpeechEngine()
{
    // Festival cannot be started twice in a process, so its interpreter stays; only the
    // utterance goes.
    if (m_available && onOwnThread())
        evaluate(QStringLiteral("(set! %1 nil)").arg(QLatin1StringView(kUtteranceVariable)));
}

bool FestivalSpeechEngine::evaluate(const QString &expression)
{
    Q_ASSERT_X(onOwnThread(), "FestivalSpeechEngine", "used from another thread than the one that made it");
    const QByteArray utf8 = expression.toUtf8();
    return festival_eval_command(EST_String(utf8.constData())) != 0;
}

void FestivalSpeechEngine::loadLexicon(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcAgent) << "no Festival stress lexicon at" << path;
        return;
    }
    // Single words go into Festival's own lexicon with their stressed syllable; texts
    // become replacements that mark their words.
    QString wordEntries = QStringLiteral("(begin");
    QString texts = QStringLiteral("written\tspoken\n");
    int words = 0;
    bool header = true;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.startsWith(u'#') || line.trimmed().isEmpty())
            continue;
        if (std::exchange(header, false))
            continue;
        const QString written = line.section(u'\t', 0, 0).trimmed();
        const QString spoken = line.section(u'\t', 1, 1).trimmed();
        if (written.isEmpty() || spoken.isEmpty())
            continue;
        const QStringList speakable = speakableWords(written);
        if (speakable.size() == 1 && speakable.first() == written.toLower() && !written.contains(kStressMark)) {
            wordEntries += QStringLiteral(" (lex.add.entry '(%1 n (%2)))")
                               .arg(schemeString(written.toLower()))
                               .arg(stressedSyllable(spoken));
            ++words;
        } else {
            texts += written + u'\t' + spoken + u'\n';
        }
    }
    if (!evaluate(wordEntries + u')'))
        qCWarning(lcAgent) << "Festival refused the stress lexicon" << path;
    m_texts = PronunciationLexicon::parse(texts);
    qCDebug(lcAgent) << "Festival stress lexicon:" << words << "words," << m_texts.size() << "texts";
}

void FestivalSpeechEngine::addMarkedWord(const QString &marked)
{
    const QString key = markedKey(marked);
    if (m_markedWords.contains(key))
        return;
    m_markedWords.insert(key);
    evaluate(QStringLiteral("(lex.add.entry '(%1 n (%2)))").arg(schemeString(key)).arg(stressedSyllable(marked)));
}

QStringList FestivalSpeechEngine::prepare(const QString &spoken)
{
    QStringList words = speakableWords(m_texts.apply(spoken));
    for (QString &word : words) {
        if (!word.contains(kStressMark))
            continue;
        QString bare = word;
        while (!bare.isEmpty() && isPhraseMark(bare.back()))
            bare.chop(1);
        addMarkedWord(bare);
        word = markedKey(word);
    }
    return words;
}

bool FestivalSpeechEngine::hasVoice(const QString &voice)
{
    return m_available && voice == QStringLiteral("ru");
}

FestivalSpeechEngine::Pass FestivalSpeechEngine::speak(const QString &text)
{
    // Without the voice Festival may not even have started: nothing reaches it then.
    if (!m_available)
        return {};
    return speakPrepared(prepare(text));
}

FestivalSpeechEngine::Pass FestivalSpeechEngine::speakPrepared(const QStringList &words)
{
    Pass pass;
    if (!m_available || words.isEmpty())
        return pass;
    const QString text = words.join(u' ');
    if (!evaluate(QStringLiteral("(set! %1 (SynthText %2))")
                      .arg(QLatin1StringView(kUtteranceVariable), schemeString(text)))) {
        qCWarning(lcAgent) << "Festival could not say" << text;
        return pass;
    }
    EST_Utterance *utt = lastUtterance();
    if (!utt || !utt->relation_present("Wave") || !utt->relation("Wave")->head())
        return pass;
    const EST_Wave *wave = ::wave(utt->relation("Wave")->head()->f("wave"));
    if (!wave || wave->num_samples() == 0 || wave->sample_rate() <= 0)
        return pass;
    pass.sampleRate = wave->sample_rate();
    pass.pcm.resize(qsizetype(wave->num_samples()) * 2);
    for (int i = 0; i < wave->num_samples(); ++i)
        qToLittleEndian(qint16(wave->a_no_check(i)), pass.pcm.data() + qsizetype(i) * 2);
    const qint64 durationMs = qint64(wave->num_samples()) * 1000 / pass.sampleRate;

    // A written word (a token) starts with the first of the words it is said as.
    for (EST_Item *token = utt->relation("Token")->head(); token; token = inext(token)) {
        double start = -1;
        for (EST_Item *word = daughter1(token); word && start < 0; word = inext(word))
            start = wordStart(word);
        if (start >= 0)
            pass.wordStartsMs << std::min(durationMs, qint64(std::lround(start * 1000)));
    }
    return pass;
}

Utterance FestivalSpeechEngine::synthesizeRaw(const QString &text)
{
    return converted(speak(text));
}

Utterance FestivalSpeechEngine::converted(const Pass &pass)
{
    Utterance result;
    result.sampleRate = kSampleRate;
    result.pcm = SpeechStretch::reshape(pass.pcm, pass.sampleRate, kSampleRate, 1, 1);
    result.durationMs = result.pcm.size() / 2 * 1000 / kSampleRate;
    for (const qint64 start : pass.wordStartsMs)
        result.wordStartsMs << std::min(start, result.durationMs);
    return result;
}

Utterance FestivalSpeechEngine::synthesize(const QString &voice, const SpeechText &text)
{
    if (!hasVoice(voice) || text.spoken.isEmpty())
        return silentUtterance(text, kSampleRate);
    const Pass pass = speak(text.spoken);
    if (pass.pcm.isEmpty())
        return silentUtterance(text, kSampleRate);
    return shaped(pass, text);
}

void FestivalSpeechEngine::synthesizeInParts(const QString &voice, const SpeechText &text,
                                             const std::function<void(const UtterancePart &)> &deliver)
{
    const QStringList words = hasVoice(voice) ? prepare(text.spoken) : QStringList();
    const QList<QStringList> pieces = splitAtFirstPhrase(words);
    if (pieces.size() < 2) {
        SpeechEngine::synthesizeInParts(voice, text, deliver);
        return;
    }
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        SpeechText pieceText = text;
        pieceText.spoken = pieces[i].join(u' ');
        Pass pass = speakPrepared(pieces[i]);
        const bool last = i + 1 == pieces.size();
        if (pass.pcm.isEmpty()) {
            deliver({silentUtterance(pieceText, kSampleRate), int(words.size()), last});
            continue;
        }
        // Festival frames each utterance with silence; where the pieces meet, only a
        // phrase's pause is left of it (or none where no mark divides them).
        const int pauseMs = isPhraseMark(pieces[i].last().back()) ? kPhrasePauseMs : kJoinPauseMs;
        trimJoin(pass, /*start*/ i > 0, /*end*/ !last, pauseMs);
        deliver({shaped(pass, pieceText, !last), int(words.size()), last});
    }
}

Utterance FestivalSpeechEngine::shaped(const Pass &pass, const SpeechText &text, bool followed)
{
    const qsizetype words = pass.wordStartsMs.size();
    const auto [first, last] = SpeechTiming::audibleSpan(pass.pcm);
    if (words == 0 || last <= first)
        return converted(pass);

    // Pitch, tempo and the voice's own sample rate change in one go: this is most of the
    // time between a request and its sound, after Festival's own synthesis.
    const double pitch =
        text.pitchHz ? std::clamp(*text.pitchHz / double(kOwnPitchHz), kLowestPitch, kHighestPitch) : 1.0;
    const int target = std::clamp(text.wordsPerMinute.value_or(kDefaultWordsPerMinute), 20, 400);
    const double heard = words * 60.0 * pass.sampleRate / double(last - first);
    // Too slow: the whole utterance faster (as far as the tempo change goes), its word
    // starts with it.
    const double tempo = heard < target * 0.98 ? std::min(target / heard, 4.0) : 1.0;
    Utterance result;
    result.sampleRate = kSampleRate;
    result.pcm = SpeechStretch::reshape(pass.pcm, pass.sampleRate, kSampleRate, tempo, pitch);
    for (const qint64 start : pass.wordStartsMs)
        result.wordStartsMs << qint64(std::lround(double(start) / tempo));
    // Too fast: the missing time spread over the gaps between words. A piece that more
    // follows has one gap more, the one after its last word, and takes its share of it.
    if (tempo == 1.0) {
        qsizetype audible = (last - first) * kSampleRate / pass.sampleRate;
        qsizetype trailing = 0;
        if (followed) {
            const double wanted = words * 60.0 * kSampleRate / target;
            trailing = wanted > double(audible) ? qsizetype((wanted - double(audible)) / double(words)) : 0;
            audible += trailing;
        }
        result.pcm = SpeechTiming::padToRate(result.pcm, result.wordStartsMs, audible, target, kSampleRate);
        result.pcm.append(QByteArray(trailing * 2, '\0'));
    }
    result.durationMs = result.pcm.size() / 2 * 1000 / kSampleRate;
    for (qint64 &start : result.wordStartsMs)
        start = std::min(start, result.durationMs);
    return result;
}

QStringList FestivalSpeechEngine::stressedWords(const QString &text)
{
    QStringList result;
    if (!m_available)
        return result;
    const QStringList words = prepare(text);
    if (words.isEmpty()
        || !evaluate(QStringLiteral("(set! %1 (veskora_analyse %2))")
                         .arg(QLatin1StringView(kUtteranceVariable), schemeString(words.join(u' ')))))
        return result;
    EST_Utterance *utt = lastUtterance();
    if (!utt)
        return result;
    for (EST_Item *word = utt->relation("Word")->head(); word; word = inext(word)) {
        QString name = QString::fromUtf8(word->name().str()).toLower();
        name.remove(u'+');
        QList<bool> stressed;
        if (EST_Item *inSyllables = as(word, "SylStructure")) {
            for (EST_Item *syllable = daughter1(inSyllables); syllable; syllable = inext(syllable))
                stressed << (syllable->I("stress", 0) != 0);
        }
        QString marked;
        int vowel = 0;
        for (const QChar c : std::as_const(name)) {
            marked += c;
            if (kVowels.contains(c.toLower()) && vowel < stressed.size() && stressed[vowel++])
                marked += kStressMark;
        }
        result << marked;
    }
    return result;
}

} // namespace Platform
