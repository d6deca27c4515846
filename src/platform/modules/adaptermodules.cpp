// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/modules/adaptermodules.h"

#include <algorithm>
#include <system_error>

#include <QLoggingCategory>

#include "platform/core/loadmodule.h"

Q_LOGGING_CATEGORY(lcModules, "veskora.modules")

namespace Platform {

namespace {

/// The module \a file in \a folder, or null (and a warning).
template<typename Module>
const Module *loadModule(const QString &folder, const QString &file, const char *symbol)
{
    return Platform::loadModule<Module>(folder + u'/' + file, symbol, lcModules());
}

void loadInto(AdapterModules::Set &set, const QString &folder, AdapterModules::Slot slot)
{
    switch (slot) {
    case AdapterModules::Slot::Databases:
        set.databases = loadModule<DatabaseModule>(folder, QStringLiteral("database.so"), "veskoraDatabaseModule");
        break;
    case AdapterModules::Slot::Characters:
        set.characters = loadModule<CharacterModule>(folder, QStringLiteral("agent.so"), "veskoraCharacterModule");
        break;
    case AdapterModules::Slot::Reports:
        set.reports = loadModule<ReportModule>(folder, QStringLiteral("report.so"), "veskoraReportModule");
        break;
    case AdapterModules::Slot::Help:
        set.help = loadModule<HelpModule>(folder, QStringLiteral("help.so"), "veskoraHelpModule");
        break;
    }
}

/// \a set with every module that \a tried does not name loaded.
AdapterModules::Set loadRest(AdapterModules::Set set, const QString &folder, const AdapterModules::Tried &tried)
{
    // The database first: the first lesson needs it before the character.
    for (const auto slot : {AdapterModules::Slot::Databases, AdapterModules::Slot::Characters,
                            AdapterModules::Slot::Reports, AdapterModules::Slot::Help}) {
        if (!tried[std::size_t(slot)])
            loadInto(set, folder, slot);
    }
    return set;
}

} // namespace

AdapterModules::AdapterModules(QString folder)
    : m_folder(std::move(folder))
{
}

AdapterModules::AdapterModules(const Set &linked)
    : m_modules(linked)
{
    m_tried.fill(true);
}

AdapterModules::~AdapterModules()
{
    if (m_loading.valid())
        m_loading.wait();
}

QString AdapterModules::folderBeside(const QString &programFolder)
{
    return programFolder + QStringLiteral("/plugins");
}

bool AdapterModules::allTried() const
{
    return std::all_of(m_tried.begin(), m_tried.end(), [](bool tried) { return tried; });
}

void AdapterModules::warmUp()
{
    if (allTried() || m_loading.valid())
        return;
    try {
        m_loading = std::async(std::launch::async, loadRest, m_modules, m_folder, m_tried);
    } catch (const std::system_error &error) {
        // Without a thread the first use loads the modules instead.
        qCWarning(lcModules) << "no thread to load the modules on:" << error.what();
    }
}

bool AdapterModules::isReady() const
{
    return !m_loading.valid() || m_loading.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

const AdapterModules::Set &AdapterModules::modules(Slot slot)
{
    if (m_loading.valid()) {
        m_modules = m_loading.get();
        m_tried.fill(true);
    }
    if (!m_tried[std::size_t(slot)]) {
        loadInto(m_modules, m_folder, slot);
        m_tried[std::size_t(slot)] = true;
    }
    return m_modules;
}

} // namespace Platform
