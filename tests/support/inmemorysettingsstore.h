// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QMap>
#include <QStringList>

#include "platform/settings/settingsstore.h"

#include "course/settingskeys.h"

namespace TestSupport {

/// A settings store held in memory, recording every save in order. With failSaves set,
/// saves keep their value for the run but report that the store could not be written.
class InMemorySettingsStore final : public Platform::SettingsStore {
public:
    QString read(const QString &application, const QString &section, const QString &key) const override
    {
        return m_values.value(path(application, section, key));
    }
    bool save(const QString &application, const QString &section, const QString &key, const QString &value) override
    {
        m_values.insert(path(application, section, key), value);
        m_saves.append(key + u'=' + value);
        return !failSaves;
    }
    QString lastSaveProblem() const override
    {
        return failSaves ? QStringLiteral("the test's store cannot be written") : QString();
    }

    bool failSaves = false;

    /// Stores a value without recording it as a save (a test's starting state).
    void preset(const QString &key, const QString &value)
    {
        m_values.insert(path(Course::Settings::kApplication, Course::Settings::kSection, key), value);
    }
    bool contains(const QString &key) const
    {
        return m_values.contains(path(Course::Settings::kApplication, Course::Settings::kSection, key));
    }
    QString value(const QString &key) const
    {
        return read(Course::Settings::kApplication, Course::Settings::kSection, key);
    }
    /// "Key=value" for each save, in order.
    QStringList saves() const { return m_saves; }
    void clearSaves() { m_saves.clear(); }

private:
    static QString path(const QString &a, const QString &s, const QString &k) { return a + u'/' + s + u'/' + k; }
    QMap<QString, QString> m_values;
    QStringList m_saves;
};

} // namespace TestSupport
