// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/frmmain.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>

#include "platform/ui/twips.h"
#include "shell/applyresourcecaptions.h"
#include "shell/services.h"
#include "shell/start.h"

namespace Shell {

FrmMain::FrmMain(Services &services, QWidget *parent)
    : QMainWindow(parent)
    , m_services(services)
    , m_mdi(new QMdiArea(this))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Veskora"));
    setCentralWidget(m_mdi);
    statusBar()->setObjectName(QStringLiteral("sbStatusBar"));
    Platform::Twips::resizeClient(this, 8352, 8544);
    m_start.setFactory([this]() -> Start * {
        auto *start = new Start(m_services);
        if (!start->load(m_unloadSplash)) {
            delete start;
            return nullptr;
        }
        return start;
    });
}

bool FrmMain::load(const std::function<void()> &unloadSplash)
{
    m_unloadSplash = unloadSplash;
    ApplyResourceCaptions(*this, m_services.strings);
    Start *start = m_start.touch();
    if (!start)
        return false;
    m_mdi->addSubWindow(start, Qt::FramelessWindowHint)->show();
    return true;
}

} // namespace Shell
