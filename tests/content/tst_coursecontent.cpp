// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include "course/codepage1251.h"
#include "course/coursefiles.h"
#include "platform/database/databaseengine.h"
#include "platform/database/sqlcipherdatabaseengine.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int LessonCount = 38;
const QStringList TranslationColumns{u"EnglishText"_s, u"SvenskaText"_s, u"FinnishText"_s,
                                     u"DeutchText"_s,  u"FranceText"_s,  u"SpanishText"_s};
const QStringList DictionaryColumns{u"English"_s, u"Swedish"_s, u"Suomi"_s,  u"Deutch"_s,
                                    u"France"_s,  u"Spain"_s,   u"Russian"_s};

QString appDir()
{
    return qEnvironmentVariable("VESKORA_APP_DIR");
}

QString sourceDir()
{
    return qEnvironmentVariable("VESKORA_SOURCE_DIR");
}

// The animation names of the character file: every "[animation <Name>]" line.
QSet<QString> characterAnimations()
{
    QFile file(sourceDir() + u"/data/characters/Genie.acs"_s);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    static const QRegularExpression header(u"^\\[animation ([^\\]]+)\\]\\s*$"_s, QRegularExpression::MultilineOption);
    QSet<QString> names;
    for (auto it = header.globalMatch(QString::fromUtf8(file.readAll())); it.hasNext();)
        names.insert(it.next().captured(1));
    return names;
}

// The words of a Russian text, in lower case.
QStringList wordsOf(const QString &text)
{
    static const QRegularExpression word(u"[\\p{L}-]+"_s);
    QStringList words;
    for (auto it = word.globalMatch(text.toLower()); it.hasNext();)
        words.append(it.next().captured());
    return words;
}

// The words of \a russian that turn its meaning round (не, нет, нельзя, ни, без).
QStringList negationsOf(const QString &russian)
{
    static const QStringList negations{u"не"_s, u"нет"_s, u"нельзя"_s, u"ни"_s, u"без"_s};
    QStringList found;
    for (const QString &word : wordsOf(russian))
        if (negations.contains(word))
            found.append(word);
    return found;
}

// Reads every row of \a source as field -> value, in the stored form.
QList<QHash<QString, QString>> readAll(Platform::Database &database, const QString &source, const QStringList &fields,
                                       QString *error)
{
    QList<QHash<QString, QString>> rows;
    auto recordset = database.openRecordset(source);
    if (!recordset) {
        *error = recordset.error().detail;
        return rows;
    }
    Platform::Recordset &set = **recordset;
    for (int row = 0; row < set.recordCount(); ++row) {
        QHash<QString, QString> values;
        for (const QString &field : fields) {
            auto value = set.valueAt(row, field);
            if (!value) {
                *error = field + u": "_s + value.error().detail;
                return {};
            }
            values.insert(field, *value);
        }
        rows.append(values);
    }
    return rows;
}

} // namespace

class TestCourseContent : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void hasEveryLessonTable();
    void lessonOneHoldsTheAlphabet();
    void lessonRecordsAreComplete_data();
    void lessonRecordsAreComplete();
    void dictionaryHasCoreAndImports();
    void coreSourcesAreCompleteAndSmall();
    void printDatabaseHasEveryLesson();

private:
    Platform::SqlCipherDatabaseEngine m_engine{Course::Files::kKeyRounds};
    std::shared_ptr<Platform::Database> m_course;
    std::shared_ptr<Platform::Database> m_lexicon;
    std::shared_ptr<Platform::Database> m_print;
    QSet<QString> m_animations;
};

