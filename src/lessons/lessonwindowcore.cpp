// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "lessons/lessonwindowcore.h"

#include <QCloseEvent>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "lessons/controlnames.h"
#include "lessons/decoderussiantext.h"
#include "lessons/lessoncaptions.h"
#include "platform/core/programstate.h"
#include "platform/database/datasource.h"
#include "platform/process/processlauncher.h"
#include "platform/ui/twips.h"

namespace Lessons {

namespace {

constexpr int kWindowWidth = 8300;
constexpr int kWindowHeight = 7800;
const QString kCharacterId = QStringLiteral("Genie");
const QString kCharacterFile = QStringLiteral("Genie.acs");
const QString kRussianVoice = QStringLiteral("{06377F81-D48E-11d1-B17B-0020AFED142E}");
const QString kSettingsCommand = QStringLiteral("Agent Settings");
constexpr int kRussianLanguageId = 1049;
constexpr int kWaitingX = 450;
constexpr int kWaitingY = 450;
constexpr quint32 kBalloonStyleFirst = 0x04000000;
constexpr quint32 kBalloonStyleSecond = 0x00100000;
const QString kCoursePassword = QStringLiteral("vorpentaluki");

Platform::Status noCharacter()
{
    return Platform::fail(Platform::ErrorCode::CharacterNotLoaded, QStringLiteral("no character reference"));
}

void showMessageBox(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

LessonWindowCore::LessonWindowCore(LessonServices &services, const QString &objectName, BalloonFont balloonFont,
                                   QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_balloonFont(std::move(balloonFont))
    , m_presenter(&showMessageBox)
{
    setObjectName(objectName);
    setAccessibleName(objectName);
    Platform::Twips::setColours(this, Qt::black, Qt::white);

    m_data = new Platform::DataSource(*m_services.databases, this);
    m_data->setObjectName(QStringLiteral("Data1"));
    m_data->setConnect(QStringLiteral("Access"));
    connect(m_data, &Platform::DataSource::boundTextChanged, this, &LessonWindowCore::onBoundTextChanged);
    connect(m_data, &Platform::DataSource::currentRowChanged, this, &LessonWindowCore::showDecodedText);

    // The design size from the start, so that a frame fitted around the window before its
    // load already has the right size.
    Platform::Twips::resizeClient(this, kWindowWidth, kWindowHeight);

    m_agent = new Platform::AgentControl(*m_services.characters, this);
    m_agent->setObjectName(QStringLiteral("Agent1"));
    connect(m_agent, &Platform::AgentControl::command, this, &LessonWindowCore::onAgentCommand);
    connect(m_agent, &Platform::AgentControl::agentPropertyChange, this, [this] { setUpBalloon(); });
}

LessonWindowCore::~LessonWindowCore() = default;

void LessonWindowCore::load()
{
    orderTabs();
    const Platform::StepRunner::Handler handler = loadErrorHandler();
    Platform::StepRunner runner = handler ? Platform::StepRunner(handler) : Platform::StepRunner();
    runLoadSteps(runner);
    if (runner.stopped()) {
        m_loadStopped = true;
        return;
    }
    // A lesson that cannot be read leaves the boxes empty; the window stays usable.
    m_data->refresh();
}

void LessonWindowCore::setMessagePresenter(MessagePresenter presenter)
{
    m_presenter = std::move(presenter);
}

Platform::DataSource &LessonWindowCore::dataSource() const
{
    return *m_data;
}

Platform::AgentControl &LessonWindowCore::agentControl() const
{
    return *m_agent;
}

void LessonWindowCore::closeEvent(QCloseEvent *event)
{
    releaseCharacter();
    releaseCourseDatabase();
    QWidget::closeEvent(event);
}

QPushButton *LessonWindowCore::addButton(const QString &name, const QString &caption, const QColor &colour,
                                         const QRect &twips)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    Platform::Twips::place(button, twips.x(), twips.y(), twips.width(), twips.height());
    Platform::Twips::setButtonColour(button, colour);
    setCaption(button, caption);
    return button;
}

QLabel *LessonWindowCore::addLabel(const QString &name, const QString &accessibleName, const QRect &twips)
{
    auto *label = new QLabel(this);
    label->setObjectName(name);
    label->setAccessibleName(accessibleName);
    Platform::Twips::place(label, twips.x(), twips.y(), twips.width(), twips.height());
    return label;
}

QLineEdit *LessonWindowCore::addHiddenBox(const QString &name, const QString &accessibleName, const QRect &twips)
{
    auto *box = new QLineEdit(this);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    Platform::Twips::place(box, twips.x(), twips.y(), twips.width(), twips.height());
    box->hide();
    return box;
}

QPlainTextEdit *LessonWindowCore::addTextBox(const QString &name, const QString &accessibleName, const QRect &twips,
                                             const QColor &text, const QFont &font)
{
    auto *box = new QPlainTextEdit(this);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->setFont(font);
    box->setTabChangesFocus(true);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Platform::Twips::place(box, twips.x(), twips.y(), twips.width(), twips.height());
    Platform::Twips::setColours(box, text, Qt::white);
    return box;
}

void LessonWindowCore::setCaption(QWidget *control, const QString &caption)
{
    if (auto *button = qobject_cast<QPushButton *>(control))
        button->setText(fitCaption(*button, caption));
    else if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(caption);
    control->setAccessibleName(caption);
}

void LessonWindowCore::orderTabs()
{
    // The record commands in the order they stand, the texts they show, then the lesson's own
    // controls; creation order would put Back and Repeat last.
    const char *const order[] = {"cmdBack", "cmdRepeat", "cmdNext",  "cmdLast",  "txtTexten",
                                 "txtNative", "txtInneholl", "Slider1", "Command1", "cmdEnd", "cmdNextLesson"};
    QWidget *previous = nullptr;
    for (const char *name : order) {
        auto *control = findChild<QWidget *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
        if (!control)
            continue;
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }
    // Next is what a learner presses most; the window opens with it in focus.
    if (m_ui.cmdNext)
        m_ui.cmdNext->setFocus(Qt::OtherFocusReason);
}

void LessonWindowCore::nameControls(int language)
{
    const ControlNames &names = controlNames(language);
    const std::pair<const char *, const QString *> controls[] = {
        {"Picture1", &names.picture},         {"Image1", &names.letterBlocks},
        {"Label1", &names.lessonCommands},    {"lblChanceButton", &names.recordCommands},
        {"Slider1", &names.speedOfSpeech},    {"txtTexten", &names.russianText},
        {"txtNative", &names.translation},    {"txtInneholl", &names.lessonHeading},
    };
    for (const auto &[name, text] : controls) {
        // The alphabet window's Label1 is its lesson caption and keeps that as its name.
        auto *control = findChild<QWidget *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
        if (control && !(qobject_cast<QLabel *>(control) && !static_cast<QLabel *>(control)->text().isEmpty()))
            control->setAccessibleName(*text);
    }
}

QString LessonWindowCore::fitCaption(const QPushButton &button, const QString &caption)
{
    // Push buttons do not wrap their text; a caption wider than its button is broken into
    // lines at its blanks so that the whole caption stays readable.
    const QFontMetrics metrics = button.fontMetrics();
    const int room = button.width() - 8;
    if (room <= 0 || metrics.horizontalAdvance(caption) <= room)
        return caption;
    QStringList lines;
    QString line;
    for (const QString &word : caption.split(u' ')) {
        const QString longer = line.isEmpty() ? word : line + u' ' + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > room) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    lines << line;
    return lines.join(u'\n');
}

QFont LessonWindowCore::designFont(const QString &family, qreal pointSize)
{
    QFont font;
    // The design names Windows fonts; behind them stand free fonts of the same build that
    // hold Cyrillic letters, so Russian text never falls back to boxes.
    if (family.contains(QLatin1String("Times"))) {
        font.setFamilies({family, QStringLiteral("Liberation Serif"), QStringLiteral("Nimbus Roman"),
                          QStringLiteral("DejaVu Serif")});
        font.setStyleHint(QFont::Serif);
    } else {
        font.setFamilies({family, QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                          QStringLiteral("DejaVu Sans")});
        font.setStyleHint(QFont::SansSerif);
    }
    font.setPointSizeF(pointSize);
    return font;
}

void LessonWindowCore::bindRecordBoxes()
{
    m_data->bind(m_ui.txtTexten, QStringLiteral("RussianText"));
    m_data->bind(m_ui.txtRuVoc, QStringLiteral("RussianVoc"));
    m_data->bind(m_ui.txtPicture, QStringLiteral("Picture1"));
    m_data->bind(m_ui.txtAnim, QStringLiteral("Animat"));
}

void LessonWindowCore::resizeToDesign()
{
    auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget());
    const QSize border = frame ? frame->size() - size() : QSize();
    Platform::Twips::resizeClient(this, kWindowWidth, kWindowHeight);
    if (frame)
        frame->resize(size() + border);
}

void LessonWindowCore::moveToCorner()
{
    // Inside the main window the frame holds the window's place; moving the window itself
    // would slide it under the frame's title bar.
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->move(0, 0);
    else
        move(0, 0);
}

QString LessonWindowCore::passwordConnect(const QString &file) const
{
    return QStringLiteral(";DATABASE=") + m_services.paths.join(file) + QStringLiteral(";PWD=") + kCoursePassword;
}

Platform::Status LessonWindowCore::openCourseDatabase()
{
    auto database = m_services.databases->openDatabase(QString(), false, false,
                                                       passwordConnect(QStringLiteral("\\Russian.mdb")));
    if (!database)
        return database.status();
    m_courseDatabase = *database;
    return Platform::ok();
}

void LessonWindowCore::startCharacter(Platform::StepRunner &runner)
{
    runner.run([this] { return m_agent->load(kCharacterId, kCharacterFile); });
    runner.run([this] { return refreshCharacter(); });
    runner.run([this] { return m_character ? m_character->setLanguageID(kRussianLanguageId) : noCharacter(); });
    runner.run([this] { return m_character ? m_character->setTTSModeID(kRussianVoice) : noCharacter(); });
    runner.run([this] { return setUpBalloon(); });
    runner.run([this] { return m_character ? m_character->moveTo(kWaitingX, kWaitingY) : noCharacter(); });
    runner.run([this] { return m_character ? m_character->show() : noCharacter(); });
    runner.run([this] { return addCommands(); });
}

Platform::StepRunner::Reaction LessonWindowCore::stopForMissingCyrillic()
{
    m_presenter(this, installCyrillicTitle(), installCyrillicMessage(m_services.state->language()));
    m_services.launcher->exitNow(0);
    return Platform::StepRunner::Reaction::Stop;
}

Platform::Status LessonWindowCore::refreshCharacter()
{
    auto character = m_agent->character(kCharacterId);
    if (!character)
        return character.status();
    m_character = *character;
    return Platform::ok();
}

Platform::Status LessonWindowCore::setUpBalloon()
{
    if (!m_character)
        return noCharacter();
    Platform::AgentBalloon balloon = m_character->balloon();
    for (const quint32 flag : {kBalloonStyleFirst, kBalloonStyleSecond}) {
        const auto style = balloon.style();
        if (!style)
            return style.status();
        if (const Platform::Status status = balloon.setStyle(*style | flag); status.failed())
            return status;
    }
    if (const Platform::Status status = balloon.setFontSize(m_balloonFont.size); status.failed())
        return status;
    if (const Platform::Status status = balloon.setFontCharSet(0); status.failed())
        return status;
    // The font name goes to the balloon of a fresh look-up, not of the kept reference.
    auto fresh = m_agent->character(kCharacterId);
    if (!fresh)
        return fresh.status();
    return fresh->balloon().setFontName(m_balloonFont.name);
}

Platform::Status LessonWindowCore::addCommands()
{
    if (const Platform::Status status = refreshCharacter(); status.failed())
        return status;
    if (const Platform::Status status = m_character->removeAllCommands(); status.failed())
        return status;
    return m_character->addCommand(kSettingsCommand, kSettingsCommand, kSettingsCommand);
}

void LessonWindowCore::onAgentCommand(const Platform::AgentCommand &command)
{
    refreshCharacter();
    if (command.name == kSettingsCommand)
        m_agent->setPropertySheetVisible(true);
}

Platform::Status LessonWindowCore::play(const QString &animation)
{
    return m_character ? m_character->play(animation) : noCharacter();
}

Platform::Status LessonWindowCore::speak(const QString &text)
{
    return m_character ? m_character->speak(text) : noCharacter();
}

Platform::Status LessonWindowCore::stopListening()
{
    return m_character ? m_character->listen(false) : noCharacter();
}

QString LessonWindowCore::decodedText() const
{
    return DecodeRussianText(m_ui.txtTexten->toPlainText());
}

Platform::Status LessonWindowCore::loadPicture()
{
    const QString path = m_services.paths.join(QStringLiteral("\\Pictures\\") + m_ui.txtPicture->text());
    QImageReader reader(path);
    if (m_ui.txtPicture->text().isEmpty() || !reader.canRead())
        return Platform::fail(Platform::ErrorCode::InvalidArgument, QStringLiteral("no picture: ") + path);
    // Pictures larger than the box, and drawings (which have no size of their own), are
    // scaled to fit it; smaller pictures keep their own size.
    const QSize box = m_ui.Picture1->contentsRect().size();
    const QSize own = reader.size();
    const bool drawing = reader.format() == "svg" || reader.format() == "svgz";
    // Scaled pictures are decoded at the screen's pixel density so that they stay sharp
    // on a scaled screen.
    const qreal ratio = m_ui.Picture1->devicePixelRatioF();
    const bool scaled =
        own.isValid() && !box.isEmpty() && (drawing || own.width() > box.width() || own.height() > box.height());
    if (scaled)
        reader.setScaledSize(own.scaled(box * ratio, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull())
        return Platform::fail(Platform::ErrorCode::InvalidArgument, reader.errorString());
    if (scaled)
        image.setDevicePixelRatio(ratio);
    m_ui.Picture1->setPixmap(QPixmap::fromImage(image));
    return Platform::ok();
}

void LessonWindowCore::moveNext(bool stopListeningFirst)
{
    if (stopListeningFirst)
        stopListening();
    if (!m_data->eof())
        m_data->moveNext();
}

void LessonWindowCore::movePrevious()
{
    stopListening();
    if (!m_data->bof())
        m_data->movePrevious();
}

void LessonWindowCore::moveLast()
{
    // A character service that cannot stop listening must not keep the learner from the
    // last record.
    stopListening();
    if (!m_data->eof())
        m_data->moveLast();
}

void LessonWindowCore::releaseCharacter()
{
    m_character.reset();
}

void LessonWindowCore::releaseCourseDatabase()
{
    m_courseDatabase.reset();
}

void LessonWindowCore::onBoundTextChanged(QWidget *control)
{
    if (control != m_ui.txtTexten)
        return;
    const QString stored = m_ui.txtTexten->toPlainText();
    showDecodedText();
    if (m_data->recordCount() <= 0 || m_data->currentRow() < 0) {
        m_shownText.reset();
        return;
    }
    if (m_shownText && *m_shownText == stored)
        return;
    m_shownText = stored;
    showRecord();
}

void LessonWindowCore::showDecodedText()
{
    // The box receives the stored single-byte form from Data1; Qt fonts have no code-page
    // character sets, so the box shows the decoded Cyrillic instead. Decoding is idempotent
    // on decoded text, so reading the box back always gives the right letters.
    const QString stored = m_ui.txtTexten->toPlainText();
    const QString shown = DecodeRussianText(stored);
    if (shown != stored) {
        const QSignalBlocker blocker(m_ui.txtTexten);
        m_ui.txtTexten->setPlainText(shown);
    }
}

} // namespace Lessons
