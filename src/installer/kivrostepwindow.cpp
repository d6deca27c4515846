// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "installer/kivrostepwindow.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "installer/componentprobe.h"
#include "platform/core/apppaths.h"
#include "platform/process/processlauncher.h"
#include "platform/ui/keyboard.h"
#include "resources/localeid.h"

namespace Installer {
namespace {

// Texts of the check window, one row per language: title, explanation, found, missing,
// the four component names, the button, the failure message.
struct Texts {
    quint32 primaryLanguage;
    const char *title, *explanation, *found, *missing, *voice, *character, *sound, *font, *button, *failed;
};

constexpr Texts kTexts[] = {
    {0x09, "Speech components", "The speech components that the course needs are not installed yet.", "found",
     "missing", "Russian voice (espeak-ng)", "The character Genie", "Sound output", "Cyrillic font",
     "&Install the speech components", "The installer could not be started:"},
    {0x1D, "Talkomponenter", "Talkomponenterna som kursen behöver är inte installerade än.", "finns", "saknas",
     "Rysk röst (espeak-ng)", "Figuren Genie", "Ljudutgång", "Kyrilliskt typsnitt", "&Installera talkomponenterna",
     "Installationsprogrammet kunde inte startas:"},
    {0x0B, "Puhekomponentit", "Kurssin tarvitsemia puhekomponentteja ei ole vielä asennettu.", "löytyy", "puuttuu",
     "Venäläinen ääni (espeak-ng)", "Hahmo Genie", "Äänilähtö", "Kyrillinen fontti", "&Asenna puhekomponentit",
     "Asennusohjelmaa ei voitu käynnistää:"},
    {0x07, "Sprachkomponenten", "Die Sprachkomponenten, die der Kurs braucht, sind noch nicht installiert.",
     "vorhanden", "fehlt", "Russische Stimme (espeak-ng)", "Die Figur Genie", "Tonausgabe", "Kyrillische Schrift",
     "Sprachkomponenten &installieren", "Das Installationsprogramm konnte nicht gestartet werden:"},
    {0x0C, "Composants vocaux", "Les composants vocaux dont le cours a besoin ne sont pas encore installés.", "présent",
     "absent", "Voix russe (espeak-ng)", "Le personnage Genie", "Sortie audio", "Police cyrillique",
     "&Installer les composants vocaux", "Le programme d'installation n'a pas pu être lancé :"},
    {0x0A, "Componentes de voz", "Los componentes de voz que necesita el curso aún no están instalados.", "encontrado",
     "falta", "Voz rusa (espeak-ng)", "El personaje Genie", "Salida de sonido", "Fuente cirílica",
     "&Instalar los componentes de voz", "No se pudo iniciar el instalador:"},
};

const Texts &textsFor(quint32 localeId)
{
    const quint32 primary = Resources::primaryLanguage(localeId);
    for (const Texts &texts : kTexts) {
        if (texts.primaryLanguage == primary || (primary == 0x03 && texts.primaryLanguage == 0x0A))
            return texts;
    }
    return kTexts[0];
}

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

KivrostepWindow::KivrostepWindow(const ComponentProbe &probe, Platform::ProcessLauncher &launcher,
                                 QString installerFolder, quint32 localeId, QWidget *parent)
    : QWidget(parent)
    , m_launcher(launcher)
    , m_installerFolder(std::move(installerFolder))
    , m_localeId(localeId)
{
    const Texts &t = textsFor(localeId);
    setObjectName(QStringLiteral("Kivrostep"));
    setWindowTitle(u8(t.title));

    auto *layout = new QVBoxLayout(this);
    auto *explanation = new QLabel(u8(t.explanation), this);
    explanation->setObjectName(QStringLiteral("lblExplanation"));
    explanation->setWordWrap(true);
    QFont bold = explanation->font();
    bold.setBold(true);
    explanation->setFont(bold);
    layout->addWidget(explanation);

    const auto addFinding = [&](const char *name, const char *component, bool present) {
        auto *label = new QLabel(QStringLiteral("%1 %2: %3")
                                     .arg(present ? QStringLiteral("✔") : QStringLiteral("✘"), u8(component),
                                          u8(present ? t.found : t.missing)),
                                 this);
        label->setObjectName(QString::fromLatin1(name));
        label->setStyleSheet(present ? QStringLiteral("color: #006000;") : QStringLiteral("color: #a00000;"));
        layout->addWidget(label);
    };
    addFinding("lblVoice", t.voice, !probe.russianVoiceData().isEmpty());
    addFinding("lblCharacter", t.character, !probe.characterFile().isEmpty());
    addFinding("lblSound", t.sound, ComponentProbe::soundOutput());
    addFinding("lblFont", t.font, ComponentProbe::cyrillicFont());

    auto *install = new QPushButton(u8(t.button), this);
    install->setObjectName(QStringLiteral("cmdInstall"));
    install->setDefault(true);
    Platform::Keyboard::enterClicks(this, install);
    layout->addWidget(install);
    connect(install, &QPushButton::clicked, this, &KivrostepWindow::startInstaller);
}

void KivrostepWindow::startInstaller()
{
    const QString path = Platform::AppPaths(m_installerFolder).join(QStringLiteral("\\Tamrelon.EXE"));
    const auto started = m_launcher.start(path);
    if (!started) {
        QMessageBox::warning(this, windowTitle(), u8(textsFor(m_localeId).failed) + u'\n' + started.error().detail);
        return;
    }
    close();
}

} // namespace Installer
