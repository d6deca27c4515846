// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QFile>
#include <QString>

namespace Platform {

/// Appends one UTF-8 line per character-service request to a file, so that a run can be
/// checked from outside. Each line reaches the disk before line() returns.
class TraceWriter final {
public:
    /// Opens \a path for appending; an empty path writes nothing.
    explicit TraceWriter(const QString &path);

    void line(const QString &text);

private:
    QFile m_file;
};

} // namespace Platform
