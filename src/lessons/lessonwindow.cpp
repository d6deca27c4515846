// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "lessons/lessonwindow.h"

#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include "course/coursefiles.h"
#include "course/genie.h"
#include "course/lessonrules.h"
#include "course/programstate.h"
#include "course/settingskeys.h"
#include "lessons/lessondesign.h"
#include "lessons/speechtext.h"
#include "platform/database/datasource.h"
#include "platform/settings/settingsstore.h"
#include "platform/ui/twips.h"

namespace Lessons {

namespace {

// Hover: a button under the pointer turns red and grows; the area around a group of
// buttons gives them their resting colour and height back. Heights in twips.
const QColor kHoverColour(255, 0, 0);
constexpr int kNavigationHover = 450;
constexpr int kNavigationRest = 380;
constexpr int kEndHover = 550;
constexpr int kEndRest = 495;
constexpr int kTallHover = 700;
constexpr int kTallRest = 615;

const QColor kBackColour(128, 128, 255);
const QColor kRepeatColour(255, 128, 0);
const QColor kNextColour(255, 255, 0);
const QColor kDarkRed(128, 0, 0);

} // namespace

LessonWindow::LessonWindow(LessonServices &services, LessonWindowDesign design, QWidget *parent)
    : LessonWindowBase(services, design.objectName,
                       Character::GenieReference::BalloonFont{Course::Genie::kBalloonFontSize, QStringLiteral("Arial")},
                       parent)
    , m_design(std::move(design))
{
    setWindowTitle(m_design.title);
    buildControls();

    connect(m_ui.cmdNext, &QPushButton::clicked, this, [this] { moveNext(false); });
    connect(m_ui.cmdBack, &QPushButton::clicked, this, &LessonWindow::movePrevious);
    connect(m_ui.cmdLast, &QPushButton::clicked, this, &LessonWindow::moveLast);
    connect(m_ui.cmdRepeat, &QPushButton::clicked, this, &LessonWindow::repeatRecord);
    connect(m_ui.cmdEnd, &QPushButton::clicked, this, &LessonWindow::endLesson);
    connect(m_ui.cmdNextLesson, &QPushButton::clicked, this, &LessonWindow::startNextLesson);
    connect(m_ui.Command1, &QPushButton::clicked, this, &LessonWindow::dictionaryRequested);
    connect(m_ui.Slider1, &QSlider::valueChanged, this, &LessonWindow::chooseRate);
    connect(m_ui.txtInneholl, &QLineEdit::textChanged, this, &LessonWindow::keepHeading);
}

LessonWindow::~LessonWindow() = default;

void LessonWindow::buildControls()
{
    const LessonWindowDesign &d = m_design;
    const auto english = *lessonCaptions(Course::Language::English, d.captions);

    // The two white areas lie under their buttons; they come first so the buttons stay on top.
    m_ui.Label1 = addLabel(this, QStringLiteral("Label1"), tr("Lesson commands"), d.Label1);
    m_ui.lblChanceButton = addLabel(this, QStringLiteral("lblChanceButton"), tr("Record commands"), d.lblChanceButton);
    for (QLabel *area : {m_ui.Label1, m_ui.lblChanceButton}) {
        Platform::Twips::setColours(area, Qt::black, Qt::white);
        area->setMouseTracking(true);
        area->installEventFilter(this);
    }

    m_ui.Picture1 = addLabel(this, QStringLiteral("Picture1"), tr("Picture"), d.Picture1);
    m_ui.Picture1->setAlignment(Qt::AlignCenter);
    Platform::Twips::setColours(m_ui.Picture1, Qt::black, Qt::white);

    m_ui.Slider1 = new QSlider(Qt::Horizontal, this);
    m_ui.Slider1->setObjectName(QStringLiteral("Slider1"));
    m_ui.Slider1->setAccessibleName(tr("Speed of speech"));
    m_ui.Slider1->setRange(kSliderMinimum, kSliderMaximum);
    m_ui.Slider1->setSingleStep(10);
    m_ui.Slider1->setPageStep(20);
    m_ui.Slider1->setTickPosition(QSlider::TicksBelow);
    m_ui.Slider1->setTickInterval(10);
    m_ui.Slider1->setValue(kSliderInitial);
    m_ui.Slider1->setToolTip(english.sliderTip);
    Platform::Twips::place(m_ui.Slider1, d.Slider1.x(), d.Slider1.y(), d.Slider1.width(), d.Slider1.height());

    m_ui.Command1 = addButton(this, QStringLiteral("Command1"), english.dictionary, Qt::white, d.Command1);
    m_ui.Command1->setToolTip(english.dictionaryTip);
    m_ui.Command1->hide();
    m_ui.cmdEnd = addButton(this, QStringLiteral("cmdEnd"), english.end, Qt::white, d.cmdEnd);
    m_ui.cmdNextLesson =
        addButton(this, QStringLiteral("cmdNextLesson"), english.nextLesson, Qt::white, d.cmdNextLesson);

    m_ui.cmdBack = addButton(this, QStringLiteral("cmdBack"), english.back, kBackColour, d.cmdBack);
    m_ui.cmdRepeat = addButton(this, QStringLiteral("cmdRepeat"), english.repeat, kRepeatColour, d.cmdRepeat);
    m_ui.cmdNext = addButton(this, QStringLiteral("cmdNext"), english.next, kNextColour, d.cmdNext);
    m_ui.cmdLast = addButton(this, QStringLiteral("cmdLast"), english.last, d.lastColour, d.cmdLast);
    for (QPushButton *button :
         {m_ui.Command1, m_ui.cmdEnd, m_ui.cmdNextLesson, m_ui.cmdBack, m_ui.cmdRepeat, m_ui.cmdNext, m_ui.cmdLast}) {
        button->setMouseTracking(true);
        button->installEventFilter(this);
    }

    m_ui.txtTexten = addTextBox(this, QStringLiteral("txtTexten"), tr("Russian text"), d.txtTexten, Qt::red,
                                designFont(QStringLiteral("Times New Roman"), 18));
    m_ui.txtNative = addTextBox(this, QStringLiteral("txtNative"), tr("Translation"), d.txtNative, kDarkRed,
                                designFont(QStringLiteral("MS Sans Serif"), 10));

    m_ui.Label2 = addLabel(this, QStringLiteral("Label2"), tr("Lesson"), d.Label2);
    m_ui.Label2->setFont(designFont(QStringLiteral("MS Sans Serif"), 10));
    Platform::Twips::setColours(m_ui.Label2, d.headingColour, Qt::white);

    m_ui.txtInneholl = new QLineEdit(this);
    m_ui.txtInneholl->setObjectName(QStringLiteral("txtInneholl"));
    m_ui.txtInneholl->setAccessibleName(tr("Lesson heading"));
    m_ui.txtInneholl->setFont(designFont(QStringLiteral("MS Sans Serif"), 10));
    Platform::Twips::place(m_ui.txtInneholl, d.txtInneholl.x(), d.txtInneholl.y(), d.txtInneholl.width(),
                           d.txtInneholl.height());
    Platform::Twips::setColours(m_ui.txtInneholl, d.headingColour, Qt::white);

    // The hidden boxes sit where both designs put them.
    m_ui.txtPicture =
        addHiddenBox(this, QStringLiteral("txtPicture"), tr("Picture file"), QRect(6960, 3960, 1695, 375));
    m_ui.txtAnim = addHiddenBox(this, QStringLiteral("txtAnim"), tr("Animation"), QRect(6960, 4440, 1815, 375));
    m_ui.txtRuVoc = addHiddenBox(this, QStringLiteral("txtRuVoc"), tr("Russian words"), QRect(0, 3240, 5175, 375));
    m_ui.txtSpeed = addHiddenBox(this, QStringLiteral("txtSpeed"), tr("Stored speed"), QRect(7440, 5880, 855, 285));
}

Platform::StepRunner::Handler LessonWindow::loadErrorHandler()
{
    if (m_design.loadIgnoresErrors)
        return {};
    return [this](const Platform::Error &error) {
        if (error.code == Platform::ErrorCode::NoRussianLanguageSupport)
            return stopForMissingCyrillic();
        // Only a database file that is not there hides the dictionary; a missing character
        // file reports the same code and must not.
        if (error.code == Platform::ErrorCode::FileNotFound && m_openingDatabases)
            m_ui.Command1->setVisible(false);
        return Platform::StepRunner::Reaction::Continue;
    };
}

void LessonWindow::runLoadSteps(Platform::StepRunner &runner)
{
    Course::ProgramState &state = *m_services.state;

    runner.run([this] { return loadSpeed(); });
    runner.always([this] {
        resizeToDesign(this);
        moveToCorner(this);
    });
    runDatabaseStep(runner, [this] { return openDatabases(); });
    runner.always([this] { m_data->setDatabaseName(m_services.paths.join(Course::Files::kLessons)); });
    runner.always([this] { m_dictionaryPath = m_services.paths.join(Course::Files::kDictionary); });
    if (m_design.loadIgnoresErrors) {
        // Any failure to open the dictionary hides its button here.
        runner.always([this, &runner] {
            m_ui.Command1->setVisible(runDatabaseStep(runner, [this] { return openDictionaryByPath(); }));
        });
    } else {
        runner.always([this] { m_ui.Command1->setVisible(true); });
        runDatabaseStep(runner, [this] { return openDictionaryByPath(); });
    }
    runner.always([this, &state] {
        state.selectedLesson =
            QStringLiteral("%1").arg(state.currentLesson, m_design.lessonDigits, 10, QLatin1Char('0'));
        setShownLesson(state.currentLesson);
    });
    runner.always([this, &state] { m_data->setRecordSource(QStringLiteral("Lektion") + state.selectedLesson); });
    startCharacter(runner);
    runner.always([this] { applyLanguage(); });
    runner.run([this, &state] {
        if (!m_services.settings->save(Course::Settings::kApplication, Course::Settings::kSection,
                                       Course::Settings::kLesson, state.selectedLesson))
            return Platform::fail(Platform::ErrorCode::InvalidArgument, QStringLiteral("settings not written"));
        return Platform::ok();
    });
    runner.always([this] { m_recordsShown = 0; });
}

Platform::Status LessonWindow::loadSpeed()
{
    m_ui.txtSpeed->setText(m_services.settings->read(Course::Settings::kApplication, Course::Settings::kSection,
                                                     Course::Settings::kSpeed));
    m_services.state->speechRate = m_ui.txtSpeed->text();
    const std::optional<int> position = sliderPositionForSpeed(m_ui.txtSpeed->text());
    if (!position)
        return Platform::fail(Platform::ErrorCode::InvalidArgument, QStringLiteral("no slider position for the speed"));
    // Placing the slider is not a choice of the learner: nothing is stored.
    const QSignalBlocker blocker(m_ui.Slider1);
    m_ui.Slider1->setValue(*position);
    return Platform::ok();
}

bool LessonWindow::runDatabaseStep(Platform::StepRunner &runner, const std::function<Platform::Status()> &step)
{
    m_openingDatabases = true;
    const bool succeeded = runner.run(step);
    m_openingDatabases = false;
    return succeeded;
}

Platform::Status LessonWindow::openDatabases()
{
    if (const Platform::Status status = openCourseDatabase(); status.failed())
        return status;
    auto dictionary = m_services.databases->openDatabase(
        QString(), false, false, Course::Files::passwordConnect(m_services.paths.join(Course::Files::kDictionary)));
    if (!dictionary)
        return dictionary.status();
    m_dictionaryDatabase = *dictionary;
    return Platform::ok();
}

Platform::Status LessonWindow::openDictionaryByPath()
{
    // Opened by its path alone: the engine would reuse the password that the connect text
    // above opened the same file with, so an explicitly empty one asks for the file as it
    // is (a plain file opens, a password-protected one does not).
    auto dictionary = m_services.databases->openDatabase(m_dictionaryPath, false, false, QStringLiteral(";PWD="));
    if (!dictionary)
        return dictionary.status();
    m_dictionaryDatabase = *dictionary;
    return Platform::ok();
}

void LessonWindow::applyLanguage()
{
    const Course::ProgramState &state = *m_services.state;
    const int language = state.language();
    const QString column = translationColumn(language);
    if (!column.isEmpty())
        m_data->bind(m_ui.txtNative, column);
    nameControls(this, language);
    const std::optional<LessonCaptions> captions = lessonCaptions(language, m_design.captions);
    // English texts are the design's own; only the other languages set captions.
    if (captions && language != Course::Language::English) {
        setCaption(m_ui.cmdBack, captions->back);
        setCaption(m_ui.cmdNext, captions->next);
        setCaption(m_ui.cmdRepeat, captions->repeat);
        setCaption(m_ui.cmdLast, captions->last);
        setCaption(m_ui.cmdEnd, captions->end);
        setCaption(m_ui.cmdNextLesson, captions->nextLesson);
        setCaption(m_ui.Command1, captions->dictionary);
        m_ui.Command1->setToolTip(captions->dictionaryTip);
        m_ui.Slider1->setToolTip(captions->sliderTip);
    }
    if (!Course::hasNextLesson(state.selectedLessonNumber()))
        m_ui.cmdNextLesson->setEnabled(false);
    if (captions) {
        m_ui.Label2->setText(captions->lessonPrefix + state.selectedLesson);
        m_ui.Label2->setAccessibleName(m_ui.Label2->text());
    }
}

void LessonWindow::showRecord()
{
    // Each statement stands alone: a failing one is skipped and the next one runs.
    const QString text = spokenRussianText();
    m_genie->play(m_ui.txtAnim->text());
    loadPicture();
    m_genie->speak(lessonSpeechText(m_services.state->speechRate, text));
    if (m_recordsShown == 0) {
        m_lessonHeading = m_ui.txtNative->toPlainText();
        keepHeading();
    }
    ++m_recordsShown;
}

void LessonWindow::repeatRecord()
{
    const QString text = spokenRussianText();
    m_genie->play(m_ui.txtAnim->text());
    if (m_design.repeatReloadsPicture)
        loadPicture();
    m_genie->speak(lessonSpeechText(m_services.state->speechRate, text));
}

void LessonWindow::chooseRate(int position)
{
    const QString rate = rateForSliderPosition(position);
    m_services.settings->save(Course::Settings::kApplication, Course::Settings::kSection, Course::Settings::kSpeed,
                              rate);
    m_services.state->speechRate = rate;
}

void LessonWindow::keepHeading()
{
    if (m_ui.txtInneholl->text() == m_lessonHeading)
        return;
    const QSignalBlocker blocker(m_ui.txtInneholl);
    m_ui.txtInneholl->setText(m_lessonHeading);
}

void LessonWindow::endLesson()
{
    Course::ProgramState &state = *m_services.state;
    state.selectedLesson = QString::number(state.currentLesson);
    m_services.settings->save(Course::Settings::kApplication, Course::Settings::kSection, Course::Settings::kLesson,
                              state.selectedLesson);
    if (m_design.startDialogBeforeClose)
        Q_EMIT startDialogRequested();
    releaseResources();
    m_dictionaryDatabase.reset();
    close();
    if (!m_design.startDialogBeforeClose)
        Q_EMIT startDialogRequested();
}

void LessonWindow::startNextLesson()
{
    Course::ProgramState &state = *m_services.state;
    state.currentLesson += 1;
    state.selectedLesson = QString::number(state.currentLesson);
    m_services.settings->save(Course::Settings::kApplication, Course::Settings::kSection, Course::Settings::kLesson,
                              state.selectedLesson);
    releaseResources();
    close();
    // The shell answers with a new window of this same kind for the new lesson and holds
    // it as the one window of its kind.
    if (Course::isLesson(state.selectedLessonNumber()))
        Q_EMIT nextLessonRequested();
}

void LessonWindow::closeEvent(QCloseEvent *event)
{
    m_dictionaryDatabase.reset();
    LessonWindowBase::closeEvent(event);
}

void LessonWindow::setHover(QPushButton *button, const QColor &colour, int heightTwips)
{
    // Every pointer move comes here; restyling a button only when its look changes keeps
    // the pointer smooth.
    const char *lookProperty = "lessonLook";
    const QString look = colour.name() + u'/' + QString::number(heightTwips);
    if (button->property(lookProperty).toString() == look)
        return;
    button->setProperty(lookProperty, look);
    Platform::Twips::setButtonColour(button, colour);
    button->resize(button->width(), Platform::Twips::toPixels(heightTwips, button));
}

bool LessonWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Enter && event->type() != QEvent::MouseMove)
        return LessonWindowBase::eventFilter(watched, event);

    const struct {
        QPushButton *button;
        int hover;
    } hovering[] = {{m_ui.cmdBack, kNavigationHover}, {m_ui.cmdRepeat, kNavigationHover},
                    {m_ui.cmdNext, kNavigationHover}, {m_ui.cmdLast, kNavigationHover},
                    {m_ui.cmdEnd, kEndHover},         {m_ui.cmdNextLesson, kTallHover},
                    {m_ui.Command1, kTallHover}};
    for (const auto &entry : hovering) {
        if (watched == entry.button)
            setHover(entry.button, kHoverColour, entry.hover);
    }
    if (watched == m_ui.lblChanceButton) {
        setHover(m_ui.cmdBack, kBackColour, kNavigationRest);
        setHover(m_ui.cmdRepeat, kRepeatColour, kNavigationRest);
        setHover(m_ui.cmdNext, kNextColour, kNavigationRest);
        setHover(m_ui.cmdLast, m_design.lastColour, kNavigationRest);
    }
    if (watched == m_ui.Label1) {
        setHover(m_ui.cmdEnd, Qt::white, kEndRest);
        setHover(m_ui.cmdNextLesson, Qt::white, kTallRest);
        setHover(m_ui.Command1, Qt::white, kTallRest);
    }
    return LessonWindowBase::eventFilter(watched, event);
}

} // namespace Lessons
