// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include "course/settingskeys.h"
#include "fakecharacterservice.h"
#include "inmemorysettingsstore.h"
#include "installer/commandrunner.h"
#include "installer/componentprobe.h"
#include "installer/components.h"
#include "installer/componentwindow.h"
#include "resources/localeid.h"

using Installer::Component;
using Installer::ComponentWindow;
using Resources::InstallerStrings;

namespace {

// Records each command as "program arg arg…"; only the listed programs are installed.
class FakeCommandRunner final : public Installer::CommandRunner {
public:
    QString find(const QString &program) const override
    {
        return installed.contains(program) ? QStringLiteral("/usr/bin/") + program : QString();
    }
    bool start(const QString &program, const QStringList &arguments) override
    {
        runs.append((QStringList{program} + arguments).join(u' '));
        return !failing;
    }
    QSet<QString> installed;
    QStringList runs;
    bool failing = false;
};

class FailingSettingsStore final : public Platform::SettingsStore {
public:
    QString read(const QString &, const QString &, const QString &) const override { return {}; }
    bool save(const QString &, const QString &, const QString &, const QString &) override { return false; }
};

} // namespace

class TestComponents : public QObject {
    Q_OBJECT

private:
    FakeCommandRunner m_runner;
    TestSupport::InMemorySettingsStore m_settings;

    std::unique_ptr<ComponentWindow> makeWindow(const char *program, Installer::Finding finding,
                                                const char *locale = "en_US.UTF-8",
                                                Platform::CharacterService *service = nullptr,
                                                Platform::SettingsStore *settings = nullptr)
    {
        const Installer::ComponentInfo *info = Installer::componentForProgram(QString::fromLatin1(program));
        if (!info)
            return nullptr;
        const auto texts = InstallerStrings::forLocale(Resources::localeIdFromName(QString::fromLatin1(locale)),
                                                       InstallerStrings::Choice::SameLanguage);
        return std::make_unique<ComponentWindow>(*info, std::move(finding), texts, m_runner,
                                                 settings ? *settings : m_settings, service);
    }
    static QLabel *label(QWidget &w, const char *name) { return w.findChild<QLabel *>(QString::fromLatin1(name)); }
    static QPushButton *button(QWidget &w, const char *name)
    {
        return w.findChild<QPushButton *>(QString::fromLatin1(name));
    }

private Q_SLOTS:
    void init()
    {
        m_runner = FakeCommandRunner();
        m_settings = TestSupport::InMemorySettingsStore();
    }

    void theProgramNameChoosesTheComponent_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("component"); // -1: not a component program
        QTest::newRow("MSAgent") << "/opt/course/Tamrelon/MSAgent" << int(Component::CharacterService);
        QTest::newRow("Genie") << "Genie" << int(Component::CharacterFile);
        QTest::newRow("upper case with ending") << "/x/TV_ENUA.EXE" << int(Component::EnglishVoice);
        QTest::newRow("lower ending") << "lhttsrur.exe" << int(Component::RussianVoice);
        QTest::newRow("AgtX0419") << "AgtX0419" << int(Component::CyrillicFonts);
        QTest::newRow("spchcpl") << "spchcpl" << int(Component::SpeechSettings);
        QTest::newRow("the installer") << "/x/Tamrelon/Tamrelon" << -1;
        QTest::newRow("folder named like one") << "/x/Genie/other" << -1;
        QTest::newRow("prefix only") << "MSAgentX" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void theProgramNameChoosesTheComponent()
    {
        QFETCH(QString, path);
        QFETCH(int, component);
        const Installer::ComponentInfo *info = Installer::componentForProgram(path);
        QCOMPARE(info ? int(info->component) : -1, component);
    }

    void theCharacterFileIsLookedUpInTheCourseFolder()
    {
        QTemporaryDir course;
        const Installer::ComponentProbe probe(course.path());
        QVERIFY(!Installer::checkComponent(Component::CharacterFile, probe).present);
        QVERIFY(QDir(course.path()).mkpath(QStringLiteral("characters")));
        QFile acs(course.filePath(QStringLiteral("characters/Genie.acs")));
        QVERIFY(acs.open(QIODevice::WriteOnly));
        acs.close();
        const Installer::Finding found = Installer::checkComponent(Component::CharacterFile, probe);
        QVERIFY(found.present);
        QCOMPARE(found.detail, acs.fileName());
    }

