// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "course/coursefiles.h"
#include "platform/database/sqlcipherdatabaseengine.h"

using namespace Platform;

namespace {

const QByteArray kGoodRecord = "ru: Привет!\n"
                               "voc: привет\n"
                               "en: Hi!\n"
                               "sv: Hej!\n"
                               "fi: Moi!\n"
                               "de: Hallo!\n"
                               "fr: Salut !\n"
                               "es: ¡Hola!\n"
                               "picture: a.svg\n"
                               "animation: Greet\n";

const QByteArray kDictionaryHeader = "English\tSwedish\tSuomi\tDeutch\tFrance\tSpain\tRussian\n";

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QByteArray hashOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

struct Run {
    int exitCode = -1;
    QString errors;
};

Run contentc(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(CONTENTC), arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

} // namespace

class TestDatabaseContent : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // A small course in the temporary folder: one picture, a character file with one
    // animation, lesson 2 as given, and a dictionary as given.
    Run compile(const QByteArray &lesson, const QByteArray &dictionary = kDictionaryHeader, bool withCharacter = true)
    {
        writeFile(path(QStringLiteral("src/pictures/a.svg")), "<svg xmlns=\"http://www.w3.org/2000/svg\"/>\n");
        writeFile(path(QStringLiteral("src/lesson02.txt")), lesson);
        writeFile(path(QStringLiteral("src/words.tsv")), dictionary);
        QStringList arguments{QStringLiteral("--out"),
                              path(QStringLiteral("out")),
                              QStringLiteral("--pictures"),
                              path(QStringLiteral("src/pictures")),
                              QStringLiteral("--password"),
                              QStringLiteral("vorpentaluki"),
                              QStringLiteral("--dictionary"),
                              path(QStringLiteral("src/words.tsv")),
                              QStringLiteral("--character"),
                              path(withCharacter ? QStringLiteral("src/Genie.acs") : QStringLiteral("src/none.acs")),
                              path(QStringLiteral("src/lesson02.txt"))};
        writeFile(path(QStringLiteral("src/Genie.acs")), "[animation Greet]\nframe 100\n\n[animation Wave]\n");
        return contentc(arguments);
    }

