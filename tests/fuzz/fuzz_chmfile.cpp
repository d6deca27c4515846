// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// Feeds arbitrary bytes as a compiled help file to its reader: opens it, lists its entries
// and reads every one. Besides crashes, hangs and sanitizer reports it checks what the help
// window relies on: a read never yields more bytes than the whole file holds, and an entry
// the file lists is found under its own name.
#include "fuzzinput.h"

#include <sys/mman.h>
#include <unistd.h>

#include <QCoreApplication>

#include "platform/help/chmfile.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    Fuzz::silenceQtMessages();
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // chmlib reads from a path: the input lives in a memory file, named through /proc.
    const int fd = memfd_create("fuzz.chm", MFD_CLOEXEC);
    if (fd < 0 || ::write(fd, data, size) != ssize_t(size))
        Fuzz::broken();
    const QString path = QStringLiteral("/proc/self/fd/%1").arg(fd);
    {
        auto file = Platform::ChmFile::open(path);
        if (file) {
            const QStringList entries = (*file)->entries();
            // Enough entries to reach every part of the reader without reading thousands.
            for (const QString &entry : entries.mid(0, 64)) {
                if (!(*file)->contains(entry))
                    Fuzz::broken();
                const std::optional<QByteArray> bytes = (*file)->read(entry);
                if (bytes && bytes->size() > qsizetype(size))
                    Fuzz::broken();
            }
        }
    }
    ::close(fd);
    return 0;
}
