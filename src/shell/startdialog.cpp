// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/startdialog.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "course/programstate.h"
#include "course/settingskeys.h"
#include "platform/settings/settingsstore.h"
#include "platform/ui/drawingcache.h"
#include "platform/ui/keyboard.h"
#include "platform/ui/twips.h"
#include "shell/componentcheck.h"
#include "shell/services.h"
#include "shell/shellresources.h"

namespace Shell {
namespace {

constexpr int kFlagWidth = 735, kFlagHeight = 495;
constexpr int kFlagHoverWidth = 835, kFlagHoverHeight = 550;

struct RowDesign {
    int code;
    const char *label;
    const char *flag;
    const char *picture;
    const char *welcome;
    const char *recentCaption;
    const char *languageName;
};

// Label1…Label6 and Command1…Command6 in design order; the welcome texts are not
// translated: each row always shows its own language.
constexpr RowDesign kRows[] = {
    {120, "Label1", "Command1", "se",
     "Välkommen  till Ryska för turister med Genie.    Välj lektionen från &Arkiv ovan.", "Starta senaste lektion",
     "Svenska"},
    {110, "Label2", "Command2", "gb",
     "Welcome to Russian for tourists with Genie. Select your lesson from &File above. ", "Begin the recent lesson. ",
     "English"},
    {130, "Label3", "Command3", "fi",
     "Tervetuloa Venäjää turisteille Genien kera. Valitse oppitunti &Valikosta ylhäällä. ",
     "Starttaa viimekertainen oppitunti", "Suomi"},
    {140, "Label4", "Command4", "de",
     "Begrüssen Sie zu Russisch für Touristen mit Genie. Wählen Sie Ihre Lektion von &Menü oben aus.",
     "Fangen Sie neue Lektion an.", "Deutsch"},
    {150, "Label5", "Command5", "fr",
     "Accueillez en russe pour les touristes avec Genie. Sélectionnez votre leçon de &Menú au-dessus.",
     "Commencer la leçon récente.", "Français"},
    {160, "Label6", "Command6", "es",
     "Dé la bienvenida a ruso para los turistas con Genie. Seleccione su lección anteriormente del &Menú.",
     "Comience la lección reciente", "Español"},
};

void setBold(QLabel *label, bool bold)
{
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
}

} // namespace

Start::Start(Services &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
{
    initResources();
    setObjectName(QStringLiteral("Start"));
    setWindowTitle(QStringLiteral("Veskora"));
    setAccessibleName(windowTitle());
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(255, 250, 235));
    setPalette(background);
    buildControls();
    Platform::Twips::resizeClient(this, 7800, 7716);
}

void Start::buildControls()
{
    // Label7 lies under everything else; moving the pointer over it ends every hover effect.
    m_ui.Label7 = new QLabel(QStringLiteral("Label7"), this);
    m_ui.Label7->setObjectName(QStringLiteral("Label7"));
    m_ui.Label7->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Its design text stays (screen readers name the area by it) but is drawn in the
    // background colour: the area is there for the pointer, not to be read.
    QPalette quiet = m_ui.Label7->palette();
    quiet.setColor(QPalette::WindowText, QColor(255, 250, 235));
    m_ui.Label7->setPalette(quiet);
    m_ui.Label7->setMouseTracking(true);
    m_ui.Label7->setAccessibleName(tr("Background"));
    m_ui.Label7->installEventFilter(this);
    Platform::Twips::place(m_ui.Label7, 0, 0, 8300, 7800);

    m_ui.Picture2 = new QLabel(this);
    m_ui.Picture2->setObjectName(QStringLiteral("Picture2"));
    m_ui.Picture2->setAccessibleName(QStringLiteral("Genie"));
    m_ui.Picture2->setScaledContents(true);
    m_ui.Picture2->setAutoFillBackground(true);
    Platform::Twips::place(m_ui.Picture2, 120, 120, 1560, 1560);
    // Drawn at the screen's pixel density, so that it is not enlarged from a small bitmap.
    m_ui.Picture2->setPixmap(Platform::Pictures::renderCached(QStringLiteral(":/shell/genie.svg"),
                                                              m_ui.Picture2->size(), m_ui.Picture2->devicePixelRatioF(),
                                                              Qt::IgnoreAspectRatio));

    int top = 1860;
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        const RowDesign &design = kRows[i];
        auto *flag = new QPushButton(this);
        flag->setObjectName(QString::fromLatin1(design.flag));
        flag->setAccessibleName(QString::fromUtf8(design.languageName));
        flag->setToolTip(QString::fromUtf8(design.languageName));
        flag->setMouseTracking(true);
        flag->installEventFilter(this);
        Platform::Twips::place(flag, 240, top, kFlagWidth, kFlagHeight);
        flag->setIconSize(flag->size() - QSize(6, 6));
        // Drawn once at the icon's size and the screen's pixel density: an icon of the drawing
        // itself would read the drawing twice before the first window is shown.
        flag->setIcon(QIcon(Platform::Pictures::renderCached(
            QStringLiteral(":/shell/flags/%1.svg").arg(QString::fromLatin1(design.picture)), flag->iconSize(),
            flag->devicePixelRatioF())));

        auto *label = new QLabel(QString::fromUtf8(design.welcome), this);
        label->setObjectName(QString::fromLatin1(design.label));
        label->setWordWrap(true);
        label->setBuddy(flag);
        label->setMouseTracking(true);
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
        Platform::Twips::place(label, 1200, top - 60, 6840, 620);

        m_ui.rows[i] = Row{design.code, label, flag, QString::fromUtf8(design.recentCaption)};
        const int code = design.code;
        connect(flag, &QPushButton::clicked, this, [this, code]() { chooseLanguage(code); });
        top += 820;
    }

