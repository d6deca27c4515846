// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <functional>

#include <QWidget>

namespace Shell {

struct Services;

/// The start dialog: welcome texts and flags in six languages, the recent-lesson command
/// and the hidden start command that opens a lesson window for SelectedLesson.
class Start final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Start)
public:
    explicit Start(Services &services, QWidget *parent = nullptr);

    /// The load step. Returns false when the component check ended the program.
    bool load(const std::function<void()> &unloadSplash = {});

private:
    Services &m_services;
};

} // namespace Shell
