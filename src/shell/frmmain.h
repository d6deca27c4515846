// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <functional>

#include <QMainWindow>

#include "shell/windowslot.h"

class QMdiArea;

namespace Shell {

class Start;
struct Services;

/// The course's multiple-document frame with the main menu and the status bar.
class FrmMain final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrmMain)
public:
    explicit FrmMain(Services &services, QWidget *parent = nullptr);

    /// The load step. Returns false when the start dialog's component check ended the program.
    bool load(const std::function<void()> &unloadSplash = {});

    QMdiArea *mdiArea() const { return m_mdi; }
    WindowSlot<Start> &start() { return m_start; }

private:
    Services &m_services;
    QMdiArea *m_mdi;
    WindowSlot<Start> m_start;
    std::function<void()> m_unloadSplash;
};

} // namespace Shell
