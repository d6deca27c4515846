// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <algorithm>

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Correction {
    QString written;
    QString spoken;
};

QString sourceDir()
{
    return qEnvironmentVariable("VESKORA_SOURCE_DIR");
}

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n');
}

// The lexicon without its comments and column header.
QList<Correction> readLexicon(QString *header)
{
    QList<Correction> corrections;
    bool first = true;
    for (const QString &line : readLines(sourceDir() + u"/data/pronunciation/ru.tsv"_s)) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (first) {
            *header = line;
            first = false;
            continue;
        }
        const QStringList fields = line.split(u'\t');
        corrections.append({fields.value(0), fields.size() == 2 ? fields.value(1) : QString()});
    }
    return corrections;
}

QRegularExpression wholeWords(const QString &phrase)
{
    return QRegularExpression(u"(?<!\\w)"_s + QRegularExpression::escape(phrase) + u"(?!\\w)"_s,
                              QRegularExpression::CaseInsensitiveOption
                                  | QRegularExpression::UseUnicodePropertiesOption);
}

// How the speech side applies the lexicon: longest written forms first, whole words, any
// case.
QString applyLexicon(QString text, QList<Correction> corrections)
{
    std::stable_sort(corrections.begin(), corrections.end(),
                     [](const Correction &a, const Correction &b) { return a.written.size() > b.written.size(); });
    for (const Correction &correction : std::as_const(corrections))
        text.replace(wholeWords(correction.written), correction.spoken);
    return text;
}

QStringList lessonSentences()
{
    QStringList sentences;
    const QDir lessons(sourceDir() + u"/data/lessons"_s);
    for (const QString &name : lessons.entryList({u"lesson*.txt"_s}, QDir::Files, QDir::Name)) {
        for (const QString &line : readLines(lessons.filePath(name))) {
            if (line.startsWith(u"ru: "_s))
                sentences.append(line.mid(4));
        }
    }
    return sentences;
}

// The spoken part of each curated dictionary word (the Russian column up to its note).
QStringList dictionaryWords()
{
    QStringList words;
    const QDir dictionary(sourceDir() + u"/data/dictionary"_s);
    for (const QString &name : dictionary.entryList({u"core-*.tsv"_s}, QDir::Files, QDir::Name)) {
        for (const QString &line : readLines(dictionary.filePath(name))) {
            if (!line.startsWith(u'#') && line.count(u'\t') == 6)
                words.append(line.section(u'\t', 6).section(u'(', 0, 0).trimmed());
        }
    }
    return words;
}

QString phonemes(const QString &text)
{
    QProcess espeak;
    espeak.start(u"espeak-ng"_s, {u"-v"_s, u"ru"_s, u"-q"_s, u"-x"_s, text});
    if (!espeak.waitForFinished(20000))
        return {};
    return QString::fromUtf8(espeak.readAllStandardOutput()).simplified();
}

// The syllable each correction is there for, in espeak-ng's phoneme mnemonics: the
// stress mark "'" stands before the stressed vowel.
const QHash<QString, QString> &intendedStress()
{
    static const QHash<QString, QString> stress{
        {u"стоит"_s, u"st'oit"_s},              // сто́ит, "costs", not стои́т, "stands"
        {u"дорогой"_s, u"g'oj"_s},              // дорого́й, "expensive"
        {u"воды"_s, u"d'y"_s},                  // воды́, "of water"
        {u"вина"_s, u"n'A"_s},                  // вина́, "of wine", not ви́на, "guilt"
        {u"вечера"_s, u"v;'etS"_s},             // ве́чера, "in the evening"
        {u"права"_s, u"v'A"_s},                 // права́, "driving licence"
        {u"тормоза"_s, u"z'A"_s},               // тормоза́
        {u"сорок"_s, u"s'or"_s},                // со́рок, "forty"
        {u"утра"_s, u"r'A"_s},                  // утра́, "in the morning"
        {u"сахара"_s, u"s'Ax"_s},               // без са́хара
        {u"заплачу"_s, u"tS;'u"_s},             // заплачу́, "I will pay", not запла́чу, "I will cry"
        {u"счастливого"_s, u"l;'iv"_s},         // счастли́вого пути
        {u"разбудите"_s, u"d;'it"_s},           // разбуди́те
        {u"остановитесь"_s, u"v;'it"_s},        // останови́тесь
        {u"проходите"_s, u"d;'it"_s},           // проходи́те
        {u"уступите"_s, u"p;'it"_s},            // уступи́те
        {u"подкачайте"_s, u"tS;'Aj"_s},         // подкача́йте
        {u"сфотографируйте"_s, u"f;'ir"_s},     // сфотографи́руйте
        {u"замок из песка"_s, u"z'Am"_s},       // за́мок, "castle"
        {u"два часа"_s, u"tS;is'A"_s},          // два часа́
        {u"три часа"_s, u"tS;is'A"_s},          // три часа́
        {u"котором часу"_s, u"tS;is'u"_s},      // в кото́ром часу́
        {u"наши места"_s, u"m;ist'A"_s},        // места́, "seats"
        {u"у окна"_s, u"n'A"_s},                // у окна́
        {u"пятом ряду"_s, u"d'u"_s},            // в пя́том ряду́
        {u"в году"_s, u"d'u"_s},                // в году́
        {u"как дела"_s, u"d;il'A"_s},           // как дела́
        {u"добро пожаловать"_s, u"r'o"_s},      // добро́ пожа́ловать
        // Dictionary words.
        {u"берег"_s, u"b;'er"_s},               // бе́рег
        {u"глаза"_s, u"z'A"_s},                 // глаза́
        {u"гора"_s, u"r'A"_s},                  // гора́
        {u"жара"_s, u"r'A"_s},                  // жара́
        {u"лиса"_s, u"s'A"_s},                  // лиса́
        {u"мука"_s, u"k'A"_s},                  // мука́, "flour", not му́ка, "torment"
        {u"носки"_s, u"k;'I"_s},                // носки́
        {u"опера"_s, u"'op"_s},                 // о́пера
        {u"паром"_s, u"r'om"_s},                // паро́м, "ferry"
        {u"перекус"_s, u"k'us"_s},              // переку́с
        {u"уже"_s, u"Z'E"_s},                   // уже́, "already", not у́же, "narrower"
        {u"уха"_s, u"x'A"_s},                   // уха́, "fish soup"
        {u"уходите"_s, u"d;'it"_s},             // уходи́те, "go away"
        {u"хлопок"_s, u"xl'op"_s},              // хло́пок, "cotton", not хлопо́к, "clap"
    };
    return stress;
}

} // namespace

