// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <thread>

namespace Platform {

/// Reads the system's font configuration (fontconfig's files and caches, several
/// milliseconds) on a thread of its own while Qt starts, so that the first window's first
/// text finds it ready instead of reading it then. Made first thing in main(); the
/// destructor waits for the thread. fontconfig's set-up may run on any thread, and a second
/// one started meanwhile by Qt gives the same result.
class FontConfigWarmUp final {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp &) = delete;
    FontConfigWarmUp &operator=(const FontConfigWarmUp &) = delete;

private:
    std::thread m_thread;
};

} // namespace Platform
