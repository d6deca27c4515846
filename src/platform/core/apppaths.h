// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>

namespace Platform {

/// Builds file paths the way the programs name them: the application folder (the folder
/// of the running program) followed by a literal such as "\Pictures\" or "\Russian.mdb".
class AppPaths final {
public:
    /// Uses the folder of the running program.
    AppPaths();
    /// Uses \a folder (tests, and the installer's own folder).
    explicit AppPaths(QString folder);

    QString folder() const { return m_folder; }

    /// Folder + literal, with the literal's backslashes turned into '/'. A last path part
    /// ending in ".EXE" (any case) is resolved to the file without that ending when only
    /// that file exists. A help reference such as "\File.chm::/Page.htm" keeps its page.
    QString join(const QString &literal) const;

    /// The same for several literals appended in turn ("\Tamrelon" then "\Kivrostep.EXE").
    QString join(const QString &first, const QString &second) const;

    /// Turns backslashes into '/' and resolves a ".EXE" ending as join() does.
    static QString resolve(const QString &path);

private:
    QString m_folder;
};

} // namespace Platform
