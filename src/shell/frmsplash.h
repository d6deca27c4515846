// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace Shell {

/// The splash window shown while the main window loads.
class FrmSplash final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrmSplash)
public:
    explicit FrmSplash(QWidget *parent = nullptr);

    /// "Version " + major + "." + minor + "."
    static QString versionText(int major, int minor);

private:
    /// The window's named controls.
    struct Controls {
        QTimer *Timer1 = nullptr;
    };
    Controls m_ui;
};

} // namespace Shell
