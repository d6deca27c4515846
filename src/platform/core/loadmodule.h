// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QLibrary>
#include <QLoggingCategory>

namespace Platform {

/// Loads the module library \a path and asks it for its entry \a symbol, a function that
/// returns the module object; null (and a warning in \a category) when either fails. The
/// library stays loaded until the process ends: the objects it made run its code. Every
/// symbol is bound now, on the loading thread, rather than at first call.
template<typename Module>
const Module *loadModule(const QString &path, const char *symbol, const QLoggingCategory &category)
{
    QLibrary library(path);
    library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    if (!library.load()) {
        qCWarning(category) << "cannot load" << library.fileName() << library.errorString();
        return nullptr;
    }
    using Entry = const Module *(*)();
    const auto entry = reinterpret_cast<Entry>(library.resolve(symbol));
    if (!entry) {
        qCWarning(category) << library.fileName() << "has no" << symbol;
        return nullptr;
    }
    return entry();
}

} // namespace Platform
