// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// Puts the genie on the screen beside a small window, plays an animation and says a Russian
// sentence, the way a lesson window does.
//
//   agent_demo [--animation Name] [--text "speech text"] [--shot file.png] [--after ms]
//
// With --shot the whole screen is saved after --after milliseconds (default 2500) and the
// program ends; otherwise it ends when the window is closed.
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/agent/agentcontrol.h"
#include "platform/agent/geniecharacterservice.h"
#include "platform/settings/inisettingsstore.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const auto option = [&](const QString &name, const QString &fallback) {
        const qsizetype at = args.indexOf(name);
        return at > 0 && at + 1 < args.size() ? args.at(at + 1) : fallback;
    };
    const QString appDir = qEnvironmentVariableIsEmpty("VESKORA_APP_DIR") ? QStringLiteral(VESKORA_DEFAULT_APP_DIR)
                                                                          : qEnvironmentVariable("VESKORA_APP_DIR");

    QWidget window;
    window.setWindowTitle(QStringLiteral("Урок 2"));
    auto *label =
        new QLabel(QStringLiteral("<h2>Урок 2</h2><p style='font-size:16pt'>Здравствуйте! Меня зовут Анна.</p>"
                                  "<p>Hello! My name is Anna.</p>"));
    label->setWordWrap(true);
    (new QVBoxLayout(&window))->addWidget(label);
    window.setGeometry(60, 300, 360, 260);
    window.show();

    Platform::IniSettingsStore settings;
    Platform::GenieCharacterService service{Platform::AppPaths(appDir), settings};
    Platform::AgentControl control(service);
    if (const auto status = control.load(QStringLiteral("Genie"), QStringLiteral("Genie.acs")); status.failed()) {
        qWarning("%s", qPrintable(status.error().detail));
        return 1;
    }
    auto genie = control.character(QStringLiteral("Genie"));
    (void)genie->setLanguageID(1049);
    (void)genie->setTTSModeID(QStringLiteral("{06377F81-D48E-11d1-B17B-0020AFED142E}"));
    auto balloon = genie->balloon();
    (void)balloon.setStyle(*balloon.style() | 0x04000000);
    (void)balloon.setStyle(*balloon.style() | 0x00100000);
    (void)balloon.setFontSize(14);
    (void)balloon.setFontName(QStringLiteral("Arial"));
    (void)genie->moveTo(450, 450);
    (void)genie->show();
    (void)genie->addCommand(QStringLiteral("Agent Settings"), QStringLiteral("Agent Settings"),
                            QStringLiteral("Agent Settings"));
    QObject::connect(&control, &Platform::AgentControl::command, &app,
                     [&](const Platform::AgentCommand &) { (void)control.setPropertySheetVisible(true); });
    (void)genie->play(option(QStringLiteral("--animation"), QStringLiteral("Greet")));
    (void)genie->speak(
        option(QStringLiteral("--text"), QStringLiteral("\\spd=120\\\\pit=74\\Здравствуйте! Меня зовут Анна.")));

    const QString shot = option(QStringLiteral("--shot"), QString());
    if (!shot.isEmpty()) {
        QTimer::singleShot(option(QStringLiteral("--after"), QStringLiteral("2500")).toInt(), &app, [&] {
            app.primaryScreen()->grabWindow(0).save(shot);
            app.quit();
        });
    }
    return app.exec();
}
