// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QTest>

#include "resources/installerstrings.h"
#include "resources/localeid.h"

using Resources::InstallerStrings;
using Choice = Resources::InstallerStrings::Choice;

class TestInstallerStrings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void localeChoosesItsBlock_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("installerLanguage");
        QTest::addColumn<QString>("componentLanguage");
        // The installer takes only the ids its table lists; the component programs also
        // take other countries of a listed language.
        QTest::newRow("en_US") << "en_US.UTF-8"
                               << "English"
                               << "English";
        QTest::newRow("sv_SE") << "sv_SE.UTF-8"
                               << "Swedish"
                               << "Swedish";
        QTest::newRow("sv_FI unlisted") << "sv_FI.UTF-8"
                                        << "English"
                                        << "Swedish";
        QTest::newRow("fi_FI") << "fi_FI"
                               << "Finnish"
                               << "Finnish";
        QTest::newRow("de_DE") << "de_DE@euro"
                               << "German"
                               << "German";
        QTest::newRow("de_CH") << "de_CH.UTF-8"
                               << "German"
                               << "German";
        QTest::newRow("de_AT") << "de_AT.UTF-8"
                               << "German"
                               << "German";
        QTest::newRow("de_LU unlisted") << "de_LU.UTF-8"
                                        << "English"
                                        << "German";
        QTest::newRow("fr_FR") << "fr_FR.UTF-8"
                               << "French"
                               << "French";
        QTest::newRow("fr_CA") << "fr_CA.UTF-8"
                               << "French"
                               << "French";
        QTest::newRow("fr_BE unlisted") << "fr_BE.UTF-8"
                                        << "English"
                                        << "French";
        QTest::newRow("ca_ES") << "ca_ES.UTF-8"
                               << "Spanish"
                               << "Spanish";
        QTest::newRow("es_MX") << "es_MX.UTF-8"
                               << "Spanish"
                               << "Spanish";
        QTest::newRow("es_ES") << "es_ES.UTF-8"
                               << "Spanish"
                               << "Spanish";
        QTest::newRow("es_AR unlisted") << "es_AR.UTF-8"
                                        << "English"
                                        << "Spanish";
        QTest::newRow("ru_RU") << "ru_RU.UTF-8"
                               << "Russian"
                               << "Russian";
        QTest::newRow("it_IT") << "it_IT.UTF-8"
                               << "English"
                               << "English";
        QTest::newRow("POSIX") << "POSIX"
                               << "English"
                               << "English";
    }
    void localeChoosesItsBlock()
    {
        QFETCH(QString, locale);
        QFETCH(QString, installerLanguage);
        QFETCH(QString, componentLanguage);
        const quint32 id = Resources::localeIdFromName(locale);
        QCOMPARE(InstallerStrings::forLocale(id, Choice::ListedOnly).language(), installerLanguage);
        QCOMPARE(InstallerStrings::forLocale(id, Choice::SameLanguage).language(), componentLanguage);
    }

    void textsStandExactlyAsStored_data()
    {
        QTest::addColumn<quint32>("localeId");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::newRow("double blank")
            << 0x0409u << 101
            << "This program installs  components for MS-Agent and Russian TTS. Press Continue. "
               "When text changes press Continue again.";
        QTest::newRow("trailing blank 104") << 0x0409u << 104 << "Installs MS Agent figure 'GENIE'   2 of 6 ";
        QTest::newRow("three blanks") << 0x0409u << 107 << "Installs Russian language component DLL's   5 of 6";
        QTest::newRow("Swedish misspelling")
            << 0x041Du << 101
            << "Detta program installerar MS-Agent komponenterna samt Ryska TTS maskinen. "
               "Klicka på Fortsätt. När texten ändras nedan klicka på Fotsätt knappen igen.";
        QTest::newRow("Finnish double blank") << 0x040Bu << 106 << "Asentaa Venäjän TTS3000  mottorin. Vaihe 4(6)";
        QTest::newRow("German inner quotes")
            << 0x0C07u << 101
            << "Dieses Programm installiert Bestandteile für MS-Agent und russischen TTS. "
               "Klicken Sie \"Weiter\". Wenn das Text sich verändert, Klick noch mal.";
        QTest::newRow("French double blank") << 0x0C0Cu << 104 << "Installe le  nombre de MS-Agent ' GENIE' 2 de 6";
        QTest::newRow("Russian 101") << 0x0419u << 101 << "Ruskij";
        QTest::newRow("Russian 102 is English") << 0x0419u << 102 << "Continue";
        QTest::newRow("Russian 110 is English")
            << 0x0419u << 110 << "You can restart your computer after this installation";
    }
    void textsStandExactlyAsStored()
    {
        QFETCH(quint32, localeId);
        QFETCH(int, id);
        QFETCH(QString, text);
        QCOMPARE(InstallerStrings::forLocale(localeId, Choice::ListedOnly).text(id), std::optional<QString>(text));
    }

    void everyLanguageHasItsOwnTexts()
    {
        // A text missing from a block would silently show in English; only the Russian
        // block leaves the installer's 102-110 to English.
        const Resources::StringTable &table = InstallerStrings::table();
        QList<int> ownIds;
        for (int id = 201; id <= 204; ++id)
            ownIds.append(id);
        for (int id : {301, 302, 303, 304, 305, 306, 310, 311, 312, 313, 314, 315,
                       316, 317, 318, 319, 320, 321, 330, 335, 331, 332, 333})
            ownIds.append(id);
        for (quint32 localeId : {0x0409u, 0x041Du, 0x040Bu, 0x0407u, 0x040Cu, 0x0C0Au, 0x0419u}) {
            const Resources::StringTable block = table.forLocale(localeId);
            QList<int> ids = ownIds;
            if (localeId == 0x0419u)
                ids.append(101);
            else
                for (int id = 101; id <= 110; ++id)
                    ids.append(id);
            for (int id : ids)
                QVERIFY2(block.string(id).has_value(),
                         qPrintable(QStringLiteral("%1 lacks %2").arg(localeId, 0, 16).arg(id)));
            if (localeId == 0x0419u)
                QVERIFY(!block.string(102).has_value());
        }
        QCOMPARE(InstallerStrings::forLocale(0x0409, Choice::ListedOnly).text(999), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestInstallerStrings)
#include "tst_installerstrings.moc"
