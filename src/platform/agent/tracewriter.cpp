// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/tracewriter.h"

namespace Platform {

TraceWriter::TraceWriter(const QString &path)
    : m_file(path)
{
    if (!path.isEmpty())
        (void)m_file.open(QIODevice::WriteOnly | QIODevice::Append);
}

void TraceWriter::line(const QString &text)
{
    if (!m_file.isOpen())
        return;
    // A text with a line break would split the record; the break is kept as "\n".
    QString oneLine = text;
    oneLine.replace(u'\n', QStringLiteral("\\n"));
    m_file.write(oneLine.toUtf8() + '\n');
    m_file.flush();
}

} // namespace Platform