    m_ui.cmdRecent = new QPushButton(QStringLiteral("Begin the recent lesson. "), this);
    m_ui.cmdRecent->setObjectName(QStringLiteral("cmdRecent"));
    m_ui.cmdRecent->setDefault(true);
    Platform::Keyboard::enterClicks(this, m_ui.cmdRecent);
    Platform::Twips::place(m_ui.cmdRecent, 2400, 6900, 3600, 495);
    connect(m_ui.cmdRecent, &QPushButton::clicked, this, &Start::beginRecentLesson);
    m_ui.lblDueToday = new QLabel(this);
    m_ui.lblDueToday->setObjectName(QStringLiteral("lblDueToday"));
    m_ui.lblDueToday->setAlignment(Qt::AlignCenter);
    // Green text on the dialog's own background.
    QPalette dueColours = m_ui.lblDueToday->palette();
    dueColours.setColor(QPalette::WindowText, QColor(0, 128, 0));
    m_ui.lblDueToday->setPalette(dueColours);
    Platform::Twips::place(m_ui.lblDueToday, 2400, 7420, 3600, 330);
    m_ui.lblDueToday->hide();

    m_ui.cmdStart = new QPushButton(QStringLiteral("Starting"), this);
    m_ui.cmdStart->setObjectName(QStringLiteral("cmdStart"));
    m_ui.cmdStart->hide();
    connect(m_ui.cmdStart, &QPushButton::clicked, this, &Start::startSelectedLesson);

    for (auto [box, name] :
         {std::pair{&m_ui.txtLang, "txtLang"}, {&m_ui.txtLesson, "txtLesson"}, {&m_ui.txtAgents, "txtAgents"}}) {
        *box = new QLineEdit(this);
        (*box)->setObjectName(QString::fromLatin1(name));
        (*box)->setAccessibleName(QString::fromLatin1(name));
        (*box)->hide();
    }
    m_ui.Label7->lower();
}

