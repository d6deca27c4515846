// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// Feeds an arbitrary stored settings text to every reader that turns one into a number:
// the speed slider's position, the saved lesson, the print selection built from the saved
// lesson, the character's volume and balloon font size, and the setup program's volume.
// Besides crashes and sanitizer reports it checks that each result lies in the range its
// user can take, that a plain in-range number reads as itself, and that the print
// selection always parses and selects exactly the saved lesson.
#include "fuzzinput.h"

#include "course/settingskeys.h"
#include "inmemorysettingsstore.h"
#include "installer/componentwindow.h"
#include "lessons/speechtext.h"
#include "platform/agent/agentsettingsdialog.h"
#include "platform/report/selectionformula.h"
#include "shell/printlesson.h"
#include "shell/startdialog.h"

namespace {

void checkSpeed(const QString &stored)
{
    const auto position = Lessons::sliderPositionForSpeed(stored);
    if (position
        && (*position < Lessons::kSliderMinimum || *position > Lessons::kSliderMaximum
            || Lessons::rateForSliderPosition(*position).isEmpty()))
        Fuzz::broken();
    bool ok = false;
    const int plain = stored.toInt(&ok);
    if (ok && plain >= Lessons::kSliderMinimum && plain <= Lessons::kSliderMaximum && position != plain)
        Fuzz::broken();
}

void checkLesson(const QString &stored)
{
    const int lesson = Course::recentLesson(stored);
    if (lesson < 1 || lesson > 38 || !Course::windowKindFor(lesson))
        Fuzz::broken();
    bool ok = false;
    const int plain = stored.toInt(&ok);
    if (ok && plain >= 1 && plain <= 38 && lesson != plain)
        Fuzz::broken();
}

void checkPrintSelection(const QString &stored)
{
    const auto formula = Platform::SelectionFormula::parse(Shell::PrintLesson::formulaFor(stored));
    if (!formula || formula->selectsAll())
        Fuzz::broken();
    bool isNumber = false;
    const int number = stored.trimmed().toInt(&isNumber);
    const QString lesson = isNumber ? QString::number(number) : stored;
    const auto record = [](const QString &value) { return [value](const QString &) { return value; }; };
    if (!formula->matches(record(lesson)) || formula->matches(record(lesson + u'x')))
        Fuzz::broken();
}

void checkCharacterSettings(const QString &stored)
{
    TestSupport::InMemorySettingsStore store;
    const QString section = QStringLiteral("Character");
    for (const QString &key : {QStringLiteral("Volume"), QStringLiteral("BalloonFontSize")})
        store.save(Course::Settings::kApplication, section, key, stored);
    const Platform::CharacterSettings settings = Platform::CharacterSettings::read(store);
    if (settings.volume < 0 || settings.volume > 100 || settings.balloonFontSize < 0 || settings.balloonFontSize > 72)
        Fuzz::broken();
    const int volume = Installer::ComponentWindow::storedVolume(stored);
    if (volume < 0 || volume > 100 || volume != settings.volume)
        Fuzz::broken();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString stored = Fuzz::textOf(data, size);
    checkSpeed(stored);
    checkLesson(stored);
    checkPrintSelection(stored);
    checkCharacterSettings(stored);
    return 0;
}
