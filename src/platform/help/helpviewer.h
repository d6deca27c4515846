// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>

namespace Platform {

/// Shows help pages. A reference is "<file.chm>::/<page>"; a missing file or page is
/// reported by the viewer itself, never by the caller.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void showHelp(const QString &reference) = 0;
};

} // namespace Platform
