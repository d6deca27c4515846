// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
// stresscheck: lists the course's words with the stress that eSpeak NG, Festival and the
// reviewed stress source give them, flags every disagreement, and builds the Russian
// voice's corrections from the reviewed source.
#include <algorithm>
#include <cstdio>
#include <map>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "course/stressmarks.h"
#include "coursesource.h"
#include "espeakphonemes.h"
#include "festivallexicon.h"
#include "festivalstress.h"
#include "stressagreement.h"
#include "stresssource.h"
#include "voicelexicon.h"

using namespace StressCheck;

namespace {

void print(const QString &text, FILE *stream = stdout)
{
    std::fprintf(stream, "%s\n", text.toUtf8().constData());
}

std::optional<QByteArray> readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

// The course as the stress check sees it.
struct CourseSources {
    QStringList files;
    QList<Content::Lesson> lessons;
    QList<Content::DictionaryEntry> dictionary;
    QList<Content::CourseText> texts;
};

CourseSources readCourse(const QCommandLineParser &parser, Content::Diagnostics &diagnostics)
{
    CourseSources course;
    for (const QString &path : parser.positionalArguments()) {
        course.files << path;
        if (const auto content = readFile(path))
            course.lessons.append(Content::parseLesson(path, *content, diagnostics));
        else
            diagnostics.error(path, 1, QStringLiteral("cannot read the lesson file"));
    }
    const QDir dictionaryDir(parser.value(QStringLiteral("dictionary-dir")));
    for (const QString &name : dictionaryDir.entryList({QStringLiteral("core-*.tsv")}, QDir::Files, QDir::Name)) {
        course.files << dictionaryDir.filePath(name);
        if (const auto content = readFile(dictionaryDir.filePath(name)))
            course.dictionary += Content::parseDictionary(dictionaryDir.filePath(name), *content, diagnostics);
    }
    for (const Content::Lesson &lesson : std::as_const(course.lessons))
        course.texts += Content::lessonTexts(lesson);
    course.texts += Content::coreDictionaryTexts(course.dictionary);
    for (const QString &dir : parser.values(QStringLiteral("help-pages"))) {
        QStringList pages;
        for (QDirIterator it(dir, {QStringLiteral("*.htm")}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            pages << it.next();
        pages.sort();
        for (const QString &page : std::as_const(pages)) {
            if (const auto content = readFile(page))
                course.texts += Content::helpTexts(page, QString::fromUtf8(*content));
        }
    }
    return course;
}

// What the course hands the voice: each lesson record's Russian text, and each core
// dictionary row's spoken part with the marks of the row's own decisions.
QList<SpokenText> spokenTexts(const CourseSources &course, const Course::StressTable &table)
{
    QList<SpokenText> texts;
    for (const Content::Lesson &lesson : course.lessons) {
        for (const Content::LessonRecord &record : lesson.records) {
            const QString &russian = record.values[0];
            texts.append({QStringLiteral("%1:%2").arg(lesson.file).arg(record.lines[0]),
                          {Course::lessonPlace(lesson.number), russian},
                          russian});
        }
    }
    for (const Content::DictionaryEntry &entry : course.dictionary) {
        const QString &russian = entry.cells[Content::kDictionaryRussian];
        const Course::CourseRecord record{Course::dictionaryPlace(), russian};
        const QString spoken = Course::markStress(russian.section(u'(', 0, 0).trimmed(), table, record,
                                                  Course::StressMarking::RecordDecisionsOnly);
        texts.append({QStringLiteral("%1:%2").arg(entry.file).arg(entry.line), record, spoken});
    }
    return texts;
}

// The stress of a word as a form, or "—" when a voice cannot place it.
QString shownForm(const QString &word, const std::optional<QList<int>> &stress)
{
    return stress && !stress->isEmpty() ? markVowels(word, *stress) : QStringLiteral("—");
}

// Whether two voices' stresses say the same: equal on every part of two or more syllables.
bool sameStress(const QString &word, const QList<int> &a, const QList<int> &b)
{
    return agrees(markVowels(word, a), b) && agrees(markVowels(word, b), a);
}

struct ReviewCounts {
    int words = 0;
    int bothPlaced = 0;
    int voicesDiffer = 0;
    int espeakDiffersFromFile = 0;
    int festivalDiffersFromFile = 0;
    int undecided = 0;
    int decidedPerRecord = 0;
};

ReviewCounts review(const CourseSources &course, const Course::StressTable &table, EspeakPhonemes &espeak,
                    bool useFestival, bool listAll)
{
    std::map<QString, QString> words; // word → first place it occurs
    for (const Content::CourseText &text : course.texts) {
        for (const Course::WordSpan &span : Course::russianWords(text.text)) {
            const QString key = Course::stressKey(QStringView(text.text).mid(span.start, span.length));
            if (Course::needsStress(key))
                words.emplace(key, QStringLiteral("%1:%2").arg(text.file).arg(text.line));
        }
    }
    QStringList keys;
    for (const auto &[word, where] : words)
        keys << word;
    QString error;
    std::optional<QHash<QString, QList<int>>> festival;
    if (useFestival && !(festival = festivalStress(keys, &error)))
        print(QStringLiteral("stresscheck: %1; Festival's opinion is left out").arg(error), stderr);

    ReviewCounts counts;
    print(QStringLiteral("word\tfile\teSpeak NG\tFestival\tflag\twhere"));
    for (const auto &[word, where] : words) {
        ++counts.words;
        QList<int> espeakStress;
        const QList<PhonemeVowel> vowels = phonemeVowels(traceWords(espeak.phonemes(word)).join(QString()));
        for (qsizetype i = 0; i < vowels.size(); ++i) {
            if (vowels.at(i).stressed)
                espeakStress.append(int(i));
        }
        const std::optional<QList<int>> festivalWord =
            festival && festival->contains(word) ? std::optional(festival->value(word)) : std::nullopt;
        const QStringList forms = table.readings(word);
        QStringList flags;
        if (forms.isEmpty()) {
            flags << QStringLiteral("no decision");
            ++counts.undecided;
        }
        if (forms.size() > 1)
            ++counts.decidedPerRecord;
        if (festivalWord && !festivalWord->isEmpty() && !espeakStress.isEmpty()) {
            ++counts.bothPlaced;
            if (!sameStress(word, espeakStress, *festivalWord)) {
                flags << QStringLiteral("the voices differ");
                ++counts.voicesDiffer;
            }
        }
        const auto fileHas = [&forms](const QList<int> &stress) {
            return std::any_of(forms.cbegin(), forms.cend(),
                               [&stress](const QString &form) { return agrees(form, stress); });
        };
        if (!forms.isEmpty() && !fileHas(espeakStress)) {
            flags << QStringLiteral("eSpeak NG differs from the file");
            ++counts.espeakDiffersFromFile;
        }
        if (!forms.isEmpty() && festivalWord && !fileHas(*festivalWord)) {
            flags << QStringLiteral("Festival differs from the file");
            ++counts.festivalDiffersFromFile;
        }
        if (listAll || !flags.isEmpty())
            print(QStringList{
                word, forms.isEmpty() ? QStringLiteral("—") : forms.join(u' '), shownForm(word, espeakStress),
                festival ? shownForm(word, festivalWord) : QStringLiteral("?"), flags.join(QStringLiteral(", ")), where}
                      .join(u'\t'));
    }
    return counts;
}

QString depfileText(const QString &target, const QStringList &inputs)
{
    QStringList escaped;
    for (const QString &input : inputs)
        escaped << QFileInfo(input).absoluteFilePath().replace(u' ', QStringLiteral("\\ "));
    return QFileInfo(target).absoluteFilePath().replace(u' ', QStringLiteral("\\ ")) + QStringLiteral(": ")
        + escaped.join(QStringLiteral(" \\\n  ")) + u'\n';
}

bool writeFile(const QString &path, const QString &text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0 && file.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists the course's words with the stress of eSpeak NG, Festival and the reviewed source, flags every "
        "disagreement and every word without a decision, and builds the Russian voice's corrections."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("stress"), QStringLiteral("Folder of the stress sources (stress.tsv, records.tsv)."),
         QStringLiteral("dir")},
        {QStringLiteral("dictionary-dir"), QStringLiteral("Folder of the dictionary sources (core-*.tsv are read)."),
         QStringLiteral("dir")},
        {QStringLiteral("help-pages"), QStringLiteral("Folder of help pages (*.htm)."), QStringLiteral("dir")},
        {QStringLiteral("all"), QStringLiteral("List every word, not only the flagged ones.")},
        {QStringLiteral("no-festival"), QStringLiteral("Leave Festival out.")},
        {QStringLiteral("no-review"), QStringLiteral("Skip the word list (with --voice-lexicon).")},
        {QStringLiteral("voice-lexicon"),
         QStringLiteral("Build the voice's corrections into this file and check every spoken text with them."),
         QStringLiteral("file")},
        {QStringLiteral("festival-lexicon"),
         QStringLiteral("Write the Festival voice's stress lexicon into this file."), QStringLiteral("file")},
        {QStringLiteral("depfile"), QStringLiteral("With --voice-lexicon: write a make-style dependency file for it."),
         QStringLiteral("file")},
    });
    parser.addPositionalArgument(QStringLiteral("lessons"), QStringLiteral("Lesson sources lessonNN.txt."));
    parser.process(app);

