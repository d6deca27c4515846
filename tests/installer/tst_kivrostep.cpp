// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "fakeprocesslauncher.h"
#include "installer/componentprobe.h"
#include "installer/kivrostepwindow.h"

class TestKivrostep : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void buttonStartsTheInstallerFromItsOwnFolderAndCloses()
    {
        QTemporaryDir folder;
        QDir().mkpath(folder.path() + QStringLiteral("/Tamrelon"));
        QFile tamrelon(folder.path() + QStringLiteral("/Tamrelon/Tamrelon"));
        QVERIFY(tamrelon.open(QIODevice::WriteOnly));
        tamrelon.close();
        TestSupport::FakeProcessLauncher launcher;
        Installer::ComponentProbe probe(folder.path());
        Installer::KivrostepWindow window(probe, launcher, folder.path() + QStringLiteral("/Tamrelon"), 0x041D);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Talkomponenter"));
        auto *button = window.findChild<QPushButton *>(QStringLiteral("cmdInstall"));
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(launcher.started, QStringList{folder.path() + QStringLiteral("/Tamrelon/Tamrelon")});
        QVERIFY(!window.isVisible());
    }

    void findingsNameWhatIsMissing()
    {
        QTemporaryDir folder;
        TestSupport::FakeProcessLauncher launcher;
        Installer::ComponentProbe probe(folder.path());
        QVERIFY(probe.characterFile().isEmpty());
        Installer::KivrostepWindow window(probe, launcher, folder.path(), 0x0410);
        QCOMPARE(window.windowTitle(), QStringLiteral("Speech components"));
        const QString character = window.findChild<QLabel *>(QStringLiteral("lblCharacter"))->text();
        QVERIFY2(character.endsWith(QStringLiteral("missing")), qPrintable(character));
        QDir().mkpath(folder.path() + QStringLiteral("/characters"));
        QFile acs(folder.path() + QStringLiteral("/characters/Genie.acs"));
        QVERIFY(acs.open(QIODevice::WriteOnly));
        acs.close();
        QCOMPARE(probe.characterFile(), acs.fileName());
    }
};

QTEST_MAIN(TestKivrostep)
#include "tst_kivrostep.moc"