void TestCourseContent::initTestCase()
{
    QVERIFY2(!appDir().isEmpty(), "VESKORA_APP_DIR is not set");
    auto course =
        m_engine.openDatabase(QString(), false, true, u";DATABASE="_s + appDir() + u"/Russian.mdb;PWD=vorpentaluki"_s);
    QVERIFY2(course, qPrintable(course ? QString() : course.error().detail));
    m_course = *course;
    auto lexicon = m_engine.openDatabase(appDir() + u"/Lexikon.mdb"_s);
    QVERIFY2(lexicon, qPrintable(lexicon ? QString() : lexicon.error().detail));
    m_lexicon = *lexicon;
    auto print = m_engine.openDatabase(appDir() + u"/Print.mdb"_s);
    QVERIFY2(print, qPrintable(print ? QString() : print.error().detail));
    m_print = *print;

    m_animations = characterAnimations();
    // Every lesson may use these; the character file must hold all of them.
    const QStringList lessonAnimations{
        u"Greet"_s,       u"GestureRight"_s, u"DoMagic1"_s,    u"Wave"_s,     u"Explain"_s,      u"Pleased"_s,
        u"Surprised"_s,   u"Think"_s,        u"Read"_s,        u"Write"_s,    u"Congratulate"_s, u"Confused"_s,
        u"Sad"_s,         u"Announce"_s,     u"Acknowledge"_s, u"Decline"_s,  u"Suggest"_s,      u"Uncertain"_s,
        u"GestureLeft"_s, u"GestureUp"_s,    u"GestureDown"_s, u"LookLeft"_s, u"LookRight"_s,    u"LookUp"_s,
        u"LookDown"_s,    u"Blink"_s};
    for (const QString &name : lessonAnimations)
        QVERIFY2(m_animations.contains(name), qPrintable(u"the character file lacks "_s + name));
}

void TestCourseContent::hasEveryLessonTable()
{
    const QStringList tables = m_course->tableNames();
    for (int lesson = 1; lesson <= LessonCount; ++lesson)
        QVERIFY2(tables.contains(u"Lektion%1"_s.arg(lesson)), qPrintable(u"Lektion%1"_s.arg(lesson)));
    QVERIFY(!tables.contains(u"Lektion%1"_s.arg(LessonCount + 1)));
}

