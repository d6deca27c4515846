// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
// The voice and the text agree: every lesson record and every core dictionary row, handed
// to the voice exactly as the windows and the speech engine hand it, is spoken with the
// stress that the compiled stress table marks on its words.
#include <QDir>
#include <QFile>
#include <QTest>

#include "course/stressmarks.h"
#include "course/stresstable.h"
#include "coursesource.h"
#include "dictionary/spokenform.h"
#include "espeakphonemes.h"
#include "lessons/speechtext.h"
#include "platform/agent/pronunciationlexicon.h"
#include "platform/agent/speechtext.h"
#include "stressagreement.h"

using namespace Qt::StringLiterals;

namespace {

QString sourceDir()
{
    return qEnvironmentVariable("VESKORA_SOURCE_DIR");
}

QString appDir()
{
    return qEnvironmentVariable("VESKORA_APP_DIR");
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A text as the course hands it to the character, and what the text marks.
struct Spoken {
    QString where;
    QString speech;
    QString marked;
};

} // namespace

class TestPronunciation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyLessonRecordIsSpokenAsMarked();
    void everyCoreDictionaryRowIsSpokenAsMarked();
    void formerFaultsStayMended_data();
    void formerFaultsStayMended();

private:
    QList<Spoken> lessonTexts() const;
    QList<Spoken> dictionaryTexts() const;
    /// "where: word heard as …" for every word the voice stresses otherwise than marked.
    QStringList disagreements(const Spoken &text, int *words);
    void checkAll(const QList<Spoken> &texts, int minimumWords);

    Course::StressTable m_stress;
    Platform::PronunciationLexicon m_lexicon;
    StressCheck::EspeakPhonemes m_espeak;
};

void TestPronunciation::initTestCase()
{
    QList<Course::StressTable::Problem> problems;
    m_stress = Course::StressTable::fromFile(appDir() + u"/stress.tsv"_s, &problems);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.value(0).message));
    m_lexicon = Platform::PronunciationLexicon::fromFile(appDir() + u"/pronunciation/ru.tsv"_s);
    QVERIFY(!m_lexicon.isEmpty());
    QString error;
    if (!m_espeak.start(&error))
        QSKIP(qPrintable(error));
}

QList<Spoken> TestPronunciation::lessonTexts() const
{
    QList<Spoken> texts;
    const QDir dir(sourceDir() + u"/data/lessons"_s);
    for (const QString &name : dir.entryList({u"lesson*.txt"_s}, QDir::Files, QDir::Name)) {
        Content::Diagnostics diagnostics;
        const Content::Lesson lesson =
            Content::parseLesson(dir.filePath(name), readFile(dir.filePath(name)), diagnostics);
        for (const Content::LessonRecord &record : lesson.records) {
            const QString &russian = record.values[0];
            // The alphabet window and the windows with the slider build their speech texts
            // differently; the rate does not change what is said.
            const QString speech =
                lesson.number == 1 ? Lessons::alphabetSpeechText(russian) : Lessons::lessonSpeechText(u"80"_s, russian);
            const QString marked = Course::markStress(russian, m_stress, {Course::lessonPlace(lesson.number), russian});
            texts.append({u"%1:%2"_s.arg(name).arg(record.lines[0]), speech, marked});
        }
    }
    return texts;
}

QList<Spoken> TestPronunciation::dictionaryTexts() const
{
    QList<Spoken> texts;
    const QDir dir(sourceDir() + u"/data/dictionary"_s);
    for (const QString &name : dir.entryList({u"core-*.tsv"_s}, QDir::Files, QDir::Name)) {
        Content::Diagnostics diagnostics;
        for (const Content::DictionaryEntry &entry :
             Content::parseDictionary(dir.filePath(name), readFile(dir.filePath(name)), diagnostics)) {
            const QString &russian = entry.cells[Content::kDictionaryRussian];
            const QString marked =
                Course::markStress(Dictionary::spokenForm(russian), m_stress, {Course::dictionaryPlace(), russian});
            texts.append({u"%1:%2"_s.arg(name).arg(entry.line), Dictionary::speechText(russian, &m_stress), marked});
        }
    }
    return texts;
}

