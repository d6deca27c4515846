// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <functional>

#include <QMainWindow>

#include "shell/startdialog.h"
#include "shell/windowslot.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace Shell {

struct Services;

/// The course's multiple-document frame: the main menu (captions from the string table),
/// the status bar with its text, date and time panels, and the start dialog inside it.
/// It opens no other window itself: it asks for them with signals that the shell's window
/// director answers.
class FrmMain final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrmMain)
public:
    explicit FrmMain(Services &services, QWidget *parent = nullptr);
    ~FrmMain() override;

    /// The load step. Returns false when the start dialog's component check ended the program.
    bool load(const std::function<void()> &unloadSplash = {});

    /// Shows the start dialog without making it modal, loading it first if needed.
    void ShowStartDialog();
    /// Disables the language entries and the other languages' rows of the start dialog.
    void LockLanguageChoice();

    QMdiArea *mdiArea() const { return m_ui.mdiArea; }
    /// Shows \a child as a child window of the frame.
    void showChild(QWidget *child);
    WindowSlot<Start> &start() { return m_start; }
    /// The menu entry with the given object name (and array index, where it has one).
    QAction *entry(const QString &name, int index = -1) const;
    /// The "Learning" menu, after the existing menus: features add their entries to it and
    /// word them in the interface language (see interfaceLanguageChanged()). It is hidden
    /// while it has no entries.
    QMenu *learningMenu() const { return m_ui.mnuLearning; }

Q_SIGNALS:
    /// A lesson entry or the start dialog asks for a lesson window; CurrentLesson is set.
    void lessonWindowRequested(Course::LessonWindowKind kind);
    void contentsRequested();
    void aboutRequested();
    void printRequested();
    void programHelpRequested();
    void grammarHelpRequested();
    /// The frame is closing: the director releases every window object.
    void unloading();
    /// The interface language changed (the start dialog or the language menu); texts that
    /// follow it, such as the Learning menu's, are worded anew.
    void interfaceLanguageChanged(int code);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    /// Grows the main window, as far as the screen allows, until the child window in \a frame
    /// fits its client area; beyond that the client area scrolls.
    void makeRoomFor(const QMdiSubWindow *frame);
    void buildMenus();
    void buildStatusBar();
    QAction *addEntry(QMenu *menu, const char *name, const QString &caption, int index = -1);
    void openLessonFromMenu(int lesson);
    void refreshClock();
    void setInterfaceLanguage(int code);

    /// The window's named controls (menu entries by their names).
    struct Controls {
        QMdiArea *mdiArea = nullptr;
        QAction *printer = nullptr;
        /// english, swedish, finnish, germany, france, spain.
        QList<QAction *> language;
        QMenu *mnuLearning = nullptr;
        /// The status bar's date and time panels.
        QLabel *Panel2 = nullptr;
        QLabel *Panel3 = nullptr;
    };

    Services &m_services;
    Controls m_ui;
    WindowSlot<Start> m_start;
    std::function<void()> m_unloadSplash;
};

} // namespace Shell
