// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <limits>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <zlib.h>

#include "dictdsource.h"
#include "dictimporter.h"
#include "entryparser.h"

using namespace Qt::StringLiterals;
using DictImport::ImportedRow;

namespace {

// dictd's base-64 numbers, the inverse of DictdSource::decodeNumber.
QByteArray encodeNumber(qint64 value)
{
    static const char digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    QByteArray out;
    do {
        out.prepend(digits[value % 64]);
        value /= 64;
    } while (value > 0);
    return out;
}

// Writes a dictd pair (index + gzip data) of \a entries under \a base.
bool writeDictd(const QString &base, const QList<QPair<QByteArray, QByteArray>> &entries,
                const QByteArray &extraIndex = {})
{
    QByteArray data;
    QByteArray index;
    for (const auto &[headword, text] : entries) {
        index += headword + '\t' + encodeNumber(data.size()) + '\t' + encodeNumber(text.size()) + '\n';
        data += text;
    }
    index += extraIndex;
    QFile indexFile(base + u".index"_s);
    if (!indexFile.open(QIODevice::WriteOnly) || indexFile.write(index) != index.size())
        return false;
    gzFile gz = gzopen(QFile::encodeName(base + u".dict.dz"_s).constData(), "wb");
    if (!gz)
        return false;
    const bool written = gzwrite(gz, data.constData(), unsigned(data.size())) == data.size();
    return gzclose(gz) == Z_OK && written;
}

} // namespace

class TestDictImport : public QObject {
    Q_OBJECT

private slots:
    void muellerEntries_data();
    void muellerEntries();
    void wikdictEntries_data();
    void wikdictEntries();
    void russianFieldSpeaksOnlyTheWord_data();
    void russianFieldSpeaksOnlyTheWord();
    void decodesDictdNumbers_data();
    void decodesDictdNumbers();
    void readsInstalledDictionaryFormat();
    void missingDictionaryIsAnErrorNotACrash();
    void importerWritesCleanDeterministicRows();
};

void TestDictImport::muellerEntries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QList<ImportedRow>>("rows");

    // Verb and noun senses give one row each, in the entry's order; the later "2. _v."
    // block gives a third.
    QTest::newRow("parts of speech")
        << u"train\n   _I  [trɛɪn] _v.\n      1) воспитывать, учить\n"
           "      2) тренировать(ся); to train for races готовиться к скачкам\n"
           "   _II [trɛɪn]\n         1. _n.\n      1) поезд, состав; by train поездом\n"
           "      2) процессия, кортеж\n         2. _v. _разг. ехать по железной дороге\n"_s
        << QList<ImportedRow>{
               {u"train"_s, u"воспитывать (гл.; учить; тренировать(ся))"_s},
               {u"train"_s, u"поезд (сущ.; состав; процессия, кортеж)"_s},
               {u"train"_s, u"ехать по железной дороге (гл.)"_s},
           };
    // Labels such as "_разг." and English examples after ";" are no translation.
    QTest::newRow("labels and examples") << u"cat\n   _I  [kæt]\n      1. _n.\n         1) кот; кошка; tom cat кот\n"
                                            "         2) _зоол. животное семейства кошачьих\n"_s
                                         << QList<ImportedRow>{
                                                {u"cat"_s, u"кот (сущ.; животное семейства кошачьих)"_s}};
    QTest::newRow("mark followed by the sense")
        << u"beautiful\n   [↗bjʊ:tɜfʊl] _a.\n   1) красивый, прекрасный,\n   2) превосходный\n"_s
        << QList<ImportedRow>{{u"beautiful"_s, u"красивый (прил.; прекрасный; превосходный)"_s}};
    // An English remark before the sense number hid "лучший" once.
    QTest::newRow("English remark") << u"best\n   [best] _a. (_superl. от good) 1) лучший 2) больший\n"_s
                                    << QList<ImportedRow>{{u"best"_s, u"лучший (прил.; больший)"_s}};
    // Cutting at ";" inside a remark must not leave an unbalanced bracket in the note.
    QTest::newRow("remark cut by a semicolon")
        << u"water\n   _n. 1) вода 2) (часто мн.; минеральные) воды 3) водоём\n"_s
        << QList<ImportedRow>{{u"water"_s, u"вода (сущ.; водоём)"_s}};
    QTest::newRow("lettered sub-senses") << u"at\n   _prep. указывает на а) место в, на б) время в\n"_s
                                         << QList<ImportedRow>{{u"at"_s, u"указывает на (предл.)"_s}};
    QTest::newRow("affix") << u"be-\n   _pref. кругом\n"_s << QList<ImportedRow>{};
    QTest::newRow("explained in English only") << u"'cause\n   _cj. _разг. = because\n"_s << QList<ImportedRow>{};
    QTest::newRow("headword only") << u"lonely"_s << QList<ImportedRow>{};
}

