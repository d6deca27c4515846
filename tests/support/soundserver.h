// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace TestSupport {

/// A private PulseAudio server for one test: its own runtime folder and socket, a null
/// sink "veskora_test" whose monitor can be recorded, and whatever else the test loads
/// (a module-pipe-source fed from a file, say). Runs as the test's user, root included.
/// The server ends with the object.
class SoundServer final {
public:
    SoundServer();
    ~SoundServer();
    SoundServer(const SoundServer &) = delete;
    SoundServer &operator=(const SoundServer &) = delete;

    /// Starts the server with the null sink as default sink, plus one "load-module …" line
    /// per entry of \a extraModules, and \a defaultSource (one of those modules' sources) as
    /// the default input when given. False, with errorString(), when it did not come up.
    bool start(const QStringList &extraModules = {}, const QString &defaultSource = {});
    /// Starts the server with a microphone: a pipe source (16-bit mono at \a sampleRate) as
    /// the default input, whose pipe is microphonePipe() (feed it with a PipeFeeder).
    bool startWithMicrophone(int sampleRate);
    QString microphonePipe() const { return m_folder.filePath(QStringLiteral("microphone")); }
    /// The folder the server keeps its files in (a pipe source's file can go there).
    QString folder() const { return m_folder.path(); }
    /// The address for PULSE_SERVER: "unix:<socket>".
    QString address() const;
    QString sinkName() const { return QStringLiteral("veskora_test"); }
    /// Points this process's PulseAudio clients (and the programs it starts) at the server.
    /// Call before anything in the process asks for sound devices.
    void useInThisProcess() const;

    /// Starts recording what the sink plays as 16-bit mono at \a sampleRate. The sink's
    /// monitor delivers nothing until something plays.
    bool startRecording(int sampleRate);
    /// The little-endian samples recorded so far.
    QByteArray recorded();
    /// Ends the recording; all its samples.
    QByteArray stopRecording();

    QString errorString() const { return m_error; }

private:
    QStringList clientArguments() const;
    bool waitUntilAnswering();

    QTemporaryDir m_folder;
    QProcess m_server;
    QProcess m_recorder;
    QByteArray m_recorded;
    QString m_error;
};

} // namespace TestSupport