    QStringList fixtureArguments(const QString &out) const
    {
        const QString course = qEnvironmentVariable("VESKORA_SOURCE_DIR") + QStringLiteral("/tests/testdata/course");
        QStringList arguments{QStringLiteral("--out"),        out,
                              QStringLiteral("--pictures"),   course + QStringLiteral("/pictures"),
                              QStringLiteral("--character"),  course + QStringLiteral("/Genie.acs"),
                              QStringLiteral("--dictionary"), course + QStringLiteral("/dictionary/fixture.tsv"),
                              QStringLiteral("--password"),   QStringLiteral("vorpentaluki")};
        for (const QString &name :
             QDir(course + QStringLiteral("/lessons")).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
            arguments << course + QStringLiteral("/lessons/") + name;
        return arguments;
    }

private Q_SLOTS:
    void init() { QDir(path(QStringLiteral("out"))).removeRecursively(); }

    void goodCourseCompiles()
    {
        const Run run =
            compile("# comment\n\n" + kGoodRecord + "\n\n\n" + QByteArray(kGoodRecord).replace("Greet", "Wave"),
                    kDictionaryHeader + "# note\nhouse\thus\t\tHaus\tmaison\tcasa\tдом (м.р.)\n");
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
        auto russian = engine.openDatabase(path(QStringLiteral("out/Russian.mdb")), false, false,
                                           QStringLiteral(";PWD=vorpentaluki"));
        QVERIFY(russian);
        auto lesson = (*russian)->openRecordset(QStringLiteral("Lektion2"));
        QVERIFY(lesson);
        QCOMPARE((*lesson)->recordCount(), 2);
        QCOMPARE((*lesson)->valueAt(1, QStringLiteral("Animat")).value(), QStringLiteral("Wave"));
        auto lexikon = engine.openDatabase(path(QStringLiteral("out/Lexikon.mdb")));
        QVERIFY(lexikon);
        auto lang = (*lexikon)->openRecordset(QStringLiteral("Lang"));
        QCOMPARE((*lang)->valueAt(0, QStringLiteral("Suomi")).value(), QString());
        QVERIFY(QFileInfo::exists(path(QStringLiteral("out/Pictures/a.svg"))));
        QVERIFY(QFileInfo::exists(path(QStringLiteral("out/Print.mdb"))));
        // Nothing temporary is left beside the results.
        QCOMPARE(QDir(path(QStringLiteral("out"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"Lexikon.mdb", "Print.mdb", "Russian.mdb"}));
    }

    void faultyLessons_data()
    {
        QTest::addColumn<QByteArray>("lesson");
        QTest::addColumn<QString>("message");

        QTest::newRow("missing picture") << QByteArray(kGoodRecord).replace("a.svg", "b.svg")
                                         << "lesson02.txt:9: picture 'b.svg' does not exist";
        QTest::newRow("picture outside the folder")
            << QByteArray(kGoodRecord).replace("a.svg", "../src/pictures/a.svg")
            << "lesson02.txt:9: picture '../src/pictures/a.svg' must be a plain";
        QTest::newRow("unknown animation") << QByteArray(kGoodRecord).replace("Greet", "Dance")
                                           << "lesson02.txt:10: animation 'Dance' is not in the character file";
        QTest::newRow("letter outside Windows-1251")
            << QByteArray(kGoodRecord).replace("Привет", "Приәет") << "lesson02.txt:1: character U+04D9";
        QTest::newRow("empty field") << QByteArray(kGoodRecord).replace("en: Hi!", "en:")
                                     << "lesson02.txt:3: field 'en' is empty";
        QTest::newRow("blank field") << QByteArray(kGoodRecord).replace("sv: Hej!", "sv:   ")
                                     << "lesson02.txt:4: field 'sv' is empty";
        QTest::newRow("missing field") << QByteArray(kGoodRecord).replace("fi: Moi!\n", "")
                                       << "lesson02.txt:1: record lacks the field 'fi'";
        QTest::newRow("unknown field") << QByteArray(kGoodRecord).replace("de:", "dk:")
                                       << "lesson02.txt:6: unknown field 'dk'";
        QTest::newRow("doubled field") << kGoodRecord + "ru: Ещё\n"
                                       << "lesson02.txt:11: field 'ru' given twice";
        QTest::newRow("tab in a value") << QByteArray(kGoodRecord).replace("Salut !", "Salut\t!")
                                        << "lesson02.txt:7: field 'fr' holds a tab";
        QTest::newRow("no colon") << QByteArray(kGoodRecord).replace("es: ", "es ")
                                  << "lesson02.txt:8: expected 'key: value'";
        QTest::newRow("not UTF-8") << QByteArray(kGoodRecord).replace("Hallo", "H\xe4llo")
                                   << "lesson02.txt:1: the file is not valid UTF-8";
        QTest::newRow("only comments") << QByteArray("# nothing yet\n") << "lesson02.txt:1: the lesson has no records";
        QTest::newRow("field beyond the program's limit")
            << kGoodRecord + "\n" + QByteArray(kGoodRecord).replace("Hi!", QByteArray(kMaxFieldLength + 1, 'i'))
            << QStringLiteral("lesson02.txt:14: record 2, field 'en' holds %1 characters").arg(kMaxFieldLength + 1);
        QTest::newRow("error in the second record")
            << kGoodRecord + "\n" + QByteArray(kGoodRecord).replace("voc: привет", "voc: ")
            << "lesson02.txt:13: field 'voc' is empty";
    }

    // A faulty source fails the build with file:line and writes nothing.
    void faultyLessons()
    {
        QFETCH(QByteArray, lesson);
        QFETCH(QString, message);
        const Run run = compile(lesson);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errors.contains(path(QStringLiteral("src/")) + message), qPrintable(run.errors));
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("out/Russian.mdb"))));
    }

    void faultyDictionaries_data()
    {
        QTest::addColumn<QByteArray>("dictionary");
        QTest::addColumn<QString>("message");
        QTest::newRow("wrong header") << QByteArray("English\tSwedish\n") << "words.tsv:1: the header must be";
        QTest::newRow("no header") << QByteArray("# only a comment\n") << "words.tsv:1: the header line is missing";
        QTest::newRow("empty Russian") << kDictionaryHeader + "a\tb\tc\td\te\tf\t\n"
                                       << "words.tsv:2: the Russian cell is empty";
        QTest::newRow("too few cells") << kDictionaryHeader + "a\tb\tдом\n"
                                       << "words.tsv:2: expected 7 tab-separated cells, found 3";
        QTest::newRow("Russian outside Windows-1251") << kDictionaryHeader + "# c\na\tb\tc\td\te\tf\tдоә\n"
                                                      << "words.tsv:3: character U+04D9";
        QTest::newRow("field beyond the program's limit")
            << kDictionaryHeader + "a\tb\tc\td\te\tf\tдом\n" + QByteArray(kMaxFieldLength + 1, 'x')
                + "\tb\tc\td\te\tf\tдом\n"
            << QStringLiteral("words.tsv:3: entry 2, field 'English' holds %1 characters").arg(kMaxFieldLength + 1);
    }

    void faultyDictionaries()
    {
        QFETCH(QByteArray, dictionary);
        QFETCH(QString, message);
        const Run run = compile(kGoodRecord, dictionary);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errors.contains(path(QStringLiteral("src/")) + message), qPrintable(run.errors));
    }

    void noCharacterFileYet()
    {
        const Run run = compile(QByteArray(kGoodRecord).replace("Greet", "Dance"), kDictionaryHeader, false);
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        QVERIFY(run.errors.contains(QStringLiteral("warning: no character file yet")));
    }

    void failedRunKeepsThePreviousFiles()
    {
        QVERIFY(compile(kGoodRecord).exitCode == 0);
        const QByteArray before = hashOf(path(QStringLiteral("out/Russian.mdb")));
        QCOMPARE(compile(QByteArray(kGoodRecord).replace("a.svg", "b.svg")).exitCode, 1);
        QCOMPARE(hashOf(path(QStringLiteral("out/Russian.mdb"))), before);
    }

    // Same sources, same bytes: also for the encrypted file, whose salt and IVs would
    // otherwise be random.
    void outputIsDeterministic()
    {
        QTemporaryDir first, second;
        Run run = contentc(fixtureArguments(first.path()));
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        run = contentc(fixtureArguments(second.path()));
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        for (const QString &name : {QStringLiteral("Russian.mdb"), QStringLiteral("Lexikon.mdb"),
                                    QStringLiteral("Print.mdb"), QStringLiteral("Pictures/star.svg")}) {
            const QByteArray hash = hashOf(first.filePath(name));
            QVERIFY2(!hash.isEmpty(), qPrintable(name));
            QCOMPARE(hashOf(second.filePath(name)), hash);
        }
        // And the encryption really is there.
        QFile russian(first.filePath(QStringLiteral("Russian.mdb")));
        QVERIFY(russian.open(QIODevice::ReadOnly));
        QVERIFY(!russian.read(16).startsWith("SQLite format 3"));
        QVERIFY(!russian.readAll().contains("Lektion"));
    }
};

QTEST_GUILESS_MAIN(TestDatabaseContent)
#include "tst_databasecontent.moc"