class TestPronunciation : public QObject {
    Q_OBJECT

private slots:
    void lexiconIsWellFormed();
    void correctionGivesIntendedStress_data();
    void correctionGivesIntendedStress();
    void applyingKeepsOtherWordsAndCase();
};

void TestPronunciation::lexiconIsWellFormed()
{
    QString header;
    const QList<Correction> corrections = readLexicon(&header);
    QCOMPARE(header, u"written\tspoken"_s);
    QVERIFY(!corrections.isEmpty());
    QStringList seen;
    for (const Correction &correction : corrections) {
        QVERIFY2(!correction.written.isEmpty() && !correction.spoken.isEmpty(), qPrintable(correction.written));
        QVERIFY2(!seen.contains(correction.written.toLower()), qPrintable(correction.written));
        seen.append(correction.written.toLower());
        // An unclosed phoneme block would make espeak-ng read the rest of the sentence as
        // phonemes.
        QCOMPARE(correction.spoken.count(u"[["_s), correction.spoken.count(u"]]"_s));
        QVERIFY2(intendedStress().contains(correction.written),
                 qPrintable(u"state the intended stress of \"%1\" in this test"_s.arg(correction.written)));
    }
}

void TestPronunciation::correctionGivesIntendedStress_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("stress");
    QString header;
    for (const Correction &correction : readLexicon(&header))
        QTest::newRow(qPrintable(correction.written)) << correction.written << intendedStress().value(correction.written);
}

void TestPronunciation::correctionGivesIntendedStress()
{
    QFETCH(QString, written);
    QFETCH(QString, stress);
    if (QStandardPaths::findExecutable(u"espeak-ng"_s).isEmpty())
        QSKIP("espeak-ng is not installed");
    QString header;
    const QList<Correction> corrections = readLexicon(&header);

    // Each correction is for words the course says: in a lesson sentence or, failing that,
    // as a dictionary word.
    const QStringList sentences = lessonSentences() + dictionaryWords();
    const auto sentence = std::find_if(sentences.cbegin(), sentences.cend(), [&](const QString &s) {
        return s.contains(wholeWords(written));
    });
    QVERIFY2(sentence != sentences.cend(), qPrintable(u"the course never says \"%1\""_s.arg(written)));

    const QString spoken = applyLexicon(*sentence, corrections);
    QVERIFY2(spoken != *sentence, qPrintable(spoken));
    const QString result = phonemes(spoken);
    QVERIFY2(result.contains(stress), qPrintable(u"%1 -> %2"_s.arg(spoken, result)));
}

void TestPronunciation::applyingKeepsOtherWordsAndCase()
{
    QString header;
    const QList<Correction> corrections = readLexicon(&header);
    // A sentence-initial capital still matches; a longer word that contains an entry does
    // not ("стоить" is right as it is).
    QCOMPARE(applyLexicon(u"Наши места в пятом ряду."_s, corrections), u"наши [[m;ist'A]] в пятом [[r;id'u]]."_s);
    QCOMPARE(applyLexicon(u"Сколько будет стоить ремонт?"_s, corrections), u"Сколько будет стоить ремонт?"_s);
    QCOMPARE(applyLexicon(u"замок на двери"_s, corrections), u"замок на двери"_s);
}

QTEST_GUILESS_MAIN(TestPronunciation)
#include "tst_pronunciation.moc"
