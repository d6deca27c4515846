// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "lessons/lessonwindowbase.h"

#include <utility>

#include <QBuffer>
#include <QCloseEvent>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

#include "course/captiontable.h"
#include "course/coursefiles.h"
#include "course/genie.h"
#include "course/lessontable.h"
#include "course/programstate.h"
#include "course/russiantext.h"
#include "lessons/currentrecordtext.h"
#include "lessons/lessoncaptions.h"
#include "lessons/lessondesign.h"
#include "lessons/logging.h"
#include "platform/database/datasource.h"
#include "platform/process/processlauncher.h"
#include "platform/ui/pictures.h"
#include "platform/ui/twips.h"

namespace Lessons {

namespace {

void showMessageBox(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

LessonWindowBase::LessonWindowBase(LessonServices &services, const QString &objectName,
                                   Character::GenieReference::BalloonFont balloonFont, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_presenter(&showMessageBox)
{
    setObjectName(objectName);
    setAccessibleName(objectName);
    Platform::Twips::setColours(this, Qt::black, Qt::white);

    m_data = new Platform::DataSource(*m_services.databases, this);
    m_data->setObjectName(QStringLiteral("Data1"));
    m_data->setConnect(QStringLiteral("Access"));
    // A text too long to show is left out; the learner hears of it once per window, after
    // the record has been shown.
    connect(m_data, &Platform::DataSource::fieldRefused, this, [this, told = false](const QString &detail) mutable {
        if (std::exchange(told, true))
            return;
        const QString text = Course::CaptionTable::builtIn(QStringLiteral("notices"))
                                 .textOrEnglish(m_services.state->language(), QStringLiteral("lessonTextTooLong"));
        QTimer::singleShot(
            0, this, [this, message = text.arg(detail)] { m_presenter(this, QStringLiteral("Veskora"), message); });
    });

    // The design size from the start, so that a frame fitted around the window before its
    // load already has the right size.
    Platform::Twips::resizeClient(this, kWindowWidth, kWindowHeight);

    auto *agent = new Platform::AgentControl(*m_services.characters, this);
    agent->setObjectName(QStringLiteral("Agent1"));
    m_genie = std::make_unique<Character::GenieReference>(*agent, std::move(balloonFont));
    connect(agent, &Platform::AgentControl::command, this,
            [this](const Platform::AgentCommand &command) { m_genie->answerCommand(command); });
    connect(agent, &Platform::AgentControl::agentPropertyChange, this, [this] { m_genie->setUpBalloon(); });
}

LessonWindowBase::~LessonWindowBase() = default;

void LessonWindowBase::load()
{
    // The record boxes show their fields of the lesson table.
    m_data->bind(m_ui.txtTexten, Course::LessonTable::russianText());
    m_data->bind(m_ui.txtRuVoc, Course::LessonTable::russianVocabulary());
    m_data->bind(m_ui.txtPicture, Course::LessonTable::picture());
    m_data->bind(m_ui.txtAnim, Course::LessonTable::animation());
    // How the Russian text is shown (stress marks, transliteration line) needs the
    // window's controls, which exist from here on.
    if (!m_recordText) {
        m_recordText = new CurrentRecordText(*m_ui.txtTexten, *m_ui.txtNative, *m_data, m_services, this);
        connect(m_recordText, &CurrentRecordText::recordChanged, this, [this] { showRecord(); });
    }
    orderTabs(this, m_ui.cmdNext);
    const Platform::StepRunner::Handler handler = loadErrorHandler();
    Platform::StepRunner runner([this, handler](const Platform::Error &error) {
        qCDebug(lcLessons) << objectName() << "load step failed:" << error.code << error.detail;
        return handler ? handler(error) : Platform::StepRunner::Reaction::Continue;
    });
    runLoadSteps(runner);
    if (runner.stopped()) {
        m_loadStopped = true;
        return;
    }
    // A lesson that cannot be read leaves the boxes empty; the window stays usable.
    m_data->refresh();
}

void LessonWindowBase::setMessagePresenter(MessagePresenter presenter)
{
    m_presenter = std::move(presenter);
}

Platform::DataSource &LessonWindowBase::dataSource() const
{
    return *m_data;
}

Platform::AgentControl &LessonWindowBase::agentControl() const
{
    return m_genie->agent();
}

void LessonWindowBase::closeEvent(QCloseEvent *event)
{
    releaseResources();
    QWidget::closeEvent(event);
}

void LessonWindowBase::setShownLesson(int lesson)
{
    if (m_recordText)
        m_recordText->setLesson(lesson);
}

QString LessonWindowBase::spokenRussianText() const
{
    return m_recordText ? m_recordText->spokenText() : Course::DecodeRussianText(m_ui.txtTexten->toPlainText());
}

Platform::Status LessonWindowBase::openCourseDatabase()
{
    auto database = m_services.databases->openDatabase(
        QString(), false, false, Course::Files::passwordConnect(m_services.paths.join(Course::Files::kLessons)));
    if (!database)
        return database.status();
    m_courseDatabase = *database;
    return Platform::ok();
}

void LessonWindowBase::startCharacter(Platform::StepRunner &runner)
{
    Character::GenieReference &genie = *m_genie;
    runner.run([&genie] { return genie.load(); });
    runner.run([&genie] { return genie.refresh(); });
    runner.run([&genie] { return genie.speakRussian(); });
    runner.run([&genie] { return genie.chooseRussianVoice(); });
    runner.run([&genie] { return genie.setUpBalloon(); });
    runner.run([&genie] { return genie.moveTo(Course::Genie::kWaitingPosition); });
    runner.run([&genie] { return genie.show(); });
    runner.run([&genie] { return genie.addSettingsCommand(); });
}

Platform::StepRunner::Reaction LessonWindowBase::stopForMissingCyrillic()
{
    m_presenter(this, installCyrillicTitle(), installCyrillicMessage(m_services.state->language()));
    m_services.launcher->exitNow(0);
    return Platform::StepRunner::Reaction::Stop;
}

Platform::Status LessonWindowBase::loadPicture()
{
    // The picture is drawn from its checked bytes only: its name stays inside the folder and
    // a drawing refers to nothing outside itself.
    const auto picture =
        Platform::Pictures::readPicture(m_services.paths.join(Course::Files::kPictures), m_ui.txtPicture->text());
    if (!picture)
        return picture.status();
    QBuffer bytes;
    bytes.setData(picture->bytes);
    bytes.open(QIODevice::ReadOnly);
    QImageReader reader(&bytes, picture->format);
    if (!reader.canRead())
        return Platform::fail(Platform::ErrorCode::InvalidArgument,
                              QStringLiteral("no picture: ") + m_ui.txtPicture->text());
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

void LessonWindowBase::moveNext(bool stopListeningFirst)
{
    if (stopListeningFirst)
        m_genie->listen(false);
    if (!m_data->eof())
        m_data->moveNext();
}

void LessonWindowBase::movePrevious()
{
    m_genie->listen(false);
    if (!m_data->bof())
        m_data->movePrevious();
}

void LessonWindowBase::moveLast()
{
    // A character service that cannot stop listening must not keep the learner from the
    // last record.
    m_genie->listen(false);
    if (!m_data->eof())
        m_data->moveLast();
}

void LessonWindowBase::releaseResources()
{
    m_genie->release();
    m_courseDatabase.reset();
}

} // namespace Lessons
