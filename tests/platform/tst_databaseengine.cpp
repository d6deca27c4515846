// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "course/codepage1251.h"
#include "course/coursefiles.h"
#include "platform/database/sqlcipherdatabaseengine.h"

using namespace Platform;

namespace {

const QString kPassword = QStringLiteral("vorpentaluki");

QString fixture(const QString &name)
{
    return qEnvironmentVariable("VESKORA_FIXTURE_DIR") + QLatin1Char('/') + name;
}
QString application(const QString &name)
{
    return qEnvironmentVariable("VESKORA_APP_DIR") + QLatin1Char('/') + name;
}

QString connectFor(const QString &path, const QString &password)
{
    return QStringLiteral(";DATABASE=") + path + QStringLiteral(";PWD=") + password;
}

QByteArray hashOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

QStringList column(Recordset &recordset, const QString &field)
{
    QStringList values;
    for (int row = 0; row < recordset.recordCount(); ++row)
        values << recordset.valueAt(row, field).value();
    return values;
}

std::shared_ptr<Database> openLexikon(SqlCipherDatabaseEngine &engine)
{
    auto opened = engine.openDatabase(fixture(QStringLiteral("Lexikon.mdb")));
    return opened ? *opened : nullptr;
}

} // namespace

class TestDatabaseEngine : public QObject {
    Q_OBJECT