    Content::Diagnostics diagnostics;
    const CourseSources course = readCourse(parser, diagnostics);
    QStringList stressFiles;
    const Course::StressTable table =
        Content::readStressSources(parser.value(QStringLiteral("stress")), diagnostics, &stressFiles);
    Content::validateStress(table, course.texts, diagnostics);
    for (const QString &warning : diagnostics.warnings())
        print(warning, stderr);
    for (const QString &problem : diagnostics.errors())
        print(problem, stderr);

    if (parser.isSet(QStringLiteral("festival-lexicon"))) {
        const QString path = parser.value(QStringLiteral("festival-lexicon"));
        if (!writeFile(path, festivalLexiconText(table))) {
            print(QStringLiteral("stresscheck: cannot write %1").arg(path), stderr);
            return 2;
        }
        if (!parser.isSet(QStringLiteral("voice-lexicon")) && parser.isSet(QStringLiteral("no-review")))
            return diagnostics.hasErrors() ? 1 : 0;
    }

    EspeakPhonemes espeak;
    QString error;
    if (!espeak.start(&error)) {
        print(QStringLiteral("stresscheck: ") + error, stderr);
        return 2;
    }
    int status = diagnostics.hasErrors() ? 1 : 0;
    if (!parser.isSet(QStringLiteral("no-review"))) {
        const ReviewCounts counts = review(course, table, espeak, !parser.isSet(QStringLiteral("no-festival")),
                                           parser.isSet(QStringLiteral("all")));
        print(QStringLiteral("\nwords of two or more syllables: %1; without a decision: %2; decided per record: %3 "
                             "words in %4 records")
                  .arg(counts.words)
                  .arg(counts.undecided)
                  .arg(counts.decidedPerRecord)
                  .arg(table.recordDecisions().size()));
        print(QStringLiteral("placed by both voices: %1; the voices differ on %2; eSpeak NG differs from the file on "
                             "%3, Festival on %4")
                  .arg(counts.bothPlaced)
                  .arg(counts.voicesDiffer)
                  .arg(counts.espeakDiffersFromFile)
                  .arg(counts.festivalDiffersFromFile));
    }
    if (parser.isSet(QStringLiteral("voice-lexicon"))) {
        VoiceLexiconBuilder builder(table, espeak);
        QStringList failures;
        builder.build(spokenTexts(course, table), &failures);
        for (const QString &failure : std::as_const(failures))
            print(QStringLiteral("stresscheck: the voice still says it otherwise: ") + failure, stderr);
        const QString path = parser.value(QStringLiteral("voice-lexicon"));
        if (!writeFile(path, builder.lexiconText())) {
            print(QStringLiteral("stresscheck: cannot write %1").arg(path), stderr);
            return 2;
        }
        const QString depfile = parser.value(QStringLiteral("depfile"));
        if (!depfile.isEmpty() && !writeFile(depfile, depfileText(path, course.files + stressFiles))) {
            print(QStringLiteral("stresscheck: cannot write %1").arg(depfile), stderr);
            return 2;
        }
        if (!parser.isSet(QStringLiteral("no-review")))
            print(QStringLiteral("voice corrections: %1 words, %2 whole texts; without them eSpeak NG says %3 words "
                                 "otherwise, in %4 spoken texts")
                      .arg(builder.wordEntries())
                      .arg(builder.textEntries())
                      .arg(builder.wordsVoiceMisstresses())
                      .arg(builder.textsVoiceMisstresses()));
        if (!failures.isEmpty())
            status = 1;
    }
    return status;
}
