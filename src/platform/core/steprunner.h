// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <functional>

#include "platform/core/error.h"

namespace Platform {

/// Runs a routine's steps one after the other. A step that fails is handed to the
/// handler, which decides whether the routine goes on with the next step ("errors
/// ignored", the default) or stops. This is how windows model load steps whose failures
/// are skipped and load error handlers that react to particular codes.
class StepRunner final {
public:
    enum class Reaction { Continue, Stop };
    using Handler = std::function<Reaction(const Error &)>;

    /// A runner that skips every failing step.
    StepRunner();
    explicit StepRunner(Handler handler);

    /// Runs \a step unless the runner has stopped. Returns true when the step succeeded.
    bool run(const std::function<Status()> &step);
    /// Runs a step that cannot fail, unless the runner has stopped.
    void always(const std::function<void()> &step);

    bool stopped() const { return m_stopped; }
    int failures() const { return m_failures; }

private:
    Handler m_handler;
    bool m_stopped = false;
    int m_failures = 0;
};

} // namespace Platform
