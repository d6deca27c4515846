// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
// The Festival voice and the stress source agree: every record of lessons 2 to 38, handed
// to Festival as the lesson windows hand it, is said with the stress that the compiled
// stress table marks on its words.
#include <QDir>
#include <QFile>
#include <QTest>

#include "course/stressmarks.h"
#include "course/stresstable.h"
#include "coursesource.h"
#include "lessons/speechtext.h"
#include "platform/agent/festivalspeechengine.h"
#include "platform/agent/festivalvoice.h"
#include "platform/agent/speechtext.h"

using namespace Qt::StringLiterals;

namespace {

QString appDir()
{
    return qEnvironmentVariable("VESKORA_APP_DIR");
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Festival's stress of \a said (the word as the voice marks it) agrees with \a expected
// (the table's form): the same word with the same stressed vowel; of a word with two
// marks Festival gives the last, the word's main stress.
bool agrees(const QString &expected, const QString &said)
{
    if (Course::stressKey(expected) != Course::stressKey(said))
        return false;
    const QList<int> marked = Course::markedVowels(expected);
    const QList<int> heard = Course::markedVowels(said);
    return !marked.isEmpty() && heard == QList<int>{marked.last()};
}

} // namespace

class TestFestivalStress : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QList<Course::StressTable::Problem> problems;
        m_stress = Course::StressTable::fromFile(appDir() + u"/stress.tsv"_s, &problems);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.value(0).message));
        m_voice = Platform::festivalVoice(appDir() + u"/pronunciation/ru-festival.tsv"_s);
        QVERIFY(m_voice->waitUntilLoaded(280000));
        QVERIFY2(m_voice->state() == Platform::FestivalVoice::State::Ready, qPrintable(m_voice->problem()));
    }

    void everyLessonRecordIsStressedAsTheSourceSays()
    {
#if defined(__SANITIZE_ADDRESS__)
        // Festival's Scheme interpreter collects garbage by scanning the machine stack, which
        // AddressSanitizer's instrumented frames break ("damaged frame"); the plain pass runs it.
        QSKIP("Festival's interpreter cannot run under AddressSanitizer");
#endif
        const QDir dir(qEnvironmentVariable("VESKORA_SOURCE_DIR") + u"/data/lessons"_s);
        QStringList found;
        int words = 0;
        for (int number = 2; number <= 38; ++number) {
            const QString name = u"lesson%1.txt"_s.arg(number, 2, 10, QChar(u'0'));
            Content::Diagnostics diagnostics;
            const Content::Lesson lesson =
                Content::parseLesson(dir.filePath(name), readFile(dir.filePath(name)), diagnostics);
            QVERIFY2(!lesson.records.isEmpty(), qPrintable(name));
            for (const Content::LessonRecord &record : lesson.records) {
                const QString &russian = record.values[0];
                const QString marked = Course::markStress(russian, m_stress, {Course::lessonPlace(number), russian});
                const QString spoken = Platform::parseSpeechText(Lessons::lessonSpeechText(u"80"_s, russian)).spoken;
                QStringList said;
                m_voice->run([&](Platform::SpeechEngine &engine) {
                    said = static_cast<Platform::FestivalSpeechEngine &>(engine).stressedWords(spoken);
                });
                // Festival's words in order; numbers come out as several words.
                qsizetype next = 0;
                for (const Course::WordSpan &span : Course::russianWords(marked)) {
                    const QString expected = marked.mid(span.start, span.length);
                    if (!Course::needsStress(Course::stressKey(expected)))
                        continue;
                    ++words;
                    const auto at = std::find_if(
                        said.cbegin() + std::min(next, said.size()), said.cend(),
                        [&](const QString &word) { return Course::stressKey(word) == Course::stressKey(expected); });
                    if (at == said.cend()) {
                        found << u"%1:%2: Festival's words do not hold \"%3\": %4"_s.arg(name)
                                     .arg(record.lines[0])
                                     .arg(expected, said.join(u' '));
                        continue;
                    }
                    next = at - said.cbegin() + 1;
                    if (!agrees(expected, *at))
                        found << u"%1:%2: \"%3\" is said \"%4\""_s.arg(name).arg(record.lines[0]).arg(expected, *at);
                }
            }
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
        QVERIFY2(words >= 1000, qPrintable(u"only %1 words were checked"_s.arg(words)));
    }

private:
    Course::StressTable m_stress;
    std::shared_ptr<Platform::FestivalVoice> m_voice;
};

QTEST_GUILESS_MAIN(TestFestivalStress)
#include "tst_festivalstress.moc"
