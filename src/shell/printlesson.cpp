// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/printlesson.h"

#include "course/captiontable.h"
#include "course/coursefiles.h"
#include "course/displayrussian.h"
#include "course/lessonrules.h"
#include "course/lessontable.h"
#include "course/programstate.h"
#include "course/settingskeys.h"
#include "platform/report/reportengine.h"
#include "platform/settings/settingsstore.h"

namespace Shell {

PrintLesson::PrintLesson(Platform::ReportEngine &engine, const Course::ProgramState &state, Platform::AppPaths paths,
                         const Platform::SettingsStore *settings)
    : m_engine(engine)
    , m_state(state)
    , m_paths(std::move(paths))
    , m_settings(settings)
{
}

void PrintLesson::setStress(const Course::StressTable *table, const Course::LearningChoicesNotifier *choices)
{
    m_stress = table;
    m_choices = choices;
}

QString PrintLesson::lessonToPrint() const
{
    // SelectedLesson is empty until a lesson has been opened; a formula built from it would
    // select no row and print an empty table.
    if (!m_state.selectedLesson.trimmed().isEmpty())
        return m_state.selectedLesson;
    const QString saved = m_settings
        ? m_settings->read(Course::Settings::kApplication, Course::Settings::kSection, Course::Settings::kLesson)
        : QString();
    return QString::number(Course::recentLesson(saved));
}

QString PrintLesson::layoutFor(int language)
{
    return Course::CaptionTable::builtIn(QStringLiteral("shell")).text(language, QStringLiteral("reportLayout"));
}

QString PrintLesson::formulaFor(const QString &lesson)
{
    // A lesson number goes in as plain decimal text; anything else read from the settings
    // has its quotes doubled so it stays one text and cannot change the formula.
    bool isNumber = false;
    const int number = lesson.trimmed().toInt(&isNumber);
    QString text = isNumber ? QString::number(number) : lesson;
    text.replace(u'\'', QStringLiteral("''"));
    return QStringLiteral("{Kursen.Lektion} ='") + text + u'\'';
}

Platform::Status PrintLesson::print()
{
    m_errorText.clear();
    const int language = m_state.language();
    const QString layout = layoutFor(language);
    if (layout.isEmpty())
        return Platform::ok();

    m_engine.setDataFiles(m_paths.join(Course::Files::kPrint));
    m_engine.setConnect(QStringLiteral("PWD=") + Course::Files::kPassword);
    m_engine.setReportFileName(m_paths.join(layout));
    m_engine.replaceSelectionFormula(formulaFor(lessonToPrint()));
    const Course::LearningChoices choices = Course::choicesOf(m_choices);
    if (m_stress && choices.stressMarks) {
        // The print database holds the lesson texts as written, so a row's text is also the
        // key of its record's own stress decisions.
        m_engine.setTextFilter(
            Course::LessonTable::russianText(),
            [table = m_stress, choices](const QString &text, const QString &lesson) {
                return Course::displayRussian(text, table, choices, {Course::lessonPlace(lesson.toInt()), text});
            });
    } else {
        m_engine.setTextFilter(Course::LessonTable::russianText(), {});
    }
    Platform::Status status = m_engine.printReport();
    if (status.failed())
        m_errorText = failureMessage(language, status.error());
    return status;
}

QString PrintLesson::failureMessage(int language, const Platform::Error &error)
{
    const QString sentence =
        Course::CaptionTable::builtIn(QStringLiteral("shell")).textOrEnglish(language, QStringLiteral("printFailed"));
    return error.detail.isEmpty() ? sentence : sentence + QStringLiteral("\n\n") + error.detail;
}

} // namespace Shell