QStringList TestPronunciation::disagreements(const Spoken &text, int *words)
{
    const QString voiceInput = m_lexicon.voiceInput(Platform::parseSpeechText(text.speech).spoken);
    QStringList found;
    for (const StressCheck::WordStress &word : StressCheck::compareStress(text.marked, m_espeak.phonemes(voiceInput))) {
        if (!word.needsStress)
            continue;
        ++*words;
        if (Course::markedVowels(word.expected).isEmpty())
            found << u"%1: \"%2\" has no decided stress"_s.arg(text.where, word.expected);
        else if (word.heard.isEmpty())
            found << u"%1: the voice's words do not match \"%2\""_s.arg(text.where, text.marked);
        else if (!word.agrees)
            found << u"%1: \"%2\" is spoken \"%3\" [%4]"_s.arg(text.where, word.expected, word.heard, word.phonemes);
    }
    return found;
}

void TestPronunciation::checkAll(const QList<Spoken> &texts, int minimumWords)
{
    int words = 0;
    QStringList found;
    for (const Spoken &text : texts)
        found += disagreements(text, &words);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
    QVERIFY2(words >= minimumWords, qPrintable(u"only %1 words were checked"_s.arg(words)));
}

void TestPronunciation::everyLessonRecordIsSpokenAsMarked()
{
    checkAll(lessonTexts(), 1000);
}

void TestPronunciation::everyCoreDictionaryRowIsSpokenAsMarked()
{
    checkAll(dictionaryTexts(), 1000);
}

void TestPronunciation::formerFaultsStayMended_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("heard");
    // Faults of the hand-written corrections and of the voice on its own, with the stress a
    // reviewer gives them; the walks above would not notice a wrong decision in the table.
    QTest::newRow("a question, not a command") << u"lesson14.txt"_s << u"Где вы остановитесь?"_s << u"остано́витесь"_s;
    QTest::newRow("the command") << u"lesson20.txt"_s << u"Остановитесь здесь, пожалуйста."_s << u"останови́тесь"_s;
    QTest::newRow("до пояса") << u"lesson31.txt"_s << u"Разденьтесь, пожалуйста, до пояса."_s << u"по́яса"_s;
    QTest::newRow("costs") << u"lesson03.txt"_s << u"Сколько это стоит?"_s << u"сто́ит"_s;
    QTest::newRow("brakes") << u"lesson18.txt"_s << u"Тормоза не работают."_s << u"тормоза́"_s;
    QTest::newRow("castle") << u"core-travel.tsv"_s << u"замок"_s << u"за́мок"_s;
    QTest::newRow("lock") << u"core-more.tsv"_s << u"замок (на двери)"_s << u"замо́к"_s;
}

void TestPronunciation::formerFaultsStayMended()
{
    QFETCH(QString, where);
    QFETCH(QString, word);
    QFETCH(QString, heard);
    const QList<Spoken> texts = where.startsWith(u"lesson"_s) ? lessonTexts() : dictionaryTexts();
    const QString text = where.startsWith(u"lesson"_s) ? word : Dictionary::spokenForm(word);
    const auto spoken = std::find_if(texts.cbegin(), texts.cend(), [&](const Spoken &candidate) {
        return candidate.where.startsWith(where) && Course::withoutStressMarks(candidate.marked) == text;
    });
    QVERIFY2(spoken != texts.cend(), qPrintable(u"no \"%1\" in %2"_s.arg(word, where)));
    const QString input = m_lexicon.voiceInput(Platform::parseSpeechText(spoken->speech).spoken);
    QStringList said;
    for (const StressCheck::WordStress &stress : StressCheck::compareStress(spoken->marked, m_espeak.phonemes(input)))
        said << stress.heard;
    QVERIFY2(said.contains(heard), qPrintable(said.join(u' ')));
}

QTEST_GUILESS_MAIN(TestPronunciation)
#include "tst_pronunciation.moc"
