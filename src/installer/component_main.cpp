// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
// One program installed under the six names of the installer's setup programs; the name
// it runs under chooses the component it checks.
#include <QApplication>
#include <QDir>

#include <cstdio>

#include "installer/commandrunner.h"
#include "installer/componentprobe.h"
#include "installer/components.h"
#include "installer/componentwindow.h"
#include "platform/agent/charactersettingsstore.h"
#include "platform/agent/geniecharacterservice.h"
#include "platform/core/apppaths.h"
#include "resources/localeid.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const Installer::ComponentInfo *info = Installer::componentForProgram(QApplication::applicationFilePath());
    if (!info) {
        std::fprintf(stderr, "%s: not the name of a speech component program\n",
                     qPrintable(QApplication::applicationFilePath()));
        return 2;
    }
    // The course folder is the parent of the Tamrelon folder these programs lie in.
    QDir courseFolder(QApplication::applicationDirPath());
    courseFolder.cdUp();
    const Installer::ComponentProbe probe(courseFolder.absolutePath());

    Installer::DetachedCommandRunner runner;
    // The window edits the character's own settings, which the service keeps.
    Platform::CharacterSettingsStore settings;
    const auto texts = Resources::InstallerStrings::forLocale(Resources::localeIdFromEnvironment(),
                                                              Resources::InstallerStrings::Choice::SameLanguage);
    // The same service the course uses, so a test here shows what the course will do.
    Platform::GenieCharacterService characters(Platform::AppPaths(courseFolder.absolutePath()), settings);
    Installer::ComponentWindow window(*info, Installer::checkComponent(info->component, probe), texts, runner, settings,
                                      &characters);
    window.show();
    if (info->component == Installer::Component::SpeechSettings)
        characters.setPropertySheetVisible(true);
    return QApplication::exec();
}
