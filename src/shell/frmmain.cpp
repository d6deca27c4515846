// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/frmmain.h"

#include <algorithm>

#include <QCloseEvent>
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QSizeGrip>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

#include "course/captiontable.h"
#include "course/programstate.h"
#include "platform/process/processlauncher.h"
#include "platform/ui/twips.h"
#include "shell/applyresourcecaptions.h"
#include "shell/services.h"

namespace Shell {
namespace {

const QString kSeparator = QStringLiteral("     __________");

// The lesson entries' names, lessons 1 to 38.
constexpr const char *kLessonEntries[] = {
    "first",       "second",     "third",       "fourt",       "fifth",       "sixth",       "sevent",    "eight",
    "nneth",       "tenth",      "eleven",      "twelve",      "thirteen",    "fourteen",    "fifteen",   "sixteen",
    "seventeen",   "eighteen",   "nineteen",    "twenty",      "twentyone",   "twentytwo",   "twentytre", "twentyfour",
    "twentyfive",  "twentysix",  "twentyseven", "twentyeight", "twentynine",  "thirty",      "thirtyone", "thirtytwo",
    "thirtythree", "thirtyfour", "thirtyfive",  "thirtysix",   "thirtyseven", "thirtyeight",
};

int lessonCaptionId(int lesson)
{
    return lesson <= 10 ? 1016 + lesson : 2000 + lesson - 10;
}

// Hundredths of a millimetre to pixels of \a widget's screen.
int fromHimetric(int hundredths, const QWidget *widget)
{
    return Platform::Twips::toPixels(int(hundredths * 1440.0 / 2540.0), widget);
}

// Windows lay their controls out in fixed positions (no layout), so the sub-window frame
// takes its size from the window's own size rather than from a size hint.
void fitFrame(QMdiSubWindow *frame, QWidget *child)
{
    const QSize wanted = child->size();
    child->setMinimumSize(wanted);
    frame->adjustSize();
    child->setMinimumSize(0, 0);
}

} // namespace

FrmMain::FrmMain(Services &services, QWidget *parent)
    : QMainWindow(parent)
    , m_services(services)
{
    m_ui.mdiArea = new QMdiArea(this);
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Veskora"));
    m_ui.mdiArea->setObjectName(QStringLiteral("mdiArea"));
    // Containers a screen reader walks through are named too, so no part of the tree is blank.
    m_ui.mdiArea->setAccessibleName(tr("Course windows"));
    m_ui.mdiArea->setBackground(QColor(171, 171, 171));
    // A child window larger than the room the screen leaves can still be read to its end.
    m_ui.mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_ui.mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_ui.mdiArea);
    buildMenus();
    buildStatusBar();
    // The welcome texts' mnemonics move focus to their flags, so Alt with the menu's letter
    // does not reach the menu from the start dialog; F10 opens it, as on most desktops.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this, [this] {
        if (!menuBar()->actions().isEmpty())
            menuBar()->setActiveAction(menuBar()->actions().constFirst());
    });
    move(Platform::Twips::toPixels(168, this), Platform::Twips::toPixels(636, this));
    // The client area (the MDI area between menu and status bar) gets the design size, and
    // at least room for a lesson window (8300 by 7800 twips) under its title bar.
    const int frame = 2 * style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth) + 4;
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const int clientWidth =
        std::max(Platform::Twips::toPixels(8352, this), Platform::Twips::toPixels(8300, this) + frame);
    const int clientHeight =
        std::max(Platform::Twips::toPixels(8544, this), Platform::Twips::toPixels(7800, this) + titleBar + frame);
    resize(clientWidth, clientHeight + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());

    m_start.setFactory([this]() -> Start * {
        auto *start = new Start(m_services);
        connect(start, &Start::lessonWindowRequested, this, &FrmMain::lessonWindowRequested);
        connect(start, &Start::interfaceLanguageChosen, this, &FrmMain::interfaceLanguageChanged);
        if (!start->load(m_unloadSplash)) {
            delete start;
            return nullptr;
        }
        return start;
    });
}

FrmMain::~FrmMain() = default;

QAction *FrmMain::addEntry(QMenu *menu, const char *name, const QString &caption, int index)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (index >= 0)
        action->setProperty("index", index);
    return action;
}

