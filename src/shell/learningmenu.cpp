// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/learningmenu.h"

#include <QAction>
#include <QLoggingCategory>
#include <QMenu>

#include "course/captiontable.h"
#include "course/learningchoices.h"
#include "course/settingskeys.h"
#include "platform/settings/settingsstore.h"
#include "shell/frmmain.h"

Q_LOGGING_CATEGORY(lcLearningMenu, "veskora.shell")

namespace Shell {

LearningMenu::LearningMenu(FrmMain &main, Platform::SettingsStore &store, Course::LearningChoicesNotifier &choices,
                           int language, QObject *parent)
    : QObject(parent)
    , m_store(store)
    , m_choices(choices)
{
    namespace Keys = Course::LearningKeys;
    const auto stored = [&store](const QString &key) {
        return store.read(Course::Settings::kApplication, Keys::kSection, key);
    };
    const Course::LearningChoices chosen =
        Course::LearningChoices::fromStored(stored(Keys::kStressMarks), stored(Keys::kTransliteration));
    m_choices.setChoices(chosen);

    QMenu *menu = main.learningMenu();
    m_stressMarks = menu->addAction(QString());
    m_stressMarks->setObjectName(QStringLiteral("mnuStressMarks"));
    m_stressMarks->setCheckable(true);
    m_stressMarks->setChecked(chosen.stressMarks);
    m_transliteration = menu->addAction(QString());
    m_transliteration->setObjectName(QStringLiteral("mnuTransliteration"));
    m_transliteration->setCheckable(true);
    m_transliteration->setChecked(chosen.transliteration);
    reword(language);

    connect(m_stressMarks, &QAction::toggled, this, [this](bool on) { choose(Keys::kStressMarks, on); });
    connect(m_transliteration, &QAction::toggled, this, [this](bool on) { choose(Keys::kTransliteration, on); });
    connect(&main, &FrmMain::interfaceLanguageChanged, this, &LearningMenu::reword);
}

LearningMenu::~LearningMenu() = default;

void LearningMenu::reword(int language)
{
    const Course::CaptionTable &texts = Course::CaptionTable::builtIn(QStringLiteral("shell"));
    m_stressMarks->setText(texts.textOrEnglish(language, QStringLiteral("stressMarks")));
    m_transliteration->setText(texts.textOrEnglish(language, QStringLiteral("transliteration")));
}

void LearningMenu::choose(const QString &key, bool on)
{
    if (!m_store.save(Course::Settings::kApplication, Course::LearningKeys::kSection, key,
                      Course::LearningChoices::storedText(on)))
        qCWarning(lcLearningMenu) << "the learning choice" << key << "could not be saved; it holds for this run";
    Course::LearningChoices choices = m_choices.choices();
    (key == Course::LearningKeys::kStressMarks ? choices.stressMarks : choices.transliteration) = on;
    m_choices.setChoices(choices);
}

} // namespace Shell
