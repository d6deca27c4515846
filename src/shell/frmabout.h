// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QDialog>
#include <QUrl>

class QLabel;
class QLineEdit;
class QPushButton;

namespace Platform {
class ProcessLauncher;
}

namespace Shell {

/// The about box (frmAbout): names the course, its version and the speech technology,
/// and offers the web site. Modeless; OK, Enter and Escape close it. Double-clicking the
/// web-site text asks the process launcher for a new browser window each time. Its texts
/// are the same in every interface language.
class FrmAbout final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrmAbout)
public:
    explicit FrmAbout(Platform::ProcessLauncher &launcher, QWidget *parent = nullptr);
    ~FrmAbout() override;

    /// The web-site address that Text1 shows and opens.
    static QUrl webSite();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openWebSite();

    /// The box's named controls.
    struct Controls {
        QLineEdit *Text1 = nullptr;
    };

    Platform::ProcessLauncher &m_launcher;
    Controls m_ui;
};

} // namespace Shell