void FrmMain::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setAccessibleName(tr("Menu"));
    QMenu *file = bar->addMenu(QStringLiteral("1000"));
    file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    file->menuAction()->setProperty("index", 1);

    struct Submenu {
        const char *name;
        int index;
        int caption;
        int first;
        int last;
    };
    const Submenu submenus[] = {
        {"mnuFile110", -1, 1001, 1, 10},
        {"mnuFile2130", -1, 1002, 11, 20},
        {"mnuFile3140", 3, 1003, 21, 30},
        {"mnuFile3140", 4, 1004, 31, 38},
    };
    for (const Submenu &submenu : submenus) {
        QMenu *menu = file->addMenu(QString::number(submenu.caption));
        menu->menuAction()->setObjectName(QString::fromLatin1(submenu.name));
        if (submenu.index >= 0)
            menu->menuAction()->setProperty("index", submenu.index);
        for (int lesson = submenu.first; lesson <= submenu.last; ++lesson) {
            QAction *entry = addEntry(menu, kLessonEntries[lesson - 1], QString::number(lessonCaptionId(lesson)));
            connect(entry, &QAction::triggered, this, [this, lesson]() { openLessonFromMenu(lesson); });
        }
    }

    QAction *content = addEntry(file, "content", QStringLiteral("2050"));
    connect(content, &QAction::triggered, this, [this]() {
        Q_EMIT contentsRequested();
        LockLanguageChoice();
    });
    addEntry(file, "streck1", kSeparator);

    QMenu *language = file->addMenu(QStringLiteral("1005"));
    language->menuAction()->setObjectName(QStringLiteral("language"));
    language->menuAction()->setProperty("index", 4);
    const std::pair<const char *, int> languages[] = {
        {"english", 110}, {"swedish", 120}, {"finnish", 130}, {"germany", 140}, {"france", 150}, {"spain", 160},
    };
    int captionId = 2030;
    for (const auto &[name, code] : languages) {
        QAction *entry = addEntry(language, name, QString::number(captionId++));
        // The new language reaches the windows opened afterwards; nothing is saved.
        connect(entry, &QAction::triggered, this, [this, code = code]() { setInterfaceLanguage(code); });
        m_ui.language << entry;
    }

    addEntry(file, "streck2", kSeparator);
    m_ui.printer = addEntry(file, "printer", QStringLiteral("2040"));
    connect(m_ui.printer, &QAction::triggered, this, &FrmMain::printRequested);
    addEntry(file, "streck3", kSeparator);
    QAction *exit = addEntry(file, "mnuExit", QStringLiteral("1006"), 6);
    // Ends the program at once: no window's unload handling runs and nothing is saved.
    connect(exit, &QAction::triggered, this, [this]() { m_services.launcher->exitNow(0); });

    QMenu *help = bar->addMenu(QStringLiteral("1014"));
    help->menuAction()->setObjectName(QStringLiteral("Help1"));
    connect(addEntry(help, "Help2", QStringLiteral("1013")), &QAction::triggered, this, &FrmMain::programHelpRequested);
    connect(addEntry(help, "Help3", QStringLiteral("1015")), &QAction::triggered, this, &FrmMain::grammarHelpRequested);
    addEntry(help, "strek", QStringLiteral("    __________"));
    connect(addEntry(help, "About", QStringLiteral("1016")), &QAction::triggered, this, &FrmMain::aboutRequested);

    // Its title holds no string id: it follows the interface language, not the desktop's.
    m_ui.mnuLearning = bar->addMenu(QString());
    m_ui.mnuLearning->menuAction()->setObjectName(QStringLiteral("mnuLearning"));
    m_ui.mnuLearning->menuAction()->setVisible(false);
    m_ui.mnuLearning->installEventFilter(this);
    connect(m_ui.mnuLearning, &QMenu::aboutToShow, this,
            [this] { setInterfaceLanguage(m_services.state->language()); });
    connect(this, &FrmMain::interfaceLanguageChanged, this, [this](int code) {
        const Course::CaptionTable &texts = Course::CaptionTable::builtIn(QStringLiteral("shell"));
        m_ui.mnuLearning->setTitle(texts.textOrEnglish(code, QStringLiteral("learningMenu")));
    });
}

