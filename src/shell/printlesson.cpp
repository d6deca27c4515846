// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/printlesson.h"

#include "course/coursefiles.h"
#include "course/lessonrules.h"
#include "course/programstate.h"
#include "course/settingskeys.h"
#include "platform/report/reportengine.h"
#include "platform/settings/settingsstore.h"

namespace Shell {
namespace {

const QString kPassword = QStringLiteral("vorpentaluki");

} // namespace

PrintLesson::PrintLesson(Platform::ReportEngine &engine, const Course::ProgramState &state, Platform::AppPaths paths,
                         const Platform::SettingsStore *settings)
    : m_engine(engine), m_state(state), m_paths(std::move(paths)), m_settings(settings)
{
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
    switch (language) {
    case Course::Language::English:
        return QStringLiteral("\\report1.rpt");
    case Course::Language::Swedish:
        return QStringLiteral("\\report2.rpt");
    case Course::Language::Finnish:
        return QStringLiteral("\\report3.rpt");
    case Course::Language::German:
        return QStringLiteral("\\report4.rpt");
    case Course::Language::French:
        return QStringLiteral("\\report5.rpt");
    case Course::Language::Spanish:
        return QStringLiteral("\\report6.rpt");
    default:
        return {};
    }
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
    m_engine.setConnect(QStringLiteral("PWD=") + kPassword);
    m_engine.setReportFileName(m_paths.join(layout));
    m_engine.replaceSelectionFormula(formulaFor(lessonToPrint()));
    Platform::Status status = m_engine.printReport();
    if (status.failed())
        m_errorText = failureMessage(language, status.error());
    return status;
}

QString PrintLesson::failureMessage(int language, const Platform::Error &error)
{
    QString sentence;
    switch (language) {
    case Course::Language::Swedish:
        sentence = QStringLiteral("Lektionen kunde inte skrivas ut.");
        break;
    case Course::Language::Finnish:
        sentence = QStringLiteral("Oppituntia ei voitu tulostaa.");
        break;
    case Course::Language::German:
        sentence = QStringLiteral("Die Lektion konnte nicht gedruckt werden.");
        break;
    case Course::Language::French:
        sentence = QStringLiteral("La leçon n'a pas pu être imprimée.");
        break;
    case Course::Language::Spanish:
        sentence = QStringLiteral("No se pudo imprimir la lección.");
        break;
    default:
        sentence = QStringLiteral("The lesson could not be printed.");
        break;
    }
    return error.detail.isEmpty() ? sentence : sentence + QStringLiteral("\n\n") + error.detail;
}

} // namespace Shell