void TestDictImport::muellerEntries()
{
    QFETCH(QString, entry);
    QFETCH(QList<ImportedRow>, rows);
    const QList<ImportedRow> parsed = DictImport::parseMuellerEntry(entry);
    QCOMPARE(parsed.size(), rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QCOMPARE(parsed.at(i).headword, rows.at(i).headword);
        QCOMPARE(parsed.at(i).russian, rows.at(i).russian);
    }
}

void TestDictImport::wikdictEntries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("headword");
    QTest::addColumn<QString>("russian");

    QTest::newRow("numbered senses and glosses")
        << u"chat /ʃa/ <n, masc>\n1. кот, кошка 2.\nChat domestique\n 3.\nChat mâle\n2. кошка, кот\nFélin\n"_s
        << u"chat"_s << u"кот (сущ.; кошка)"_s;
    QTest::newRow("two transcriptions")
        << u"mögen /ˈmøːɡn̩/ /ˈmøːɡŋ̍/ <v>\n1. нравиться, испытывать приязнь\nsich etwas wünschen\n"_s << u"mögen"_s
        << u"нравиться (гл.; испытывать приязнь)"_s;
    QTest::newRow("gloss in brackets") << u"tåg /tˈoːɡ/ <n>\nпоезд 2.\n(järnväg)\n"_s << u"tåg"_s << u"поезд (сущ.)"_s;
    QTest::newRow("no transcription") << u"Autobahnabfahrt <n, fem>\nсъезд с автомагистрали\n"_s << u"Autobahnabfahrt"_s
                                      << u"съезд с автомагистрали (сущ.)"_s;
    QTest::newRow("bracket split by a comma") << u"prüfen <v>\nпроверять (кого-л., что-л.), испытывать\n"_s
                                              << u"prüfen"_s << u"проверять (гл.; испытывать)"_s;
    QTest::newRow("no Russian") << u"Zug <n>\nEisenbahn\n"_s << QString() << QString();
}

void TestDictImport::wikdictEntries()
{
    QFETCH(QString, entry);
    QFETCH(QString, headword);
    QFETCH(QString, russian);
    const QList<ImportedRow> rows = DictImport::parseWikdictEntry(entry);
    if (headword.isEmpty()) {
        QVERIFY(rows.isEmpty());
        return;
    }
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().headword, headword);
    QCOMPARE(rows.first().russian, russian);
}

void TestDictImport::russianFieldSpeaksOnlyTheWord_data()
{
    QTest::addColumn<QStringList>("translations");
    QTest::addColumn<QString>("russian");

    QTest::newRow("word alone") << QStringList{u"поезд"_s} << u"поезд"_s;
    QTest::newRow("remark moves to the note") << QStringList{u"кошка (плеть)"_s} << u"кошка (плеть)"_s;
    QTest::newRow("attached ending stays") << QStringList{u"тренировать(ся)"_s} << u"тренировать(ся)"_s;
    QTest::newRow("remark before the word")
        << QStringList{u"(о часах) ходить"_s, u"идти"_s} << u"ходить (о часах; идти)"_s;
    QTest::newRow("at most three further senses")
        << QStringList{u"а"_s, u"б"_s, u"в"_s, u"г"_s, u"д"_s} << u"а (б; в; г)"_s;
    QTest::newRow("nothing") << QStringList{} << QString();
}

void TestDictImport::russianFieldSpeaksOnlyTheWord()
{
    QFETCH(QStringList, translations);
    QFETCH(QString, russian);
    QCOMPARE(DictImport::composeRussian(translations, QString()), russian);
    // The dictionary window speaks up to the first "(": that must be the word itself.
    if (!russian.isEmpty())
        QVERIFY(!russian.section(u'(', 0, 0).contains(u';'));
}

