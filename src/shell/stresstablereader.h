// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <future>
#include <memory>

#include <QString>

#include "course/stresstable.h"

namespace Shell {

/// The course's stress table, read from its file once: in the background from
/// readInBackground() on (after the main window's first paint), or else at the first call
/// of table(), when a window first needs it.
class StressTableReader final {
public:
    explicit StressTableReader(QString path);
    ~StressTableReader();
    StressTableReader(const StressTableReader &) = delete;
    StressTableReader &operator=(const StressTableReader &) = delete;

    void readInBackground();
    /// The table, waiting for the background read if it is still going on.
    const Course::StressTable *table();

private:
    QString m_path;
    std::future<Course::StressTable> m_reading;
    std::unique_ptr<Course::StressTable> m_table;
};

} // namespace Shell
