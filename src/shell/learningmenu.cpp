// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/learningmenu.h"

#include <QAction>
#include <QLoggingCategory>
#include <QMenu>

#include "course/captiontable.h"
#include "course/learningchoices.h"
#include "course/settingskeys.h"
#include "platform/audio/recordingstore.h"
#include "platform/settings/settingsstore.h"
#include "practice/speakingtexts.h"
#include "shell/frmmain.h"

Q_LOGGING_CATEGORY(lcLearningMenu, "veskora.shell")

namespace Shell {

LearningMenu::LearningMenu(FrmMain &main, Platform::SettingsStore &store, Course::LearningChoicesNotifier &choices,
                           int language, Platform::RecordingStore *recordings, QObject *parent)
    : QObject(parent)
    , m_store(store)
    , m_choices(choices)
    , m_recordings(recordings)
{
    namespace Keys = Course::LearningKeys;
    const auto stored = [&store](const QString &key) {
        return store.read(Course::Settings::kApplication, Keys::kSection, key);
    };
    const Course::LearningChoices chosen = Course::LearningChoices::fromStored(
        stored(Keys::kStressMarks), stored(Keys::kTransliteration), stored(Keys::kKeepRecordings));
    m_choices.setChoices(chosen);

    QMenu *menu = main.learningMenu();
    m_stressMarks = addEntry(menu, QStringLiteral("mnuStressMarks"), chosen.stressMarks, Keys::kStressMarks);
    m_transliteration =
        addEntry(menu, QStringLiteral("mnuTransliteration"), chosen.transliteration, Keys::kTransliteration);
    if (m_recordings)
        m_keepRecordings =
            addEntry(menu, QStringLiteral("mnuKeepRecordings"), chosen.keepRecordings, Keys::kKeepRecordings);
    reword(language);
    connect(&main, &FrmMain::interfaceLanguageChanged, this, &LearningMenu::reword);
}

LearningMenu::~LearningMenu() = default;

QAction *LearningMenu::addEntry(QMenu *menu, const QString &name, bool checked, const QString &key)
{
    QAction *entry = menu->addAction(QString());
    entry->setObjectName(name);
    entry->setCheckable(true);
    entry->setChecked(checked);
    connect(entry, &QAction::toggled, this, [this, key](bool on) { choose(key, on); });
    return entry;
}

void LearningMenu::reword(int language)
{
    const Course::CaptionTable &texts = Course::CaptionTable::builtIn(QStringLiteral("shell"));
    m_stressMarks->setText(texts.textOrEnglish(language, QStringLiteral("stressMarks")));
    m_transliteration->setText(texts.textOrEnglish(language, QStringLiteral("transliteration")));
    if (m_keepRecordings)
        m_keepRecordings->setText(Practice::speakingText(language, QStringLiteral("keepRecordings")));
}

void LearningMenu::choose(const QString &key, bool on)
{
    namespace Keys = Course::LearningKeys;
    if (!m_store.save(Course::Settings::kApplication, Keys::kSection, key, Course::LearningChoices::storedText(on)))
        qCWarning(lcLearningMenu) << "the learning choice" << key << "could not be saved; it holds for this run";
    Course::LearningChoices choices = m_choices.choices();
    if (key == Keys::kStressMarks)
        choices.stressMarks = on;
    else if (key == Keys::kTransliteration)
        choices.transliteration = on;
    else
        choices.keepRecordings = on;
    m_choices.setChoices(choices);
    // Off means the learner's voice is no longer kept: what was kept goes now.
    if (key == Keys::kKeepRecordings && !on && m_recordings && !m_recordings->removeAll())
        qCWarning(lcLearningMenu) << "some recordings could not be deleted from" << m_recordings->folder();
}

} // namespace Shell