bool Start::load(const std::function<void()> &unloadSplash)
{
    Course::ProgramState &state = *m_services.state;
    const auto read = [this](const QString &key) {
        return m_services.settings->read(Course::Settings::kApplication, Course::Settings::kSection, key);
    };

    m_ui.txtAgents->setText(read(Course::Settings::kAgent));
    if (!ComponentCheck::installed(m_ui.txtAgents->text())) {
        ComponentCheck::startCheckProgramAndEnd(m_services, unloadSplash);
        return false;
    }

    state.currentLesson = 0;
    Platform::Twips::resizeClient(this, 8300, 7800);

    m_ui.txtLang->setText(read(Course::Settings::kLanguage));
    if (m_ui.txtLang->text().isEmpty())
        state.interfaceLanguage = Course::Language::English;
    for (const Row &row : m_ui.rows) {
        if (m_ui.txtLang->text() == QString::number(row.code))
            chooseLanguage(row.code);
    }

    m_ui.txtLesson->setText(read(Course::Settings::kLesson));
    return true;
}

void Start::chooseLanguage(int code)
{
    m_services.state->interfaceLanguage = code;
    m_services.settings->save(Course::Settings::kApplication, Course::Settings::kSection, Course::Settings::kLanguage,
                              QString::number(code));
    for (const Row &row : m_ui.rows) {
        if (row.code == code)
            m_ui.cmdRecent->setText(row.recentCaption);
    }
    Q_EMIT interfaceLanguageChosen(code);
}

void Start::showDueToday(const QString &line)
{
    m_ui.lblDueToday->setText(line);
    m_ui.lblDueToday->setAccessibleName(line);
    m_ui.lblDueToday->setVisible(!line.isEmpty());
}

const Start::Row *Start::rowOf(const QObject *control) const
{
    for (const Row &row : m_ui.rows) {
        if (row.label == control || row.flag == control)
            return &row;
    }
    return nullptr;
}

bool Start::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseMove || type == QEvent::Enter) {
        if (watched == m_ui.Label7)
            resetHover();
        else if (const Row *row = rowOf(watched))
            hoverRow(*row, watched == row->label);
    } else if (type == QEvent::MouseButtonRelease) {
        // A click on a welcome text chooses its language, like the flag beside it.
        const Row *row = rowOf(watched);
        if (row && watched == row->label && row->label->isEnabled())
            chooseLanguage(row->code);
    }
    return QWidget::eventFilter(watched, event);
}

void Start::hoverRow(const Row &row, bool overLabel)
{
    setBold(row.label, true);
    // Over the English welcome text the flag grows only while English is the language.
    if (overLabel && row.code == Course::Language::English && m_services.state->language() != Course::Language::English)
        return;
    Platform::Twips::resize(row.flag, kFlagHoverWidth, kFlagHoverHeight);
}

void Start::resetHover()
{
    for (auto it = m_ui.rows.rbegin(); it != m_ui.rows.rend(); ++it)
        setBold(it->label, false);
    for (const Row &row : m_ui.rows)
        Platform::Twips::resize(row.flag, kFlagWidth, kFlagHeight);
}

void Start::disableOtherLanguages()
{
    const int current = m_services.state->language();
    for (const Row &row : m_ui.rows) {
        if (row.code != current)
            row.label->setEnabled(false);
    }
    for (const Row &row : m_ui.rows) {
        if (row.code != current)
            row.flag->setEnabled(false);
    }
}

void Start::beginRecentLesson()
{
    Course::ProgramState &state = *m_services.state;
    state.currentLesson = Course::recentLesson(m_ui.txtLesson->text());
    state.selectedLesson = QString::number(state.currentLesson);
    disableOtherLanguages();
    startSelectedLesson();
}

void Start::startSelectedLesson()
{
    if (const auto kind = Course::windowKindFor(m_services.state->selectedLessonNumber()))
        Q_EMIT lessonWindowRequested(*kind);
}

bool Start::recentLessonAvailable() const
{
    return m_ui.cmdRecent->isEnabled();
}

} // namespace Shell
