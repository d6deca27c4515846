// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "course/codepage1251.h"
#include "platform/core/apppaths.h"
#include "platform/core/steprunner.h"

using namespace Platform;

class TestCore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pathsTurnBackslashesIntoSlashes()
    {
        const AppPaths paths(QStringLiteral("/opt/veskora/"));
        QCOMPARE(paths.join(QStringLiteral("\\Russian.mdb")), QStringLiteral("/opt/veskora/Russian.mdb"));
        QCOMPARE(paths.join(QStringLiteral("\\Pictures\\") + QStringLiteral("cat.png")),
                 QStringLiteral("/opt/veskora/Pictures/cat.png"));
        QCOMPARE(paths.join(QStringLiteral("\\RussianUserHelp.chm::/Eng intro.htm")),
                 QStringLiteral("/opt/veskora/RussianUserHelp.chm::/Eng intro.htm"));
    }

    void exeEndingResolvesOnlyWhenTheBareFileExists()
    {
        QTemporaryDir dir;
        QDir().mkpath(dir.path() + QStringLiteral("/Tamrelon"));
        const AppPaths paths(dir.path());
        const QString withExe = dir.path() + QStringLiteral("/Tamrelon/Kivrostep.EXE");
        QCOMPARE(paths.join(QStringLiteral("\\Tamrelon"), QStringLiteral("\\Kivrostep.EXE")), withExe);
        QFile bare(dir.path() + QStringLiteral("/Tamrelon/Kivrostep"));
        QVERIFY(bare.open(QIODevice::WriteOnly));
        bare.close();
        QCOMPARE(paths.join(QStringLiteral("\\Tamrelon"), QStringLiteral("\\Kivrostep.EXE")), bare.fileName());
        QFile real(withExe);
        QVERIFY(real.open(QIODevice::WriteOnly));
        real.close();
        QCOMPARE(paths.join(QStringLiteral("\\Tamrelon"), QStringLiteral("\\Kivrostep.EXE")), withExe);
    }

    void stepRunnerSkipsFailingSteps()
    {
        QStringList ran;
        StepRunner steps;
        steps.run([&] {
            ran << "1";
            return ok();
        });
        QVERIFY(!steps.run([&] {
            ran << "2";
            return fail(3024);
        }));
        steps.run([&] {
            ran << "3";
            return ok();
        });
        QCOMPARE(ran, QStringList({"1", "2", "3"}));
        QCOMPARE(steps.failures(), 1);
        QVERIFY(!steps.stopped());
    }

    void stepRunnerStopsWhenTheHandlerSaysSo()
    {
        QList<qint64> seen;
        QStringList ran;
        StepRunner steps([&](const Error &error) {
            seen << error.code;
            return error.code == ErrorCode::NoRussianLanguageSupport ? StepRunner::Reaction::Stop
                                                                     : StepRunner::Reaction::Continue;
        });
        steps.run([&] {
            ran << "a";
            return fail(ErrorCode::FileNotFound);
        });
        steps.run([&] {
            ran << "b";
            return fail(ErrorCode::NoRussianLanguageSupport);
        });
        steps.run([&] {
            ran << "c";
            return ok();
        });
        steps.always([&] { ran << "d"; });
        QCOMPARE(ran, QStringList({"a", "b"}));
        QCOMPARE(seen, QList<qint64>({ErrorCode::FileNotFound, ErrorCode::NoRussianLanguageSupport}));
        QVERIFY(steps.stopped());
    }

    void codePage1251DecodesEveryLetter()
    {
        QString stored;
        for (char16_t c : {0xCF, 0xF0, 0xE8, 0xE2, 0xE5, 0xF2})
            stored.append(QChar(c));
        QCOMPARE(Course::CodePage1251::decode(stored), QStringLiteral("Привет"));
        QCOMPARE(Course::CodePage1251::toUnicode(0xA8), QChar(0x0401)); // Ё
        QCOMPARE(Course::CodePage1251::toUnicode(0xB8), QChar(0x0451)); // ё
        QCOMPARE(Course::CodePage1251::toUnicode(0xB9), QChar(0x2116)); // №
        QCOMPARE(Course::CodePage1251::decode(QStringLiteral("a") + QChar(0) + QStringLiteral("b")),
                 QStringLiteral("ab"));
        const QString alphabet = QStringLiteral("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдеёжзийклмнопрстуфхцчшщъыьэюя");
        QString encoded;
        QVERIFY(Course::CodePage1251::encode(alphabet, &encoded));
        for (QChar c : encoded)
            QVERIFY(c.unicode() <= 0xFF);
        QCOMPARE(Course::CodePage1251::decode(encoded), alphabet);
        QString rejected;
        QVERIFY(!Course::CodePage1251::encode(QStringLiteral("ѣ"), &rejected)); // pre-reform letter, not in 1251
    }

    void codePage1251DecodesLongTextsInFull()
    {
        const QString sentence = QStringLiteral(
            "Скажите, пожалуйста, как пройти к вокзалу? Мне нужно успеть на поезд в Москву сегодня вечером.");
        QVERIFY(sentence.size() > 90);
        QString stored;
        QVERIFY(Course::CodePage1251::encode(sentence + sentence, &stored));
        QCOMPARE(Course::CodePage1251::decode(stored), sentence + sentence);
    }
};

QTEST_GUILESS_MAIN(TestCore)
#include "tst_core.moc"