void TestDictImport::decodesDictdNumbers_data()
{
    QTest::addColumn<QByteArray>("digits");
    QTest::addColumn<qint64>("value");
    QTest::newRow("zero") << QByteArray("A") << qint64(0);
    QTest::newRow("last digit") << QByteArray("/") << qint64(63);
    QTest::newRow("two digits") << QByteArray("BA") << qint64(64);
    QTest::newRow("index sample") << QByteArray("c3") << qint64(28 * 64 + 55);
    QTest::newRow("large") << QByteArray("gX97") << qint64(((32 * 64 + 23) * 64 + 61) * 64 + 59);
    QTest::newRow("invalid") << QByteArray("A*") << qint64(-1);
    // Ten digits hold 60 bits; an eleventh that would pass 64 must not wrap round to a
    // small offset elsewhere in the data.
    QTest::newRow("largest") << QByteArray("H//////////") << std::numeric_limits<qint64>::max();
    QTest::newRow("too large") << QByteArray("I//////////") << qint64(-1);
    QTest::newRow("far too large") << QByteArray("BAAAAAAAAAAAAAAAAAAAB") << qint64(-1);
}

void TestDictImport::decodesDictdNumbers()
{
    QFETCH(QByteArray, digits);
    QFETCH(qint64, value);
    QCOMPARE(DictImport::DictdSource::decodeNumber(digits), value);
}

void TestDictImport::readsInstalledDictionaryFormat()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString base = dir.filePath(u"sample"_s);
    // The dictionary's own records and index lines past the data end are skipped, also
    // those whose offset and length together pass the largest 64-bit number.
    QVERIFY(writeDictd(base,
                       {{"00databaseinfo", "about this dictionary\n"},
                        {"katt", "katt /kˈat/ <n, ut>\nкот, кошка\n"},
                        {"tåg", "tåg <n>\nпоезд\n"}},
                       "broken\tBAAA\tB\nhuge\tH//////////\tH//////////\nwrapped\tA\tI//////////\n"));
    DictImport::DictdSource source;
    QVERIFY2(source.load(base), qPrintable(source.errorString()));
    const QList<QString> entries = source.entries();
    QCOMPARE(entries.size(), 2);
    QVERIFY(entries.at(0).startsWith(u"katt /kˈat/"_s));
    QCOMPARE(entries.at(1), u"tåg <n>\nпоезд\n"_s);
}

void TestDictImport::missingDictionaryIsAnErrorNotACrash()
{
    QTemporaryDir dir;
    DictImport::DictdSource source;
    QVERIFY(!source.load(dir.filePath(u"absent"_s)));
    QVERIFY(source.errorString().contains(u"absent.index"_s));

    // An index without its data is as unusable, and so is data that is not gzip.
    QFile index(dir.filePath(u"half.index"_s));
    QVERIFY(index.open(QIODevice::WriteOnly));
    index.write("word\tA\tB\n");
    index.close();
    QVERIFY(!source.load(dir.filePath(u"half"_s)));

    DictImport::Importer importer;
    const DictImport::Status status = importer.addMueller(dir.filePath(u"absent"_s));
    QVERIFY(!status.ok);
    QCOMPARE(importer.rowCount(), 0);
    QCOMPARE(importer.toTsv(), u"English\tSwedish\tSuomi\tDeutch\tFrance\tSpain\tRussian\n"_s);
}

void TestDictImport::importerWritesCleanDeterministicRows()
{
    DictImport::Importer importer;
    importer.addRows(DictImport::Column::Swedish,
                     {{u"diameter"_s, u"диа́метр (сущ.; попере́чник)"_s},
                      {u"diameter"_s, u"диаметр (сущ.; поперечник)"_s}, // the same once stress marks go
                      {u"tab\there"_s, u"слово"_s},
                      {u"ideogram"_s, u"иероглиф 漢字"_s}, // not representable in Windows-1251
                      {u""_s, u"пусто"_s}});
    importer.addRows(DictImport::Column::Deutch, {{u"Zug"_s, u"поезд (сущ.)"_s}});
    // First in its line, "#" would make the row a comment of the dictionary source.
    importer.addRows(DictImport::Column::English, {{u"#define"_s, u"определить"_s}});
    const QStringList lines = importer.toTsv().split(u'\n');
    QCOMPARE(lines,
             (QStringList{
                 u"English\tSwedish\tSuomi\tDeutch\tFrance\tSpain\tRussian"_s,
                 u"\tdiameter\t\t\t\t\tдиаметр (сущ.; поперечник)"_s,
                 u"\ttab here\t\t\t\t\tслово"_s,
                 u"\t\t\tZug\t\t\tпоезд (сущ.)"_s,
                 QString(),
             }));
    QCOMPARE(importer.rowCount(), 3);
}

QTEST_GUILESS_MAIN(TestDictImport)
#include "tst_dictimport.moc"
