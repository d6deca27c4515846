// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/helpcommands.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "course/captiontable.h"
#include "course/programstate.h"
#include "platform/help/helpviewer.h"

namespace Shell {

HelpCommands::HelpCommands(Course::ProgramState &state, Platform::AppPaths paths)
    : m_state(state)
    , m_paths(std::move(paths))
{
}

QString HelpCommands::programHelpPage(int language)
{
    return Course::CaptionTable::builtIn(QStringLiteral("shell")).text(language, QStringLiteral("programHelp"));
}

QString HelpCommands::grammarHelpPage(int language)
{
    return Course::CaptionTable::builtIn(QStringLiteral("shell")).text(language, QStringLiteral("grammarHelp"));
}

void HelpCommands::chooseProgramHelp()
{
    choose(programHelpPage(m_state.language()));
}

void HelpCommands::chooseGrammarHelp()
{
    choose(grammarHelpPage(m_state.language()));
}

void HelpCommands::choose(const QString &page)
{
    if (!page.isEmpty())
        m_state.helpReference = m_paths.join(page);
    // F1 is pressed also when no language matched: the previous page opens then.
    pressF1();
}

void HelpCommands::pressF1()
{
    QObject *target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    if (!target)
        target = QCoreApplication::instance();
    if (!target)
        return;
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier));
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier));
}

HelpKeyFilter::HelpKeyFilter(Platform::HelpViewer &viewer, const Course::ProgramState &state, QObject *parent)
    : QObject(parent)
    , m_viewer(viewer)
    , m_state(state)
{
}

bool HelpKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_F1 || key->isAutoRepeat())
        return QObject::eventFilter(watched, event);
    // A real key press reaches the window-system window first and then the focus widget;
    // only the widget's (or a press posted to the application) counts, so one press opens
    // the help once.
    if (!watched->isWidgetType() && watched != QCoreApplication::instance())
        return QObject::eventFilter(watched, event);
    m_viewer.showHelp(m_state.helpReference);
    key->accept();
    return true;
}

} // namespace Shell
