// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <functional>

#include <QString>

namespace Platform {

/// What can keep the help window from showing a page.
enum class HelpProblem { FileMissing, FileUnreadable, PageMissing, PageTooLarge };
/// The learner's text for a problem, shown above the technical detail. The window's own
/// texts (English, and none for PageTooLarge) apply where it returns nothing.
using HelpProblemTexts = std::function<QString(HelpProblem problem)>;

/// Shows help pages. A reference is "<file.chm>::/<page>"; a missing file or page is
/// reported by the viewer itself, never by the caller.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void showHelp(const QString &reference) = 0;
};

} // namespace Platform
