// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/recordingschoice.h"

#include <QAction>
#include <QMenu>

#include "course/programstate.h"
#include "course/recordingskeys.h"
#include "course/settingskeys.h"
#include "platform/audio/recordingstore.h"
#include "platform/settings/settingsstore.h"
#include "shell/logging.h"
#include "speaking/speakingtexts.h"

namespace Shell {

namespace {

bool keepsFromStored(const QString &stored)
{
    const QString text = stored.trimmed().toLower();
    return text != QStringLiteral("false") && text != QStringLiteral("0");
}

} // namespace

RecordingsChoice::RecordingsChoice(QMenu &menu, Platform::SettingsStore &learning, Platform::RecordingStore &recordings,
                                   const Course::ProgramState &state, QObject *parent)
    : QObject(parent)
    , m_action(new QAction(&menu))
    , m_learning(learning)
    , m_recordings(recordings)
    , m_state(state)
{
    m_action->setObjectName(QStringLiteral("mnuKeepRecordings"));
    m_action->setCheckable(true);
    m_action->setChecked(keepsFromStored(m_learning.read(
        Course::Settings::kApplication, Course::RecordingsKeys::kSection, Course::RecordingsKeys::kKeepRecordings)));
    menu.addAction(m_action);
    retitle();
    connect(m_action, &QAction::toggled, this, &RecordingsChoice::choose);
    connect(&menu, &QMenu::aboutToShow, this, &RecordingsChoice::retitle);
}

RecordingsChoice::~RecordingsChoice() = default;

bool RecordingsChoice::keeps() const
{
    return m_action->isChecked();
}

void RecordingsChoice::choose(bool keep)
{
    if (!m_learning.save(Course::Settings::kApplication, Course::RecordingsKeys::kSection,
                         Course::RecordingsKeys::kKeepRecordings,
                         keep ? QStringLiteral("true") : QStringLiteral("false")))
        qCWarning(lcShell) << "the choice to keep recordings could not be stored";
    // Off means the learner's voice is no longer kept: what was kept goes now.
    if (!keep && !m_recordings.removeAll())
        qCWarning(lcShell) << "some recordings could not be deleted from" << m_recordings.folder();
}

void RecordingsChoice::retitle()
{
    setLanguage(m_state.language());
}

void RecordingsChoice::setLanguage(int language)
{
    m_action->setText(Speaking::speakingText(language, QStringLiteral("keepRecordings")));
}

} // namespace Shell
