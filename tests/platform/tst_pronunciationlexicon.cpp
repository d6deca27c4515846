// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QTest>

#include "platform/agent/pronunciationlexicon.h"

using Platform::PronunciationLexicon;

class TestPronunciationLexicon : public QObject {
    Q_OBJECT

private:
    static PronunciationLexicon sample()
    {
        return PronunciationLexicon::parse(QStringLiteral("# corrections\n"
                                                          "written\tspoken\n"
                                                          "стоит\t[[st'oit]]\n"
                                                          "замок из песка\t[[z'amVk]] из песка\n"
                                                          "бad line without a tab\n"
                                                          "\t[[empty]]\n"
                                                          "воды\t[[vVd'y]]\r\n"
                                                          "за\u0301мок\t[[z'AmVk]]\n"));
    }

private Q_SLOTS:
    void readsEntriesAndSkipsBadLines() { QCOMPARE(sample().size(), 4); }

    void voiceInputReplacesWholeWordsRegardlessOfCase_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("word") << "Сколько стоит билет?"
                              << "Сколько [[st'oit]] билет?";
        QTest::newRow("capital") << "Стоит ли?"
                                 << "[[st'oit]] ли?";
        QTest::newRow("inside a longer word") << "стоитель"
                                              << "стоитель";
        QTest::newRow("phrase wins over its words") << "Мы строим замок из песка."
                                                    << "Мы строим [[z'amVk]] из песка.";
        QTest::newRow("lock alone stays") << "Где замок?"
                                          << "Где замок?";
        QTest::newRow("twice") << "воды, воды!"
                               << "[[vVd'y]], [[vVd'y]]!";
        QTest::newRow("nothing to do") << "Привет"
                                       << "Привет";
        QTest::newRow("empty") << ""
                               << "";
        // A marked word reaches only the entry marked the same way, and the voice gets no
        // stray marks.
        QTest::newRow("marked castle") << "Это за\u0301мок."
                                       << "Это [[z'AmVk]].";
        QTest::newRow("marked lock stays") << "Это замо\u0301к."
                                           << "Это замок.";
        QTest::newRow("marked word is not its unmarked entry") << "сто\u0301ит"
                                                               << "стоит";
        QTest::newRow("no match behind a mark") << "сто\u0301ить"
                                                << "стоить";
    }
    void voiceInputReplacesWholeWordsRegardlessOfCase()
    {
        QFETCH(QString, text);
        QFETCH(QString, spoken);
        QCOMPARE(sample().voiceInput(text), spoken);
    }

    void shippedLexiconLoads()
    {
        const auto lexicon = PronunciationLexicon::fromFile(qEnvironmentVariable("VESKORA_APP_DIR")
                                                            + QStringLiteral("/pronunciation/ru.tsv"));
        QVERIFY(lexicon.size() >= 10);
        QVERIFY(lexicon.apply(QStringLiteral("Сколько это стоит?")).contains(QStringLiteral("[[st'oit]]")));
        QVERIFY(PronunciationLexicon::fromFile(QStringLiteral("/nonexistent/ru.tsv")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPronunciationLexicon)
#include "tst_pronunciationlexicon.moc"
