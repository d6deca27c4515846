// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/stresstablereader.h"

#include <utility>

namespace Shell {

StressTableReader::StressTableReader(QString path)
    : m_path(std::move(path))
{
}

// A read still going on is waited for: it refers to nothing of this object.
StressTableReader::~StressTableReader() = default;

void StressTableReader::readInBackground()
{
    if (m_table || m_reading.valid())
        return;
    m_reading = std::async(std::launch::async, [path = m_path] { return Course::StressTable::fromFile(path); });
}

const Course::StressTable *StressTableReader::table()
{
    if (!m_table) {
        m_table = std::make_unique<Course::StressTable>(m_reading.valid() ? m_reading.get()
                                                                          : Course::StressTable::fromFile(m_path));
    }
    return m_table.get();
}

} // namespace Shell
