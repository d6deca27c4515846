// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
// contentc: compiles the course sources into the databases of the application folder.
#include <algorithm>
#include <cstdio>
#include <optional>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "course/coursefiles.h"
#include "coursesource.h"
#include "coursewriter.h"
#include "stresssource.h"

using namespace Content;

namespace {

void printLine(const QString &text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

std::optional<QByteArray> readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

QString escapeForDepfile(const QString &path)
{
    QString escaped = path;
    escaped.replace(QLatin1Char(' '), QStringLiteral("\\ "));
    return escaped;
}

bool writeTextFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

// The compiled stress table for the programs (format: data/pronunciation/README.md).
QString writeStressTable(const QString &path, const Course::StressTable &table)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(table.toText().toUtf8()) < 0 || !file.commit())
        return QStringLiteral("cannot write %1").arg(path);
    return {};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Compiles lesson and dictionary sources into the course databases."));
    parser.addHelpOption();
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Application folder to write."),
                                       QStringLiteral("dir"));
    const QCommandLineOption picturesOption(QStringLiteral("pictures"), QStringLiteral("Folder of picture sources."),
                                            QStringLiteral("dir"));
    const QCommandLineOption characterOption(
        QStringLiteral("character"), QStringLiteral("Character file for the animation check."), QStringLiteral("file"));
    const QCommandLineOption dictionaryDirOption(
        QStringLiteral("dictionary-dir"), QStringLiteral("Folder of dictionary .tsv sources, read in name order."),
        QStringLiteral("dir"));
    const QCommandLineOption dictionaryOption(QStringLiteral("dictionary"),
                                              QStringLiteral("A further dictionary source, read after the folder."),
                                              QStringLiteral("file"));
    const QCommandLineOption passwordOption(
        QStringLiteral("password"), QStringLiteral("Password of the lesson database (default: the course's own)."),
        QStringLiteral("password"), Course::Files::kPassword);
    const QCommandLineOption stressOption(
        QStringLiteral("stress"),
        QStringLiteral(
            "Folder of the stress sources (stress.tsv, records.tsv): every word must have a decided stress."),
        QStringLiteral("dir"));
    const QCommandLineOption helpOption(
        QStringLiteral("help-pages"),
        QStringLiteral("Folder of help pages (*.htm) whose Russian the stress check covers."), QStringLiteral("dir"));
    const QCommandLineOption depfileOption(
        QStringLiteral("depfile"), QStringLiteral("Write a make-style dependency file."), QStringLiteral("file"));
    const QCommandLineOption stampOption(QStringLiteral("stamp"),
                                         QStringLiteral("Touch this file on success (the depfile's target)."),
                                         QStringLiteral("file"));
    parser.addOptions({outOption, picturesOption, characterOption, dictionaryDirOption, dictionaryOption,
                       passwordOption, stressOption, helpOption, depfileOption, stampOption});
    parser.addPositionalArgument(QStringLiteral("lessons"), QStringLiteral("Lesson sources lessonNN.txt."));
    parser.process(app);

    if (!parser.isSet(outOption) || !parser.isSet(picturesOption)) {
        printLine(QStringLiteral("contentc: --out and --pictures are required"));
        return 2;
    }
    const QString outDir = parser.value(outOption);
    const QString pictureDir = parser.value(picturesOption);
    QStringList inputs;
    Diagnostics diagnostics;

    std::optional<QSet<QString>> animations;
    const QString characterFile = parser.value(characterOption);
    if (!characterFile.isEmpty() && QFileInfo::exists(characterFile)) {
        const auto content = readFile(characterFile);
        if (!content) {
            diagnostics.error(characterFile, 1, QStringLiteral("cannot read the character file"));
        } else {
            animations = animationNames(*content);
            inputs << characterFile;
        }
    } else {
        diagnostics.warning(characterFile.isEmpty() ? QStringLiteral("contentc") : characterFile,
                            QStringLiteral("no character file yet; animation names are not checked"));
    }

    QList<Lesson> lessons;
    QByteArray seed = parser.value(passwordOption).toUtf8();
    for (const QString &path : parser.positionalArguments()) {
        const auto content = readFile(path);
        if (!content) {
            diagnostics.error(path, 1, QStringLiteral("cannot read the lesson file"));
            continue;
        }
        inputs << path;
        seed += QCryptographicHash::hash(*content, QCryptographicHash::Sha256);
        Lesson lesson = parseLesson(path, *content, diagnostics);
        validateLesson(lesson, pictureDir, animations, diagnostics);
        for (const Lesson &other : std::as_const(lessons)) {
            if (lesson.number != 0 && other.number == lesson.number)
                diagnostics.error(path, 1,
                                  QStringLiteral("lesson %1 is also given by %2").arg(lesson.number).arg(other.file));
        }
        lessons.append(lesson);
    }
    std::stable_sort(lessons.begin(), lessons.end(),
                     [](const Lesson &a, const Lesson &b) { return a.number < b.number; });

    QStringList dictionaryFiles;
    if (parser.isSet(dictionaryDirOption)) {
        const QDir dir(parser.value(dictionaryDirOption));
        if (dir.exists()) {
            inputs << dir.absolutePath();
            for (const QString &name : dir.entryList({QStringLiteral("*.tsv")}, QDir::Files, QDir::Name))
                dictionaryFiles << dir.filePath(name);
        }
    }
    dictionaryFiles << parser.values(dictionaryOption);
    QList<DictionaryEntry> entries;
    for (const QString &path : std::as_const(dictionaryFiles)) {
        const auto content = readFile(path);
        if (!content) {
            diagnostics.error(path, 1, QStringLiteral("cannot read the dictionary file"));
            continue;
        }
        inputs << path;
        entries += parseDictionary(path, *content, diagnostics);
    }

    std::optional<Course::StressTable> stress;
    if (parser.isSet(stressOption)) {
        stress = readStressSources(parser.value(stressOption), diagnostics, &inputs);
        QList<CourseText> texts;
        for (const Lesson &lesson : std::as_const(lessons))
            texts += lessonTexts(lesson);
        texts += coreDictionaryTexts(entries);
        for (const QString &dir : parser.values(helpOption)) {
            QStringList pages;
            for (QDirIterator it(dir, {QStringLiteral("*.htm")}, QDir::Files, QDirIterator::Subdirectories);
                 it.hasNext();)
                pages << it.next();
            pages.sort();
            for (const QString &page : std::as_const(pages)) {
                const auto content = readFile(page);
                if (!content) {
                    diagnostics.error(page, 1, QStringLiteral("cannot read the help page"));
                    continue;
                }
                inputs << page;
                texts += helpTexts(page, QString::fromUtf8(*content));
            }
        }
        validateStress(*stress, texts, diagnostics);
    }

    for (const QString &warning : diagnostics.warnings())
        printLine(warning);
    if (diagnostics.hasErrors()) {
        for (const QString &error : diagnostics.errors())
            printLine(error);
        return 1;
    }

    useDeterministicRandom(seed);
    QString error = writeLessonDatabase(outDir + QStringLiteral("/Russian.mdb"), lessons, parser.value(passwordOption));
    if (error.isEmpty())
        error = writeDictionaryDatabase(outDir + QStringLiteral("/Lexikon.mdb"), entries);
    if (error.isEmpty())
        error = writePrintDatabase(outDir + QStringLiteral("/Print.mdb"), lessons);
    if (error.isEmpty() && stress)
        error = writeStressTable(outDir + QStringLiteral("/stress.tsv"), *stress);
    if (error.isEmpty())
        error = copyPictures(pictureDir, outDir + QStringLiteral("/Pictures"), &inputs);
    if (error.isEmpty() && QDir(pictureDir).exists())
        inputs << QDir(pictureDir).absolutePath();
    if (!error.isEmpty()) {
        printLine(QStringLiteral("contentc: ") + error);
        return 1;
    }

    if (parser.isSet(stampOption)) {
        const QString stamp = parser.value(stampOption);
        if (!writeTextFile(stamp, QByteArray())) {
            printLine(QStringLiteral("contentc: cannot write %1").arg(stamp));
            return 1;
        }
        if (parser.isSet(depfileOption)) {
            QStringList escaped;
            for (const QString &input : std::as_const(inputs))
                escaped << escapeForDepfile(QFileInfo(input).absoluteFilePath());
            const QByteArray depfile = (escapeForDepfile(QFileInfo(stamp).absoluteFilePath()) + QStringLiteral(": ")
                                        + escaped.join(QStringLiteral(" \\\n  ")) + QLatin1Char('\n'))
                                           .toUtf8();
            if (!writeTextFile(parser.value(depfileOption), depfile)) {
                printLine(QStringLiteral("contentc: cannot write %1").arg(parser.value(depfileOption)));
                return 1;
            }
        }
    }
    return 0;
}
