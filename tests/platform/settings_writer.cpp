// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
// Writes settings for the settings store tests:
//   settings_writer <prefix> <count> [hold]   saves <prefix>0 … and prints "saved <key>" after
//                                             each save returns and reads back; with "hold" it
//                                             then waits to be killed.
//   settings_writer once <key> <value> [fsize] saves one value (with files limited to fsize
//                                             bytes, as on a full disk) and prints "saved 1"
//                                             or "saved 0", the problem, then the four course
//                                             keys as this process reads them afterwards.
#include <QCoreApplication>
#include <QThread>

#include <csignal>
#include <cstdio>

#include <sys/resource.h>

#include "course/settingskeys.h"
#include "platform/settings/inisettingsstore.h"

namespace {

int saveOnce(const QStringList &args)
{
    if (args.size() > 4) {
        // Writing past the limit fails with EFBIG instead of killing the process.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlim_t limit = args.at(4).toULongLong();
        const rlimit fileSize{limit, limit};
        setrlimit(RLIMIT_FSIZE, &fileSize);
    }
    using namespace Course::Settings;
    Platform::IniSettingsStore store;
    const bool saved = store.save(kApplication, kSection, args.at(2), args.at(3));
    std::printf("saved %d\nproblem %s\n", saved ? 1 : 0, qPrintable(store.lastSaveProblem()));
    for (const QString &key : {kAgent, kLanguage, kLesson, kSpeed})
        std::printf("%s=%s\n", qPrintable(key), qPrintable(store.read(kApplication, kSection, key)));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 4 && args.at(1) == u"once")
        return saveOnce(args);
    if (args.size() < 3)
        return 2;
    const QString prefix = args.at(1);
    const int count = args.at(2).toInt();
    Platform::IniSettingsStore store;
    for (int i = 0; i < count; ++i) {
        const QString key = prefix + QString::number(i);
        const QString value = QStringLiteral("value %1").arg(i);
        if (!store.save(Course::Settings::kApplication, Course::Settings::kSection, key, value))
            return 1;
        // A program sees its own save at once, whatever the others write meanwhile.
        if (store.read(Course::Settings::kApplication, Course::Settings::kSection, key) != value)
            return 3;
        std::printf("saved %s\n", qPrintable(key));
        std::fflush(stdout);
    }
    if (args.size() > 3 && args.at(3) == u"hold")
        QThread::sleep(60);
    return 0;
}
