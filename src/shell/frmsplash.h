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
    QTimer *m_timer;
};

} // namespace Shell
