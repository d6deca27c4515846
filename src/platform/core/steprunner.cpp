// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/core/steprunner.h"

namespace Platform {

StepRunner::StepRunner()
    : m_handler([](const Error &) { return Reaction::Continue; })
{
}

StepRunner::StepRunner(Handler handler)
    : m_handler(std::move(handler))
{
}

bool StepRunner::run(const std::function<Status()> &step)
{
    if (m_stopped)
        return false;
    const Status status = step();
    if (status.ok())
        return true;
    ++m_failures;
    if (m_handler(status.error()) == Reaction::Stop)
        m_stopped = true;
    return false;
}

void StepRunner::always(const std::function<void()> &step)
{
    if (!m_stopped)
        step();
}

} // namespace Platform