void TestCourseContent::lessonOneHoldsTheAlphabet()
{
    QString error;
    const auto rows = readAll(*m_course, u"Lektion1"_s, {u"RussianText"_s, u"EnglishText"_s}, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QString alphabet = u"АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"_s;
    QCOMPARE(rows.size(), alphabet.size());
    for (int i = 0; i < alphabet.size(); ++i) {
        // Each record starts with its capital and small letter ("Ё ё — ёжик"), in order.
        const QString text = Course::CodePage1251::decode(rows.at(i).value(u"RussianText"_s));
        const QString letters = QString(alphabet.at(i)) + u' ' + alphabet.at(i).toLower();
        QVERIFY2(text.startsWith(letters), qPrintable(text));
    }
    // The first translation is what the heading box shows for the whole lesson.
    QVERIFY(rows.first().value(u"EnglishText"_s).startsWith(u"The Russian alphabet"_s));
}

void TestCourseContent::lessonRecordsAreComplete_data()
{
    QTest::addColumn<int>("lesson");
    for (int lesson = 1; lesson <= LessonCount; ++lesson)
        QTest::newRow(qPrintable(u"lesson %1"_s.arg(lesson))) << lesson;
}

void TestCourseContent::lessonRecordsAreComplete()
{
    QFETCH(int, lesson);
    const QStringList fields =
        QStringList{u"RussianText"_s, u"RussianVoc"_s, u"Picture1"_s, u"Animat"_s} + TranslationColumns;
    QString error;
    const auto rows = readAll(*m_course, u"Lektion%1"_s.arg(lesson), fields, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY2(rows.size() >= (lesson == 1 ? 33 : 15), qPrintable(QString::number(rows.size())));

    const QDir pictures(appDir() + u"/Pictures"_s);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const auto &row = rows.at(i);
        const QString where = u"record %1: "_s.arg(i + 1);
        for (const QString &field : fields)
            QVERIFY2(!row.value(field).trimmed().isEmpty(), qPrintable(where + field + u" is empty"_s));
        const QString russian = Course::CodePage1251::decode(row.value(u"RussianText"_s));
        // Numbers are written out in words so that the voice reads them as the text means.
        static const QRegularExpression digit(u"\\d"_s);
        QVERIFY2(!russian.contains(digit), qPrintable(where + russian));
        // A slash would be read aloud as a word.
        QVERIFY2(!russian.contains(u'/'), qPrintable(where + russian));
        // The key words keep every negation of the sentence, or they say its opposite.
        const QString words = Course::CodePage1251::decode(row.value(u"RussianVoc"_s)).toLower();
        for (const QString &negation : negationsOf(russian))
            QVERIFY2(wordsOf(words).contains(negation), qPrintable(where + russian + u" | "_s + words));
        QVERIFY2(pictures.exists(row.value(u"Picture1"_s)), qPrintable(where + row.value(u"Picture1"_s)));
        QVERIFY2(m_animations.contains(row.value(u"Animat"_s)), qPrintable(where + row.value(u"Animat"_s)));
    }
}

void TestCourseContent::dictionaryHasCoreAndImports()
{
    auto recordset = m_lexicon->openRecordset(u"Lang"_s);
    QVERIFY(recordset);
    Platform::Recordset &set = **recordset;
    QVERIFY2(set.recordCount() >= 50000, qPrintable(QString::number(set.recordCount())));

    int complete = 0;
    for (int row = 0; row < set.recordCount(); ++row) {
        bool filled = true;
        for (const QString &column : DictionaryColumns)
            filled = filled && !set.valueAt(row, column).value().trimmed().isEmpty();
        const QString russian = set.valueAt(row, u"Russian"_s).value();
        // The part before "(" is what the window speaks: never empty.
        QVERIFY2(!russian.section(u'(', 0, 0).trimmed().isEmpty(), qPrintable(QString::number(row)));
        complete += filled ? 1 : 0;
    }
    QVERIFY2(complete >= 2000, qPrintable(QString::number(complete)));
}

void TestCourseContent::coreSourcesAreCompleteAndSmall()
{
    const QDir dictionary(sourceDir() + u"/data/dictionary"_s);
    const QStringList files = dictionary.entryList({u"core-*.tsv"_s}, QDir::Files, QDir::Name);
    QVERIFY(!files.isEmpty());
    int rows = 0;
    QSet<QString> seen;
    for (const QString &name : files) {
        QFile file(dictionary.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
        int fileRows = 0;
        bool header = true;
        for (const QString &line : lines) {
            if (line.startsWith(u'#'))
                continue;
            const QStringList cells = line.split(u'\t');
            if (header) {
                QCOMPARE(cells, DictionaryColumns);
                header = false;
                continue;
            }
            QCOMPARE(cells.size(), DictionaryColumns.size());
            for (const QString &cell : cells)
                QVERIFY2(!cell.trimmed().isEmpty(), qPrintable(name + u": "_s + line));
            QString stored;
            QVERIFY2(Course::CodePage1251::encode(cells.last(), &stored), qPrintable(line));
            // The same word with the same meaning twice would show twice in the window.
            QVERIFY2(!seen.contains(line), qPrintable(name + u": "_s + line));
            seen.insert(line);
            ++fileRows;
        }
        QVERIFY2(fileRows <= 500, qPrintable(name));
        rows += fileRows;
    }
    QVERIFY2(rows >= 2000, qPrintable(QString::number(rows)));
}

void TestCourseContent::printDatabaseHasEveryLesson()
{
    QString error;
    const auto rows = readAll(*m_print, u"Kursen"_s, {u"Lektion"_s, u"RussianText"_s, u"EnglishText"_s}, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QHash<QString, int> perLesson;
    for (const auto &row : rows) {
        ++perLesson[row.value(u"Lektion"_s)];
        // The printed text is real Unicode, not the stored single-byte form.
        const QString russian = row.value(u"RussianText"_s);
        QVERIFY2(russian.contains(QRegularExpression(u"\\p{Cyrillic}"_s)), qPrintable(russian));
    }
    for (int lesson = 1; lesson <= LessonCount; ++lesson)
        QVERIFY2(perLesson.value(QString::number(lesson)) >= (lesson == 1 ? 33 : 15),
                 qPrintable(QString::number(lesson)));
}

QTEST_GUILESS_MAIN(TestCourseContent)
#include "tst_coursecontent.moc"
