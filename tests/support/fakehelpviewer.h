// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QStringList>

#include "platform/help/helpviewer.h"

namespace TestSupport {

/// A help viewer that records every reference it is asked to show and shows nothing.
class FakeHelpViewer final : public Platform::HelpViewer {
public:
    void showHelp(const QString &reference) override { shown.append(reference); }

    QStringList shown;
};

} // namespace TestSupport
