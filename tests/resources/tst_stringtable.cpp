// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QFile>
#include <QTest>

#include "resources/localeid.h"
#include "resources/stringtable.h"

using Resources::StringTable;

class TestStringTable : public QObject {
    Q_OBJECT

private:
    // Locale ids of each language's blocks, written out independently of the table.
    static QList<quint32> blocksOf(const QString &language)
    {
        if (language == u"English")
            return {0x0409, 0x0809, 0x0C09, 0x1009, 0x1409, 0x1809, 0x1C09,
                    0x2009, 0x2409, 0x2809, 0x2C09, 0x3009, 0x3409};
        if (language == u"Swedish")
            return {0x041D, 0x081D};
        if (language == u"Finnish")
            return {0x040B};
        if (language == u"German")
            return {0x0407, 0x0807, 0x0C07, 0x1007, 0x1407};
        if (language == u"French")
            return {0x040C, 0x080C, 0x0C0C, 0x100C, 0x140C, 0x180C};
        return {0x040A, 0x080A, 0x0C0A, 0x100A, 0x140A, 0x180A, 0x1C0A, 0x200A, 0x240A, 0x280A, 0x2C0A,
                0x300A, 0x340A, 0x380A, 0x3C0A, 0x400A, 0x440A, 0x480A, 0x4C0A, 0x500A, 0x0403};
    }

private Q_SLOTS:
    void everyBlockHoldsTheExpectedTexts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QFile file(qEnvironmentVariable("VESKORA_SOURCE_DIR")
                   + QStringLiteral("/tests/testdata/menu_strings_expected.tsv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
        for (const QString &line : lines) {
            if (line.startsWith(u'#'))
                continue;
            const QStringList cells = line.split(u'\t');
            QTest::addRow("%s %s", qPrintable(cells[0]), qPrintable(cells[1]))
                << cells[0] << cells[1].toInt() << cells.mid(2).join(u'\t');
        }
    }
    void everyBlockHoldsTheExpectedTexts()
    {
        QFETCH(QString, language);
        QFETCH(int, id);
        QFETCH(QString, text);
        for (quint32 lcid : blocksOf(language)) {
            const auto got = StringTable::menuStrings().forLocale(lcid).string(id);
            QVERIFY2(got.has_value(), qPrintable(QStringLiteral("block %1 lacks %2").arg(lcid, 0, 16).arg(id)));
            QCOMPARE(*got, text);
        }
    }

    void blocksCoverExactlyTheListedLocales()
    {
        QList<quint32> expected;
        for (const char *language : {"English", "Swedish", "Finnish", "German", "French", "Spanish"})
            expected += blocksOf(QString::fromLatin1(language));
        QList<quint32> ids = StringTable::menuStrings().localeIds();
        std::sort(ids.begin(), ids.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(ids, expected);
        QCOMPARE(ids.size(), 48);
    }

    void missingIdsFail()
    {
        const StringTable english = StringTable::menuStrings().forLocale(0x0409);
        QVERIFY(!english.string(20).has_value());
        QVERIFY(!english.string(21).has_value());
        QVERIFY(!english.string(4711).has_value());
        const StringTable swedish = StringTable::menuStrings().forLocale(0x081D);
        QCOMPARE(*swedish.string(20), QStringLiteral("Tahoma"));
        QVERIFY(!swedish.string(21).has_value());
    }

    void localeChoice_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<uint>("lcid");
        QTest::addColumn<QString>("fileMenu");
        QTest::newRow("sv_SE") << "sv_SE.UTF-8" << 0x041Du << "&Arkiv";
        QTest::newRow("sv_FI") << "sv_FI" << 0x081Du << "&Arkiv";
        QTest::newRow("fi_FI") << "fi_FI.UTF-8" << 0x040Bu << "Valikko";
        QTest::newRow("de_AT") << "de_AT.UTF-8@euro" << 0x0C07u << "&Menü";
        QTest::newRow("fr_CA") << "fr_CA.UTF-8" << 0x0C0Cu << "Menu";
        QTest::newRow("es_MX") << "es_MX.UTF-8" << 0x080Au << "&Menú";
        QTest::newRow("ca_ES") << "ca_ES.UTF-8" << 0x0403u << "&Menú";
        QTest::newRow("it_IT falls back to English") << "it_IT.UTF-8" << 0x0410u << "File";
        QTest::newRow("de_BE: German's first block") << "de_BE.UTF-8" << 0x0407u << "&Menü";
        QTest::newRow("C") << "C" << 0x0409u << "File";
        QTest::newRow("POSIX") << "POSIX" << 0x0409u << "File";
        QTest::newRow("C.UTF-8") << "C.UTF-8" << 0x0409u << "File";
    }
    void localeChoice()
    {
        QFETCH(QString, locale);
        QFETCH(uint, lcid);
        QFETCH(QString, fileMenu);
        qputenv("LC_ALL", locale.toUtf8());
        const quint32 chosen = Resources::localeIdFromEnvironment();
        QCOMPARE(chosen, lcid);
        QCOMPARE(*StringTable::menuStrings().forLocale(chosen).string(1000), fileMenu);
    }

    void localeVariablesInOrder()
    {
        qputenv("LC_ALL", "");
        qputenv("LC_MESSAGES", "fi_FI.UTF-8");
        qputenv("LANG", "de_DE.UTF-8");
        QCOMPARE(Resources::localeIdFromEnvironment(), 0x040Bu);
        qputenv("LC_MESSAGES", "");
        QCOMPARE(Resources::localeIdFromEnvironment(), 0x0407u);
        qputenv("LC_ALL", "sv_SE.UTF-8");
        QCOMPARE(Resources::localeIdFromEnvironment(), 0x041Du);
        qunsetenv("LC_ALL");
        qunsetenv("LC_MESSAGES");
        qunsetenv("LANG");
        QCOMPARE(Resources::localeIdFromEnvironment(), 0x0409u);
    }
};

QTEST_GUILESS_MAIN(TestStringTable)
#include "tst_stringtable.moc"