    QHash<QString, QByteArray> m_hashes;
    QHash<QString, QDateTime> m_times;
    const QStringList m_courseFiles{QStringLiteral("Russian.mdb"), QStringLiteral("Lexikon.mdb"),
                                    QStringLiteral("Print.mdb")};

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QFileInfo::exists(fixture(QStringLiteral("Russian.mdb"))), "the fixture course is not built");
        for (const QString &name : m_courseFiles) {
            for (const QString &path : {fixture(name), application(name)}) {
                m_hashes.insert(path, hashOf(path));
                m_times.insert(path, QFileInfo(path).lastModified());
            }
        }
    }

    // Whatever the tests did, the course files are untouched.
    void cleanupTestCase()
    {
        for (const QString &name : m_courseFiles) {
            for (const QString &path : {fixture(name), application(name)}) {
                QCOMPARE(hashOf(path), m_hashes.value(path));
                QCOMPARE(QFileInfo(path).lastModified(), m_times.value(path));
                QVERIFY(!QFileInfo::exists(path + QStringLiteral("-journal")));
            }
        }
    }

    // The course the build compiled from data/: one readable table per lesson source, a
    // dictionary whose prefix searches agree with a full scan.
    void applicationCourse()
    {
        if (!QFileInfo::exists(application(QStringLiteral("Russian.mdb"))))
            QSKIP("the application course is not built");
        SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
        auto russian =
            engine.openDatabase({}, false, false, connectFor(application(QStringLiteral("Russian.mdb")), kPassword));
        QVERIFY(russian);
        const QDir sources(qEnvironmentVariable("VESKORA_SOURCE_DIR") + QStringLiteral("/data/lessons"));
        for (int lesson = 1; lesson <= 38; ++lesson) {
            if (!sources.exists(QStringLiteral("lesson%1.txt").arg(lesson, 2, 10, QLatin1Char('0'))))
                continue;
            auto table = (*russian)->openRecordset(QStringLiteral("Lektion%1").arg(lesson));
            QVERIFY2(table, qPrintable(QStringLiteral("lesson %1").arg(lesson)));
            QVERIFY((*table)->recordCount() > 0);
        }
        auto lexikon = engine.openDatabase(application(QStringLiteral("Lexikon.mdb")));
        QVERIFY(lexikon);
        for (const QString &column : {QStringLiteral("English"), QStringLiteral("Swedish"), QStringLiteral("Deutch")}) {
            const QString head = QStringLiteral("SELECT %1, Russian FROM Lang  where %1 Like\"").arg(column);
            auto indexed = (*lexikon)->openRecordset(head + QStringLiteral("hu*\""));
            auto scanned = (*lexikon)->openRecordset(head + QStringLiteral("[h]u*\""));
            QVERIFY(indexed && scanned);
            QCOMPARE(::column(**indexed, column), ::column(**scanned, column));
        }
    }

    void opening_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("connect");
        QTest::addColumn<qint64>("error");

        const QString russian = fixture(QStringLiteral("Russian.mdb"));
        const QString lexikon = fixture(QStringLiteral("Lexikon.mdb"));
        QTest::newRow("course, password in the connect text") << "" << connectFor(russian, kPassword) << qint64(0);
        QTest::newRow("course, path and password") << russian << "Access;PWD=vorpentaluki" << qint64(0);
        QTest::newRow("course, wrong password")
            << "" << connectFor(russian, "vorpentaluk") << ErrorCode::NotValidPassword;
        QTest::newRow("course, empty password") << "" << connectFor(russian, "") << ErrorCode::NotValidPassword;
        QTest::newRow("course, no password") << ""
                                             << ";DATABASE=" + russian << ErrorCode::NotValidPassword;
        QTest::newRow("course by plain path") << russian << "" << ErrorCode::NotValidPassword;
        QTest::newRow("course, Access") << russian << "Access" << ErrorCode::NotValidPassword;
        QTest::newRow("dictionary by path") << lexikon << "" << qint64(0);
        QTest::newRow("dictionary with the password") << "" << connectFor(lexikon, kPassword) << qint64(0);
        QTest::newRow("dictionary, Access") << lexikon << "Access" << qint64(0);
        QTest::newRow("print database") << fixture("Print.mdb") << "" << qint64(0);
        QTest::newRow("missing file") << fixture("Nothing.mdb") << "" << ErrorCode::FileNotFound;
        QTest::newRow("missing file with password")
            << "" << connectFor(fixture("Nothing.mdb"), kPassword) << ErrorCode::FileNotFound;
        QTest::newRow("no name at all") << ""
                                        << "Access" << ErrorCode::FileNotFound;
        QTest::newRow("a folder") << fixture("Pictures") << "" << ErrorCode::FileNotFound;
        QTest::newRow("a picture") << fixture("Pictures/circle.svg") << "" << ErrorCode::UnrecognizedDatabaseFormat;
        QTest::newRow("a picture with the password")
            << "" << connectFor(fixture("Pictures/circle.svg"), kPassword) << ErrorCode::UnrecognizedDatabaseFormat;
    }

    void opening()
    {
        QFETCH(QString, name);
        QFETCH(QString, connect);
        QFETCH(qint64, error);
        SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
        const auto opened = engine.openDatabase(name, false, false, connect);
        if (error == 0) {
            QVERIFY2(opened, opened ? "" : qPrintable(opened.error().detail));
            QVERIFY(!(*opened)->tableNames().isEmpty());
        } else {
            QVERIFY(!opened);
            QCOMPARE(opened.error().code, error);
            QVERIFY(!opened.error().detail.isEmpty());
        }
    }

    void strangeFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<qint64>("error");
        QTest::newRow("empty file") << QByteArray() << ErrorCode::UnrecognizedDatabaseFormat;
        QTest::newRow("text") << QByteArray("hello, world\n") << ErrorCode::UnrecognizedDatabaseFormat;
        QTest::newRow("plain header, garbage after")
            << (QByteArray("SQLite format 3\0", 16) + QByteArray(1000, 'x')) << ErrorCode::UnrecognizedDatabaseFormat;
        // Whole pages of noise cannot be told from an encrypted file with another password.
        QTest::newRow("pages of noise") << QByteArray(4096, '\x5a') << ErrorCode::NotValidPassword;
    }

    void strangeFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(qint64, error);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("x.mdb")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
        for (const QString &connect : {QString(), QStringLiteral("Access;PWD=vorpentaluki")}) {
            const auto opened = engine.openDatabase(file.fileName(), false, false, connect);
            QVERIFY(!opened);
            QCOMPARE(opened.error().code, error);
        }
        file.open(QIODevice::ReadOnly);
        QCOMPARE(file.readAll(), content);
    }

    // The lesson windows open the course with the password, then bind a data source with
    // plain "Access": the engine must remember the password for that file only.
    void keyringRemembersWorkingPasswords()
    {
        const QString russian = fixture(QStringLiteral("Russian.mdb"));
        SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
        QCOMPARE(engine.openDatabase(russian).error().code, ErrorCode::NotValidPassword);
        QVERIFY(!engine.openDatabase({}, false, false, connectFor(russian, QStringLiteral("wrong"))));
        QCOMPARE(engine.openDatabase(russian).error().code, ErrorCode::NotValidPassword);

        QVERIFY(engine.openDatabase({}, false, false, connectFor(russian, kPassword)));
        QVERIFY(engine.openDatabase(russian, false, false, QStringLiteral("Access")));
        // The same file under another spelling of its path.
        const QString other = QFileInfo(russian).absolutePath() + QStringLiteral("/./Russian.mdb");
        QVERIFY(engine.openDatabase(other));
        // A password that is given is the one used.
        QCOMPARE(engine.openDatabase(russian, false, false, QStringLiteral(";PWD=wrong")).error().code,
                 ErrorCode::NotValidPassword);
        // A copy of the file is another file.
        QTemporaryDir dir;
        QVERIFY(QFile::copy(russian, dir.filePath(QStringLiteral("Russian.mdb"))));
        QCOMPARE(engine.openDatabase(dir.filePath(QStringLiteral("Russian.mdb"))).error().code,
                 ErrorCode::NotValidPassword);

        engine.forgetPasswords();
        QCOMPARE(engine.openDatabase(russian).error().code, ErrorCode::NotValidPassword);
        SqlCipherDatabaseEngine fresh{Course::Files::kKeyRounds};
        QCOMPARE(fresh.openDatabase(russian).error().code, ErrorCode::NotValidPassword);
    }

    // A key made ahead of an open serves only the password and the file it was made for.
    void preparedKeysServeOnlyTheirPasswordAndFile()
    {
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("Russian.mdb"));
        QVERIFY(QFile::copy(fixture(QStringLiteral("Russian.mdb")), copy));
        SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
        engine.prepareKey(copy, QStringLiteral("wrong"));
        engine.prepareKey(copy, kPassword);
        QCOMPARE(engine.openDatabase({}, false, false, connectFor(copy, QStringLiteral("wrong"))).error().code,
                 ErrorCode::NotValidPassword);
        auto opened = engine.openDatabase({}, false, false, connectFor(copy, kPassword));
        QVERIFY(opened && (*opened)->tableNames().contains(QStringLiteral("Lektion2")));
        // The file replaced by another one after its key was made.
        QVERIFY(QFile::remove(copy));
        QVERIFY(QFile::copy(fixture(QStringLiteral("Lexikon.mdb")), copy));
        QVERIFY(engine.openDatabase({}, false, false, connectFor(copy, kPassword)));
        engine.prepareKey(dir.filePath(QStringLiteral("missing.mdb")), kPassword);
    }

    void lessonTablesHoldTheStoredForm()
    {
        SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
        auto opened =
            engine.openDatabase({}, false, false, connectFor(fixture(QStringLiteral("Russian.mdb")), kPassword));
        QVERIFY(opened);
        const QStringList tables = (*opened)->tableNames();
        for (int lesson : {1, 2, 3, 5, 9, 10, 12, 37, 38})
            QVERIFY(tables.contains(QStringLiteral("Lektion%1").arg(lesson)));
        auto recordset = (*opened)->openRecordset(QStringLiteral("Lektion2"));
        QVERIFY(recordset);
        Recordset &rs = **recordset;
        QCOMPARE(rs.fieldNames(),
                 QStringList({"RussianText", "RussianVoc", "EnglishText", "SvenskaText", "FinnishText", "DeutchText",
                              "FranceText", "SpanishText", "Picture1", "Animat"}));
        QCOMPARE(rs.recordCount(), 5);
        // Table order, Russian one character per Windows-1251 code.
        const QString stored = rs.valueAt(1, QStringLiteral("RussianText")).value();
        QCOMPARE(stored.at(0).unicode(), 0xC7); // З
        QCOMPARE(Course::CodePage1251::decode(stored), QStringLiteral("Здравствуйте!"));
        QCOMPARE(rs.valueAt(2, QStringLiteral("RussianText")).value(), stored);
        const QString longText = Course::CodePage1251::decode(rs.valueAt(3, QStringLiteral("RussianText")).value());
        QVERIFY(longText.size() > 100);
        QVERIFY(longText.endsWith(QStringLiteral("мёдом.")));
        QCOMPARE(rs.valueAt(0, QStringLiteral("Picture1")).value(), QStringLiteral("circle.svg"));
        QCOMPARE(rs.valueAt(4, QStringLiteral("Animat")).value(), QStringLiteral("Sad"));
        QCOMPARE(rs.valueAt(0, QStringLiteral("svenskatext")).value(), QStringLiteral("Att träffas"));
    }

    void printDatabaseHoldsUnicode()
    {
        SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
        auto opened = engine.openDatabase(fixture(QStringLiteral("Print.mdb")));
        QVERIFY(opened);
        auto recordset = (*opened)->openRecordset(QStringLiteral("SELECT Lektion, Nr, RussianText FROM Kursen"));
        QVERIFY(recordset);
        const QStringList lessons = column(**recordset, QStringLiteral("Lektion"));
        QCOMPARE(lessons.count(QStringLiteral("2")), 5);
        const int first = int(lessons.indexOf(QStringLiteral("2")));
        QCOMPARE((*recordset)->valueAt(first + 1, QStringLiteral("RussianText")).value(),
                 QStringLiteral("Здравствуйте!"));
        QCOMPARE((*recordset)->valueAt(first + 1, QStringLiteral("Nr")).value(), QStringLiteral("2"));
    }

    void navigation()
    {
        SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
        auto db = openLexikon(engine);
        QVERIFY(db);

        auto empty = db->openRecordset(QStringLiteral("SELECT English FROM Lang where English Like\"zzz*\""));
        QVERIFY(empty);
        QCOMPARE((*empty)->recordCount(), 0);
        QVERIFY((*empty)->bof() && (*empty)->eof());
        QCOMPARE((*empty)->position(), -1);
        QCOMPARE((*empty)->moveNext().code(), ErrorCode::NoCurrentRecord);
        QCOMPARE((*empty)->moveLast().code(), ErrorCode::NoCurrentRecord);
        QCOMPARE((*empty)->value(QStringLiteral("English")).error().code, ErrorCode::NoCurrentRecord);

        auto three = db->openRecordset(QStringLiteral("SELECT English FROM Lang where English Like\"h*e\""));
        QVERIFY(three);
        Recordset &rs = **three;
        QCOMPARE(column(rs, QStringLiteral("English")), QStringList({"house", "huge"}));
        QCOMPARE(rs.position(), 0);
        QVERIFY(!rs.bof() && !rs.eof());
        QVERIFY(rs.moveNext().ok());
        QCOMPARE(rs.value(QStringLiteral("English")).value(), QStringLiteral("huge"));
        QVERIFY(rs.moveNext().ok());
        QVERIFY(rs.eof());
        QCOMPARE(rs.position(), -1);
        QCOMPARE(rs.moveNext().code(), ErrorCode::NoCurrentRecord);
        QVERIFY(rs.movePrevious().ok());
        QCOMPARE(rs.value(QStringLiteral("English")).value(), QStringLiteral("huge"));
        QVERIFY(rs.movePrevious().ok());
        QVERIFY(rs.movePrevious().ok());
        QVERIFY(rs.bof());
        QCOMPARE(rs.movePrevious().code(), ErrorCode::NoCurrentRecord);
        QVERIFY(rs.moveLast().ok());
        QCOMPARE(rs.position(), 1);
        QVERIFY(rs.moveFirst().ok());
        QCOMPARE(rs.position(), 0);
        QCOMPARE(rs.moveTo(2).code(), ErrorCode::NoCurrentRecord);
        QCOMPARE(rs.value(QStringLiteral("Russian")).error().code, ErrorCode::ItemNotFound);
    }

    void likeQueries_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("expected");

        const QStringList hu{"hus", "hund",  "huvud",      "hunger", "hungrig",
                             "hur", "humör", "Hudiksvall", "HURRA",  "HULIGAN"};
        QTest::newRow("Swedish hu") << "Swedish"
                                    << "hu*" << hu;
        QTest::newRow("Swedish Hu") << "Swedish"
                                    << "Hu*" << hu;
        QTest::newRow("Swedish HU") << "Swedish"
                                    << "HU*" << hu;
        QTest::newRow("set instead of a letter (full scan)") << "Swedish"
                                                             << "[h]u*" << hu;
        QTest::newRow("question mark after a prefix") << "Swedish"
                                                      << "hu?*" << hu;
        QTest::newRow("prefix then set") << "Swedish"
                                         << "hu[nr]*" << QStringList{"hund", "hunger", "hungrig", "hur", "HURRA"};
        QTest::newRow("whole word, any case") << "Swedish"
                                              << "HUR" << QStringList{"hur"};
        QTest::newRow("Swedish å") << "Swedish"
                                   << "Å*" << QStringList{"år", "åka"};
        QTest::newRow("Swedish ä") << "Swedish"
                                   << "ä*" << QStringList{"äpple", "Ängel"};
        QTest::newRow("German Ü") << "Deutch"
                                  << "ü*" << QStringList{"Übung"};
        QTest::newRow("German capital sharp s") << "Deutch"
                                                << "STRAẞE" << QStringList{"Straße"};
        QTest::newRow("French É") << "France"
                                  << "É*" << QStringList{"école", "énorme"};
        QTest::newRow("English range") << "English"
                                       << "[a-c]*" << QStringList{"apple", "angel",  "big",   "café",
                                                                  "bread", "cheese", "child", "brother"};
        QTest::newRow("English digit") << "English"
                                       << "#*" << QStringList{"100% cotton"};
        QTest::newRow("percent is literal") << "English"
                                            << "100%*" << QStringList{"100% cotton"};
        QTest::newRow("underscore is literal") << "English"
                                               << "_*" << QStringList();
        QTest::newRow("apostrophe") << "English"
                                    << "it's*" << QStringList{"it's"};
        QTest::newRow("empty pattern finds empty cells") << "Suomi"
                                                         << "" << QStringList{""};
        QTest::newRow("three letters") << "Spain"
                                       << "???" << QStringList{"año", "pan"};
        QTest::newRow("nothing") << "English"
                                 << "qq*" << QStringList();
        QString upperHouse;
        Course::CodePage1251::encode(QStringLiteral("ДОМ*"), &upperHouse);
        QString house;
        Course::CodePage1251::encode(QStringLiteral("дом (м.р.)"), &house);
        QTest::newRow("Russian stored form, other case") << "Russian" << upperHouse << QStringList{house};
    }

    void likeQueries()
    {
        QFETCH(QString, column);
        QFETCH(QString, pattern);
        QFETCH(QStringList, expected);
        SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
        auto db = openLexikon(engine);
        QVERIFY(db);
        const QString source = QStringLiteral("SELECT %1, Russian FROM Lang  where %1 Like\"%2\"").arg(column, pattern);
        auto recordset = db->openRecordset(source);
        QVERIFY2(recordset, recordset ? "" : qPrintable(recordset.error().detail));
        QCOMPARE((*recordset)->fieldNames(), QStringList({column, QStringLiteral("Russian")}));
        QCOMPARE(::column(**recordset, column), expected);
    }

    void everyEntryForAStar()
    {
        SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
        auto db = openLexikon(engine);
        auto all = db->openRecordset(QStringLiteral("SELECT English, Russian FROM Lang  where English Like\"*\""));
        QVERIFY(all);
        auto table = db->openRecordset(QStringLiteral("Lang"));
        QVERIFY(table);
        QCOMPARE((*all)->recordCount(), 41);
        QCOMPARE(column(**all, QStringLiteral("English")), column(**table, QStringLiteral("English")));
        // The search helpers stay out of sight.
        QCOMPARE((*table)->fieldNames(),
                 QStringList({"English", "Swedish", "Suomi", "Deutch", "France", "Spain", "Russian"}));
        QCOMPARE(db->tableNames(), QStringList({"Lang"}));
    }

    void schemaErrors_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<qint64>("error");
        QTest::newRow("unknown table") << "Lektion99" << ErrorCode::TableNotFound;
        QTest::newRow("unknown table in a query") << "SELECT English FROM Lexikon" << ErrorCode::TableNotFound;
        QTest::newRow("system table") << "sqlite_master" << ErrorCode::TableNotFound;
        QTest::newRow("unknown column") << "SELECT Klingon FROM Lang" << ErrorCode::TooFewParameters;
        QTest::newRow("search helper column") << "SELECT English_fold FROM Lang" << ErrorCode::TooFewParameters;
        QTest::newRow("unknown column in where")
            << "SELECT English FROM Lang where rowid Like\"1\"" << ErrorCode::TooFewParameters;
        QTest::newRow("unclosed bracket")
            << "SELECT English FROM Lang where English Like\"[a*\"" << ErrorCode::SyntaxError;
        QTest::newRow("reversed range") << "SELECT English FROM Lang where English Like\"[z-a]*\""
                                        << ErrorCode::SyntaxError;
        QTest::newRow("stray quote") << "SELECT English FROM Lang where English Like\"a\"b*\""
                                     << ErrorCode::SyntaxError;
    }

    void schemaErrors()
    {
        QFETCH(QString, source);
        SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
        auto db = openLexikon(engine);
        const auto recordset = db->openRecordset(source);
        QVERIFY(!recordset);
        QTEST(recordset.error().code, "error");
    }

    // What a learner types goes into the pattern unescaped. It may only ever match
    // literally or be refused; it never reaches SQLite as SQL.
    void hostileSearchTexts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("single quote") << "'";
        QTest::newRow("quote and OR") << "' OR '1'='1";
        QTest::newRow("double quote") << "\"";
        QTest::newRow("double quote and OR") << "\" OR \"\"=\"";
        QTest::newRow("doubled double quote") << "a\"\"b";
        QTest::newRow("drop table") << "'; DROP TABLE Lang; --";
        QTest::newRow("drop table after a quote") << "\"; DROP TABLE Lang; --";
        QTest::newRow("semicolon") << ";";
        QTest::newRow("comment") << "--";
        QTest::newRow("block comment") << "/* x */";
        QTest::newRow("percent") << "%";
        QTest::newRow("underscore") << "_";
        QTest::newRow("opening bracket") << "[";
        QTest::newRow("closing bracket") << "]";
        QTest::newRow("brackets") << "[]";
        QTest::newRow("select") << "SELECT * FROM sqlite_master";
        QTest::newRow("union") << "x\" UNION SELECT name, sql FROM sqlite_master --";
        QTest::newRow("attach") << "\"; ATTACH DATABASE '/tmp/x.db' AS x; --";
        QTest::newRow("NUL character") << QString(QChar(0)) + "a";
        QTest::newRow("10 kB") << QString(10240, QLatin1Char('a'));
        QTest::newRow("10 kB of stars and brackets") << QStringLiteral("*[a]").repeated(2048);
    }

    void hostileSearchTexts()
    {
        QFETCH(QString, typed);
        SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
        auto db = openLexikon(engine);
        QVERIFY(db);
        const QString source =
            QStringLiteral("SELECT Swedish, Russian FROM Lang  where Swedish Like\"") + typed + QStringLiteral("*\"");
        const auto recordset = db->openRecordset(source);
        if (recordset) {
            QCOMPARE((*recordset)->fieldNames(), QStringList({"Swedish", "Russian"}));
            for (const QString &word : column(**recordset, QStringLiteral("Swedish")))
                QVERIFY2(word.startsWith(typed.left(1), Qt::CaseInsensitive) || typed.startsWith(QLatin1Char('[')),
                         qPrintable(word));
        } else {
            QCOMPARE(recordset.error().code, ErrorCode::SyntaxError);
        }
        QCOMPARE(db->tableNames(), QStringList({"Lang"}));
        auto table = db->openRecordset(QStringLiteral("Lang"));
        QVERIFY(table);
        QCOMPARE((*table)->recordCount(), 41);
    }

    // Only the literal-looking texts may match anything, and then only themselves.
    void literalSearchTexts()
    {
        SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
        auto db = openLexikon(engine);
        for (const QString &typed : {QStringLiteral("'"), QStringLiteral("%"), QStringLiteral("_"), QStringLiteral(";"),
                                     QStringLiteral("--"), QStringLiteral("]")}) {
            auto recordset = db->openRecordset(QStringLiteral("SELECT English, Russian FROM Lang  where English Like\"")
                                               + typed + QStringLiteral("*\""));
            QVERIFY(recordset);
            QCOMPARE((*recordset)->recordCount(), 0);
        }
    }

    // Whole tables are read without listing their ids when the ids run without gaps; a
    // table with gaps or missing values must still give exactly its rows.
    void tablesWithGapsAndMissingValues()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("gaps.mdb"));
        QProcess shell;
        shell.start(QStringLiteral("sqlcipher"), {path});
        QVERIFY(shell.waitForStarted());
        shell.write("CREATE TABLE Dense (Word TEXT NOT NULL);"
                    "INSERT INTO Dense VALUES ('a'), ('b'), ('c');"
                    "CREATE TABLE Gaps (Word TEXT NOT NULL);"
                    "INSERT INTO Gaps VALUES ('a'), ('b'), ('c'), ('d');"
                    "DELETE FROM Gaps WHERE Word = 'b';"
                    "INSERT INTO Gaps (rowid, Word) VALUES (10, 'e');"
                    "CREATE TABLE Nulls (Word TEXT);"
                    "INSERT INTO Nulls VALUES ('a'), (NULL), ('c');"
                    "CREATE TABLE Empty (Word TEXT NOT NULL);\n");
        shell.closeWriteChannel();
        QVERIFY(shell.waitForFinished());
        QCOMPARE(shell.exitCode(), 0);

        SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
        auto db = engine.openDatabase(path);
        QVERIFY(db);
        auto words = [&](const QString &source) {
            auto recordset = (*db)->openRecordset(source);
            return recordset ? column(**recordset, QStringLiteral("Word")) : QStringList{QStringLiteral("error")};
        };
        QCOMPARE(words(QStringLiteral("Dense")), QStringList({"a", "b", "c"}));
        QCOMPARE(words(QStringLiteral("Gaps")), QStringList({"a", "c", "d", "e"}));
        QCOMPARE(words(QStringLiteral("SELECT Word FROM Gaps where Word Like\"*\"")),
                 QStringList({"a", "c", "d", "e"}));
        QCOMPARE(words(QStringLiteral("Nulls")), QStringList({"a", "", "c"}));
        QCOMPARE(words(QStringLiteral("SELECT Word FROM Nulls where Word Like\"*\"")), QStringList({"a", "c"}));
        QCOMPARE(words(QStringLiteral("Empty")), QStringList());
        auto gaps = (*db)->openRecordset(QStringLiteral("Gaps"));
        QVERIFY((*gaps)->moveLast().ok());
        QCOMPARE((*gaps)->value(QStringLiteral("Word")).value(), QStringLiteral("e"));
    }

    void recordSetsOutliveTheirDatabase()
    {
        SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
        auto db = openLexikon(engine);
        auto recordset = db->openRecordset(QStringLiteral("SELECT English FROM Lang where English Like\"dog\""));
        QVERIFY(recordset);
        db.reset();
        QCOMPARE((*recordset)->value(QStringLiteral("English")).value(), QStringLiteral("dog"));
    }
};

QTEST_GUILESS_MAIN(TestDatabaseEngine)
#include "tst_databaseengine.moc"
