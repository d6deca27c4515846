// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/settingsnotice.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "course/captiontable.h"
#include "course/programstate.h"

namespace Shell {

NoticingSettingsStore::NoticingSettingsStore(Platform::SettingsStore &store, const Course::ProgramState &state,
                                             QObject *parent)
    : QObject(parent)
    , m_store(store)
    , m_state(state)
{
}

NoticingSettingsStore::~NoticingSettingsStore()
{
    delete m_notice.data();
}

QMessageBox *NoticingSettingsStore::notice() const
{
    return m_notice;
}

QString NoticingSettingsStore::read(const QString &application, const QString &section, const QString &key) const
{
    return m_store.read(application, section, key);
}

bool NoticingSettingsStore::save(const QString &application, const QString &section, const QString &key,
                                 const QString &value)
{
    if (m_store.save(application, section, key, value))
        return true;
    if (!m_told) {
        m_told = true;
        // The language is taken now: a failure while the learner picks a language speaks
        // the language just picked.
        const int language = m_state.language();
        const QString detail = m_store.lastSaveProblem();
        QTimer::singleShot(0, this, [this, language, detail] { tellLearner(language, detail); });
    }
    return false;
}

QString NoticingSettingsStore::lastSaveProblem() const
{
    return m_store.lastSaveProblem();
}

void NoticingSettingsStore::tellLearner(int language, const QString &detail)
{
    const QString text = Course::CaptionTable::builtIn(QStringLiteral("notices"))
                             .textOrEnglish(language, QStringLiteral("settingsNotSaved"));
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Veskora"), text.arg(detail), QMessageBox::Ok,
                                QApplication::activeWindow());
    box->setObjectName(QStringLiteral("settingsNotSaved"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
    m_notice = box;
}

} // namespace Shell
