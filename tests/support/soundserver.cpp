// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "soundserver.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QThread>

namespace TestSupport {

namespace {

constexpr int kStartTimeoutMs = 15000;

} // namespace

SoundServer::SoundServer()
{
    m_server.setProcessChannelMode(QProcess::MergedChannels);
}

SoundServer::~SoundServer()
{
    if (m_recorder.state() != QProcess::NotRunning) {
        m_recorder.kill();
        m_recorder.waitForFinished(3000);
    }
    if (m_server.state() != QProcess::NotRunning) {
        m_server.terminate();
        if (!m_server.waitForFinished(5000)) {
            m_server.kill();
            m_server.waitForFinished(3000);
        }
    }
}

QString SoundServer::address() const
{
    return QStringLiteral("unix:") + m_folder.filePath(QStringLiteral("native"));
}

bool SoundServer::start(const QStringList &extraModules, const QString &defaultSource)
{
    if (!m_folder.isValid()) {
        m_error = QStringLiteral("no temporary folder");
        return false;
    }
    QStringList script{
        QStringLiteral("load-module module-null-sink sink_name=%1 rate=44100").arg(sinkName()),
        // Anonymous access: the test's clients have no cookie, and root's would be elsewhere.
        QStringLiteral("load-module module-native-protocol-unix auth-anonymous=1 socket=%1")
            .arg(m_folder.filePath(QStringLiteral("native"))),
    };
    for (const QString &module : extraModules)
        script << QStringLiteral("load-module ") + module;
    script << QStringLiteral("set-default-sink %1").arg(sinkName());
    if (!defaultSource.isEmpty())
        script << QStringLiteral("set-default-source %1").arg(defaultSource);
    QFile scriptFile(m_folder.filePath(QStringLiteral("server.pa")));
    if (!scriptFile.open(QIODevice::WriteOnly) || scriptFile.write(script.join(u'\n').toUtf8() + '\n') < 0) {
        m_error = QStringLiteral("cannot write %1").arg(scriptFile.fileName());
        return false;
    }
    scriptFile.close();

    // Everything the server keeps (runtime files, cookie, state) stays in the folder, so it
    // meets no other server of the machine or the user, and root is no different.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), m_folder.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_folder.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_folder.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("PULSE_RUNTIME_PATH"), m_folder.filePath(QStringLiteral("runtime")));
    environment.insert(QStringLiteral("PULSE_STATE_PATH"), m_folder.filePath(QStringLiteral("state")));
    environment.remove(QStringLiteral("PULSE_SERVER"));
    environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    m_server.setProcessEnvironment(environment);
    // --disallow-exit: no client may end it; -n: none of the system's default modules.
    m_server.start(QStringLiteral("pulseaudio"),
                   {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                    QStringLiteral("--disallow-exit"), QStringLiteral("--use-pid-file=no"),
                    QStringLiteral("--log-target=stderr"), QStringLiteral("-F"), scriptFile.fileName()});
    if (!m_server.waitForStarted(kStartTimeoutMs)) {
        m_error = QStringLiteral("pulseaudio did not start: ") + m_server.errorString();
        return false;
    }
    return waitUntilAnswering();
}

bool SoundServer::waitUntilAnswering()
{
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!deadline.hasExpired()) {
        if (m_server.state() == QProcess::NotRunning) {
            m_error = QStringLiteral("pulseaudio ended: ") + QString::fromLocal8Bit(m_server.readAll());
            return false;
        }
        QProcess probe;
        probe.start(QStringLiteral("pactl"), clientArguments() << QStringLiteral("info"));
        if (probe.waitForFinished(5000) && probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0)
            return true;
        QThread::msleep(100);
    }
    m_error = QStringLiteral("pulseaudio did not answer: ") + QString::fromLocal8Bit(m_server.readAll());
    return false;
}

QStringList SoundServer::clientArguments() const
{
    return {QStringLiteral("--server=") + address()};
}

void SoundServer::useInThisProcess() const
{
    qputenv("PULSE_SERVER", address().toLocal8Bit());
}

bool SoundServer::startWithMicrophone(int sampleRate)
{
    const QString source = QStringLiteral("veskora_input");
    return start({QStringLiteral("module-pipe-source source_name=%1 file=%2 format=s16le rate=%3 channels=1")
                      .arg(source, microphonePipe())
                      .arg(sampleRate)},
                 source);
}

bool SoundServer::startRecording(int sampleRate)
{
    m_recorded.clear();
    m_recorder.start(QStringLiteral("parec"),
                     clientArguments() << QStringLiteral("--device=%1.monitor").arg(sinkName())
                                       << QStringLiteral("--raw") << QStringLiteral("--format=s16le")
                                       << QStringLiteral("--channels=1") << QStringLiteral("--rate=%1").arg(sampleRate)
                                       << QStringLiteral("--latency-msec=20"));
    if (!m_recorder.waitForStarted(kStartTimeoutMs)) {
        m_error = QStringLiteral("parec did not start: ") + m_recorder.errorString();
        return false;
    }
    return true;
}

QByteArray SoundServer::recorded()
{
    m_recorded += m_recorder.readAllStandardOutput();
    return m_recorded.left(m_recorded.size() & ~qsizetype(1));
}

QByteArray SoundServer::stopRecording()
{
    m_recorder.terminate();
    m_recorder.waitForFinished(5000);
    const QByteArray samples = recorded();
    m_recorded.clear();
    return samples;
}

} // namespace TestSupport