bool FrmMain::eventFilter(QObject *watched, QEvent *event)
{
    // The Learning menu shows in the menu bar as soon as a feature has given it an entry.
    if (watched == m_ui.mnuLearning && (event->type() == QEvent::ActionAdded || event->type() == QEvent::ActionRemoved))
        m_ui.mnuLearning->menuAction()->setVisible(!m_ui.mnuLearning->actions().isEmpty());
    // Lesson windows take their final size when they load, after they are framed.
    if (event->type() == QEvent::Resize) {
        if (auto *frame = qobject_cast<QMdiSubWindow *>(watched))
            makeRoomFor(frame);
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmMain::setInterfaceLanguage(int code)
{
    m_services.state->interfaceLanguage = code;
    Q_EMIT interfaceLanguageChanged(code);
}

void FrmMain::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    bar->setAccessibleName(tr("Status bar"));
    bar->setSizeGripEnabled(true);
    if (auto *grip = bar->findChild<QSizeGrip *>())
        grip->setAccessibleName(tr("Resize"));
    auto *text = new QLabel(QStringLiteral("Status"), bar);
    text->setObjectName(QStringLiteral("Panel1"));
    text->setMinimumWidth(fromHimetric(9102, this));
    m_ui.Panel2 = new QLabel(bar);
    m_ui.Panel2->setObjectName(QStringLiteral("Panel2"));
    m_ui.Panel3 = new QLabel(bar);
    m_ui.Panel3->setObjectName(QStringLiteral("Panel3"));
    for (QLabel *panel : {m_ui.Panel2, m_ui.Panel3}) {
        panel->setMinimumWidth(fromHimetric(2540, this));
        panel->setAlignment(Qt::AlignCenter);
        panel->setFrameShape(QFrame::StyledPanel);
    }
    text->setFrameShape(QFrame::StyledPanel);
    bar->addWidget(text, 1);
    bar->addPermanentWidget(m_ui.Panel2);
    bar->addPermanentWidget(m_ui.Panel3);
    refreshClock();
    auto *clock = new QTimer(this);
    clock->setInterval(1000);
    connect(clock, &QTimer::timeout, this, &FrmMain::refreshClock);
    clock->start();
}

void FrmMain::refreshClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    m_ui.Panel2->setText(locale.toString(now.date(), QLocale::ShortFormat));
    m_ui.Panel3->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

QAction *FrmMain::entry(const QString &name, int index) const
{
    QList<QAction *> pending = menuBar()->actions();
    while (!pending.isEmpty()) {
        QAction *action = pending.takeFirst();
        if (action->objectName() == name && (index < 0 || action->property("index").toInt() == index))
            return action;
        if (QMenu *menu = action->menu())
            pending += menu->actions();
    }
    return nullptr;
}

bool FrmMain::load(const std::function<void()> &unloadSplash)
{
    m_unloadSplash = unloadSplash;
    ApplyResourceCaptions(*this, m_services.strings);
    if (m_services.state->currentLesson < 1)
        m_ui.printer->setEnabled(false);
    Start *start = m_start.touch();
    if (!start)
        return false;
    Q_EMIT interfaceLanguageChanged(m_services.state->language());
    if (start->recentLessonAvailable())
        m_ui.printer->setEnabled(true);
    ShowStartDialog();
    return true;
}

void FrmMain::showChild(QWidget *child)
{
    QMdiSubWindow *frame = nullptr;
    for (QMdiSubWindow *sub : m_ui.mdiArea->subWindowList()) {
        if (sub->widget() == child)
            frame = sub;
    }
    if (!frame) {
        frame = m_ui.mdiArea->addSubWindow(child);
        fitFrame(frame, child);
        frame->setAttribute(Qt::WA_DeleteOnClose);
        // The sub-window frame goes with its window.
        connect(child, &QObject::destroyed, frame, &QMdiSubWindow::close);
        // Lesson windows take their final size when they load, after they are framed.
        frame->installEventFilter(this);
    }
    frame->show();
    frame->raise();
    m_ui.mdiArea->setActiveSubWindow(frame);
    makeRoomFor(frame);
}

void FrmMain::makeRoomFor(const QMdiSubWindow *frame)
{
    // Before the frame is shown its client area has no size yet; the size it is given then
    // already holds a lesson window.
    if (!isVisible())
        return;
    // The course's windows stand in the client area's top left corner.
    const QSize missing = (frame->size() - m_ui.mdiArea->viewport()->size()).expandedTo(QSize(0, 0));
    if (missing.isNull() || !screen())
        return;
    // The window may grow to the right and bottom edges of the screen's free area.
    const QRect free = screen()->availableGeometry();
    const QRect outer = frameGeometry();
    const int widthRoom = std::max(0, free.right() - outer.right());
    const int heightRoom = std::max(0, free.bottom() - outer.bottom());
    resize(width() + std::min(missing.width(), widthRoom), height() + std::min(missing.height(), heightRoom));
}

void FrmMain::ShowStartDialog()
{
    Start *start = m_start.touch();
    if (!start)
        return;
    bool framed = false;
    for (QMdiSubWindow *sub : m_ui.mdiArea->subWindowList())
        framed = framed || sub->widget() == start;
    if (!framed) {
        QMdiSubWindow *frame = m_ui.mdiArea->addSubWindow(start, Qt::FramelessWindowHint);
        fitFrame(frame, start);
        frame->setAttribute(Qt::WA_DeleteOnClose);
        connect(start, &QObject::destroyed, frame, &QMdiSubWindow::close);
        frame->move(0, 0);
    }
    showChild(start);
}

void FrmMain::LockLanguageChoice()
{
    m_ui.printer->setEnabled(isEnabled());
    for (QAction *entry : std::as_const(m_ui.language))
        entry->setEnabled(false);
    if (Start *start = m_start.touch())
        start->disableOtherLanguages();
}

void FrmMain::openLessonFromMenu(int lesson)
{
    LockLanguageChoice();
    m_services.state->currentLesson = lesson;
    if (const auto kind = Course::windowKindFor(lesson))
        Q_EMIT lessonWindowRequested(*kind);
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    Q_EMIT unloading();
    m_start.release();
    QMainWindow::closeEvent(event);
}

} // namespace Shell