    void windowShowsWhatWasFound_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("note");
        QTest::addColumn<bool>("installOffered");
        QTest::newRow("Russian voice missing") << "lhttsrur" << false << "en_US.UTF-8"
                                               << "Russian voice"
                                               << "Missing."
                                               << "Debian package that provides it: espeak-ng-data" << true;
        QTest::newRow("Russian voice found, Swedish") << "lhttsrur" << true << "sv_SE.UTF-8"
                                                      << "Rysk röst"
                                                      << "Finns och fungerar." << QString() << false;
        QTest::newRow("Finland-Swedish reads Swedish") << "tv_enua" << false << "sv_FI.UTF-8"
                                                       << "Engelsk röst"
                                                       << "Saknas."
                                                       << "Debianpaket som innehåller den: espeak-ng-data" << true;
        QTest::newRow("fonts missing, French") << "AgtX0419" << false << "fr_FR.UTF-8"
                                               << "Polices cyrilliques"
                                               << "Absent."
                                               << "Paquet Debian qui le fournit : fonts-dejavu-core" << true;
        QTest::newRow("character file missing: no package")
            << "Genie" << false << "de_DE.UTF-8"
            << "Die Figur Genie"
            << "Fehlt."
            << "Die Figurendatei gehört zum Kurs. Installieren Sie den Kurs erneut, um sie wiederherzustellen."
            << false;
        QTest::newRow("service missing, Russian") << "MSAgent" << false << "ru_RU.UTF-8"
                                                  << "Служба персонажа"
                                                  << "Отсутствует."
                                                  << "Пакет Debian, который его содержит: libespeak-ng1" << true;
        QTest::newRow("Italian reads English") << "spchcpl" << true << "it_IT.UTF-8"
                                               << "Speech settings"
                                               << "Found and working." << QString() << false;
    }
    void windowShowsWhatWasFound()
    {
        QFETCH(QString, program);
        QFETCH(bool, present);
        QFETCH(QString, locale);
        QFETCH(QString, title);
        QFETCH(QString, status);
        QFETCH(QString, note);
        QFETCH(bool, installOffered);
        auto window = makeWindow(qPrintable(program), {present, present ? QStringLiteral("/found/here") : QString()},
                                 qPrintable(locale));
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), title);
        QCOMPARE(label(*window, "lblStatus")->text(), status);
        QCOMPARE(label(*window, "lblNote")->text(), note);
        QCOMPARE(label(*window, "lblNote")->isVisibleTo(window.get()), !note.isEmpty());
        QCOMPARE(label(*window, "lblDetail")->isVisibleTo(window.get()), present);
        QCOMPARE(button(*window, "cmdTest")->isVisibleTo(window.get()), present);
        QCOMPARE(button(*window, "cmdInstall")->isVisibleTo(window.get()), installOffered);
    }

    void installUsesPackageKitOrNamesTheCommand_data()
    {
        QTest::addColumn<bool>("pkcon");
        QTest::addColumn<bool>("startFails");
        QTest::addColumn<QStringList>("runs");
        QTest::addColumn<QString>("message");
        QTest::newRow("PackageKit")
            << true << false << QStringList{QStringLiteral("/usr/bin/pkcon install espeak-ng-data")}
            << "The package manager is installing it. Start this program again when it has finished.";
        QTest::newRow("PackageKit fails")
            << true << true << QStringList{QStringLiteral("/usr/bin/pkcon install espeak-ng-data")}
            << "Could not run pkcon.";
        QTest::newRow("no PackageKit")
            << false << false << QStringList()
            << "To install it, run this command in a terminal:\nsudo apt-get install espeak-ng-data";
    }
    void installUsesPackageKitOrNamesTheCommand()
    {
        QFETCH(bool, pkcon);
        QFETCH(bool, startFails);
        QFETCH(QStringList, runs);
        QFETCH(QString, message);
        if (pkcon)
            m_runner.installed.insert(QStringLiteral("pkcon"));
        m_runner.failing = startFails;
        auto window = makeWindow("lhttsrur", {});
        QTest::mouseClick(button(*window, "cmdInstall"), Qt::LeftButton);
        QCOMPARE(m_runner.runs, runs);
        QCOMPARE(label(*window, "lblMessage")->text(), message);
        QVERIFY(label(*window, "lblMessage")->isVisibleTo(window.get()));
    }

    void russianVoiceReportsBothVoicesAndOffersTheNaturalOne()
    {
        // Festival's voice counts only with Festival's own files beside it.
        QTemporaryDir festival;
        const QString voice = festival.filePath(QStringLiteral("voices/russian/msu_ru_nsh_clunits"));
        QVERIFY(QDir().mkpath(voice + QStringLiteral("/festvox")));
        QVERIFY(QFile(voice + QStringLiteral("/festvox/msu_ru_nsh_clunits.scm")).open(QIODevice::WriteOnly));
        QVERIFY(Installer::ComponentProbe::festivalRussianVoice(festival.path()).isEmpty());
        QVERIFY(QFile(festival.filePath(QStringLiteral("init.scm"))).open(QIODevice::WriteOnly));
        QCOMPARE(Installer::ComponentProbe::festivalRussianVoice(festival.path()), voice);

        Installer::Finding finding{true, QStringLiteral("/usr/share/espeak-ng-data/ru_dict")};
        finding.naturalVoice = voice;
        auto window = makeWindow("lhttsrur", finding);
        QVERIFY(label(*window, "lblVoices")->text().contains(QStringLiteral("Festival (natural): Found and working.")));
        QVERIFY(!button(*window, "cmdInstallNatural"));

        // Without it eSpeak NG still counts as found, and the natural voice is offered.
        finding.naturalVoice.clear();
        m_runner.installed.insert(QStringLiteral("pkcon"));
        window = makeWindow("lhttsrur", finding);
        QCOMPARE(
            label(*window, "lblVoices")->text(),
            QStringLiteral("eSpeak NG (light): Found and working.\nFestival (natural): not installed (optional)."));
        QVERIFY(!button(*window, "cmdInstall")->isVisibleTo(window.get()));
        QTest::mouseClick(button(*window, "cmdInstallNatural"), Qt::LeftButton);
        QCOMPARE(m_runner.runs, QStringList{QStringLiteral("/usr/bin/pkcon install festvox-ru")});
    }

    void testSpeaksTheSample_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("run");
        QTest::newRow("English voice") << "tv_enua"
                                       << "espeak-ng -v en " + ComponentWindow::englishSample();
        QTest::newRow("Russian voice") << "lhttsrur"
                                       << "espeak-ng -v ru " + ComponentWindow::russianSample();
        QTest::newRow("service without the service object") << "MSAgent"
                                                            << "espeak-ng -v ru " + ComponentWindow::russianSample();
        QTest::newRow("character without the service object") << "Genie"
                                                              << "espeak-ng -v en " + ComponentWindow::genieGreeting();
        QTest::newRow("speech settings at full volume") << "spchcpl"
                                                        << "espeak-ng -v ru -a 100 " + ComponentWindow::russianSample();
    }
    void testSpeaksTheSample()
    {
        QFETCH(QString, program);
        QFETCH(QString, run);
        m_runner.installed.insert(QStringLiteral("espeak-ng"));
        auto window = makeWindow(qPrintable(program), {true, {}});
        QTest::mouseClick(button(*window, "cmdTest"), Qt::LeftButton);
        QCOMPARE(m_runner.runs, QStringList{run});
        QVERIFY(!label(*window, "lblMessage")->isVisibleTo(window.get()));
    }

    void testWithoutTheSpeechProgramSaysSo()
    {
        auto window = makeWindow("lhttsrur", {true, {}});
        QTest::mouseClick(button(*window, "cmdTest"), Qt::LeftButton);
        QVERIFY(m_runner.runs.isEmpty());
        QCOMPARE(label(*window, "lblMessage")->text(),
                 QStringLiteral("Could not run espeak-ng.\nDebian package that provides it: espeak-ng"));
    }

    void testShowsTheCyrillicSample()
    {
        auto window = makeWindow("AgtX0419", {true, QStringLiteral("DejaVu Sans")});
        QVERIFY(!label(*window, "lblSample")->isVisibleTo(window.get()));
        QTest::mouseClick(button(*window, "cmdTest"), Qt::LeftButton);
        QVERIFY(label(*window, "lblSample")->isVisibleTo(window.get()));
        QVERIFY(label(*window, "lblSample")->text().endsWith(ComponentWindow::cyrillicSample()));
        QVERIFY(m_runner.runs.isEmpty());
    }

    void testThroughTheCharacterService_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("noRussian");
        QTest::addColumn<QStringList>("requests");
        QTest::addColumn<QString>("message");
        QTest::newRow("service speaks Russian")
            << "MSAgent" << false
            << QStringList{QStringLiteral("Load Genie Genie.acs"), QStringLiteral("LanguageID 1049"),
                           QStringLiteral("Show"), QStringLiteral("Speak ") + ComponentWindow::russianSample()}
            << QString();
        QTest::newRow("the genie greets")
            << "Genie" << false
            << QStringList{QStringLiteral("Load Genie Genie.acs"), QStringLiteral("Show"), QStringLiteral("Play Greet"),
                           QStringLiteral("Speak ") + ComponentWindow::genieGreeting()}
            << QString();
        QTest::newRow("no Russian voice is reported")
            << "MSAgent" << true
            << QStringList{QStringLiteral("Load Genie Genie.acs"), QStringLiteral("LanguageID 1049")}
            << "no Russian voice";
    }
    void testThroughTheCharacterService()
    {
        QFETCH(QString, program);
        QFETCH(bool, noRussian);
        QFETCH(QStringList, requests);
        QFETCH(QString, message);
        TestSupport::FakeCharacterService service;
        service.noRussian = noRussian;
        auto window = makeWindow(qPrintable(program), {true, {}}, "en_US.UTF-8", &service);
        QTest::mouseClick(button(*window, "cmdTest"), Qt::LeftButton);
        QStringList withoutMoves = service.requests;
        withoutMoves.removeIf([](const QString &line) { return line.startsWith(u"MoveTo "); });
        QCOMPARE(withoutMoves, requests);
        QCOMPARE(service.moves().size(), message.isEmpty() ? 1 : 0);
        QVERIFY(m_runner.runs.isEmpty());
        QCOMPARE(label(*window, "lblMessage")->text(), message);
    }

    void speechSettingsEditTheServicesValuesWithoutIt()
    {
        m_settings.save(Course::Settings::kApplication, QStringLiteral("Character"), QStringLiteral("SpeechOutput"),
                        QStringLiteral("0"));
        m_settings.save(Course::Settings::kApplication, QStringLiteral("Character"), QStringLiteral("Volume"),
                        QStringLiteral("40"));
        m_settings.clearSaves();
        m_runner.installed.insert(QStringLiteral("espeak-ng"));
        auto window = makeWindow("spchcpl", {true, {}});
        QVERIFY(!button(*window, "cmdSpeechSettings"));
        auto *output = window->findChild<QCheckBox *>(QStringLiteral("chkSpeechOutput"));
        auto *volume = window->findChild<QSlider *>(QStringLiteral("sldVolume"));
        QVERIFY(!output->isChecked());
        QCOMPARE(volume->value(), 40);

        // Speech switched off: the test stays silent.
        QTest::mouseClick(button(*window, "cmdTest"), Qt::LeftButton);
        QVERIFY(m_runner.runs.isEmpty());

        output->setChecked(true);
        volume->setValue(70);
        QTest::mouseClick(button(*window, "cmdTest"), Qt::LeftButton);
        QCOMPARE(m_runner.runs, QStringList{"espeak-ng -v ru -a 70 " + ComponentWindow::russianSample()});
        QVERIFY(m_settings.saves().isEmpty());

        QTest::mouseClick(button(*window, "cmdSave"), Qt::LeftButton);
        QCOMPARE(m_settings.saves(), (QStringList{QStringLiteral("SpeechOutput=1"), QStringLiteral("Volume=70")}));
        QCOMPARE(label(*window, "lblMessage")->text(), QStringLiteral("Saved."));
    }

    void speechSettingsOpenTheServicesDialog()
    {
        TestSupport::FakeCharacterService service;
        auto window = makeWindow("spchcpl", {true, {}}, "sv_SE.UTF-8", &service);
        QVERIFY(!window->findChild<QSlider *>(QStringLiteral("sldVolume")));
        QCOMPARE(button(*window, "cmdSpeechSettings")->text(), QStringLiteral("Talinställningar…"));
        QTest::mouseClick(button(*window, "cmdSpeechSettings"), Qt::LeftButton);
        QCOMPARE(service.requests, QStringList{QStringLiteral("PropertySheet 1")});
        service.clear();
        QTest::mouseClick(button(*window, "cmdTest"), Qt::LeftButton);
        QCOMPARE(service.spoken(), QStringList{ComponentWindow::russianSample()});
        QVERIFY(m_runner.runs.isEmpty());
    }

    void speechSettingsReportAFailedSave()
    {
        FailingSettingsStore failing;
        auto window = makeWindow("spchcpl", {true, {}}, "en_US.UTF-8", nullptr, &failing);
        QCOMPARE(window->findChild<QSlider *>(QStringLiteral("sldVolume"))->value(), 100);
        QVERIFY(window->findChild<QCheckBox *>(QStringLiteral("chkSpeechOutput"))->isChecked());
        QTest::mouseClick(button(*window, "cmdSave"), Qt::LeftButton);
        QCOMPARE(label(*window, "lblMessage")->text(), QStringLiteral("The settings could not be saved."));
    }
};

QTEST_MAIN(TestComponents)
#include "tst_components.moc"
