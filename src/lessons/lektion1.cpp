// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "lessons/lektion1.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

#include "course/coursefiles.h"
#include "course/programstate.h"
#include "course/russiantext.h"
#include "lessons/lessoncaptions.h"
#include "lessons/lessondesign.h"
#include "lessons/speechtext.h"
#include "platform/database/datasource.h"
#include "platform/ui/twips.h"

namespace Lessons {

namespace {

/// The fixed picture beside the record's picture: three letter blocks.
QPixmap alphabetBlocks(const QSize &size, qreal devicePixelRatio)
{
    // Painted at the screen's pixel density; the painter works in logical pixels.
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QString letters = QStringLiteral("АБВ");
    const QColor colours[] = {QColor(220, 40, 40), QColor(40, 90, 200), QColor(30, 160, 60)};
    const int side = qMin(size.width() / 3, size.height() * 2 / 3) - 6;
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(qMax(8, side * 2 / 3));
    painter.setFont(font);
    for (int i = 0; i < 3; ++i) {
        // The blocks stand in a slight staircase, as if stacked by hand.
        const QRect block(3 + i * (side + 4), size.height() - side - 3 - (i == 1 ? side / 3 : 0), side, side);
        painter.setPen(QPen(colours[i].darker(150), 2));
        painter.setBrush(colours[i].lighter(170));
        painter.drawRoundedRect(block, 6, 6);
        painter.setPen(colours[i].darker(130));
        painter.drawText(block, Qt::AlignCenter, letters.at(i));
    }
    return pixmap;
}

} // namespace

Lektion1::Lektion1(LessonServices &services, QWidget *parent)
    : LessonWindowBase(services, QStringLiteral("Lektion1"),
                       Character::GenieReference::BalloonFont{20, QStringLiteral("Lucida Unicode")}, parent)
{
    setWindowTitle(QStringLiteral("Lektion1 Alphabets"));
    buildControls();
    m_data->setRecordSource(QStringLiteral("Lektion1"));

    connect(m_ui.cmdNext, &QPushButton::clicked, this, [this] { moveNext(true); });
    connect(m_ui.cmdBack, &QPushButton::clicked, this, &Lektion1::movePrevious);
    connect(m_ui.cmdLast, &QPushButton::clicked, this, &Lektion1::moveLast);
    connect(m_ui.cmdRepeat, &QPushButton::clicked, this, &Lektion1::repeatRecord);
    connect(m_ui.cmdEnd, &QPushButton::clicked, this, &Lektion1::endLesson);
    connect(m_ui.cmdNextLesson, &QPushButton::clicked, this, &Lektion1::startNextLesson);
}

Lektion1::~Lektion1() = default;

void Lektion1::buildControls()
{
    const auto english = *lessonCaptions(Course::Language::English, CaptionSet::Alphabet);

    m_ui.Picture1 = addLabel(this, QStringLiteral("Picture1"), tr("Picture"), QRect(720, 240, 3015, 2655));
    m_ui.Picture1->setAlignment(Qt::AlignCenter);
    Platform::Twips::setColours(m_ui.Picture1, Qt::black, Qt::white);

    m_ui.Image1 = addLabel(this, QStringLiteral("Image1"), tr("Letter blocks"), QRect(3840, 960, 2040, 1596));
    m_ui.Image1->setPixmap(alphabetBlocks(m_ui.Image1->size(), m_ui.Image1->devicePixelRatioF()));

    m_ui.Label1 = addLabel(this, QStringLiteral("Label1"), tr("Lesson"), QRect(360, 6840, 2895, 495));
    m_ui.Label1->setFont(designFont(QStringLiteral("MS Sans Serif"), 10));
    // The lesson caption keeps the desktop's own window colours.
    m_ui.Label1->setAutoFillBackground(true);
    m_ui.Label1->setBackgroundRole(QPalette::Button);
    m_ui.Label1->setForegroundRole(QPalette::ButtonText);
    m_ui.Label1->setPalette(QPalette());

    m_ui.cmdBack =
        addButton(this, QStringLiteral("cmdBack"), english.back, QColor(0, 255, 255), QRect(360, 3120, 975, 375));
    m_ui.cmdRepeat =
        addButton(this, QStringLiteral("cmdRepeat"), english.repeat, QColor(255, 128, 0), QRect(1440, 3120, 1095, 375));
    m_ui.cmdNext =
        addButton(this, QStringLiteral("cmdNext"), english.next, QColor(192, 192, 0), QRect(2640, 3120, 975, 375));
    m_ui.cmdLast =
        addButton(this, QStringLiteral("cmdLast"), english.last, QColor(0, 192, 0), QRect(3720, 3120, 975, 375));
    m_ui.cmdEnd = addButton(this, QStringLiteral("cmdEnd"), english.end, Qt::white, QRect(6960, 1680, 975, 495));
    m_ui.cmdNextLesson =
        addButton(this, QStringLiteral("cmdNextLesson"), english.nextLesson, Qt::white, QRect(6960, 2520, 975, 615));

    m_ui.txtTexten = addTextBox(this, QStringLiteral("txtTexten"), tr("Russian text"), QRect(360, 4560, 5175, 1005),
                                Qt::red, designFont(QStringLiteral("Times New Roman"), 20));
    m_ui.txtNative = addTextBox(this, QStringLiteral("txtNative"), tr("Translation"), QRect(480, 5880, 4215, 735),
                                QColor(128, 0, 0), designFont(QStringLiteral("MS Sans Serif"), 10));

    m_ui.txtRuVoc = addHiddenBox(this, QStringLiteral("txtRuVoc"), tr("Russian words"), QRect(600, 3720, 5895, 495));
    m_ui.txtAnim = addHiddenBox(this, QStringLiteral("txtAnimat"), tr("Animation"), QRect(5040, 6240, 2535, 375));
    m_ui.txtPicture =
        addHiddenBox(this, QStringLiteral("txtPicture"), tr("Picture file"), QRect(5040, 5760, 1815, 375));
}

Platform::StepRunner::Handler Lektion1::loadErrorHandler()
{
    return [this](const Platform::Error &error) {
        if (error.code == Platform::ErrorCode::NoRussianLanguageSupport)
            return stopForMissingCyrillic();
        return Platform::StepRunner::Reaction::Continue;
    };
}

void Lektion1::runLoadSteps(Platform::StepRunner &runner)
{
    setShownLesson(1);
    runner.always([this] { resizeToDesign(this); });
    runner.run([this] { return openCourseDatabase(); });
    runner.always([this] { m_data->setDatabaseName(m_services.paths.join(Course::Files::kLessons)); });
    runner.always([this] { moveToCorner(this); });
    startCharacter(runner);
    runner.run([this] { return m_genie->play(QStringLiteral("Greet")); });
    runner.run([this] { return greet(); });
    runner.always([this] { applyLanguage(); });
}

Platform::Status Lektion1::greet()
{
    // No record is current yet while the window loads, so the hidden vocabulary box is
    // still empty: the greeting takes the first record's words from the lesson table
    // itself, and says nothing when there are none.
    if (!m_courseDatabase)
        return Platform::fail(Platform::ErrorCode::NoCurrentRecord, QStringLiteral("no course database"));
    auto records = m_courseDatabase->openRecordset(m_data->recordSource());
    if (!records)
        return records.status();
    if ((*records)->recordCount() == 0)
        return Platform::ok();
    if (const Platform::Status status = (*records)->moveFirst(); status.failed())
        return status;
    const auto words = (*records)->value(QStringLiteral("RussianVoc"));
    if (!words)
        return words.status();
    const QString text = Course::DecodeRussianText(*words).trimmed();
    if (text.isEmpty())
        return Platform::ok();
    return m_genie->speak(alphabetSpeechText(text));
}

void Lektion1::applyLanguage()
{
    const int language = m_services.state->language();
    const QString column = translationColumn(language);
    if (!column.isEmpty())
        m_data->bind(m_ui.txtNative, column);
    nameControls(this, language);
    const std::optional<LessonCaptions> captions = lessonCaptions(language, CaptionSet::Alphabet);
    if (captions && language != Course::Language::English) {
        setCaption(m_ui.cmdBack, captions->back);
        setCaption(m_ui.cmdNext, captions->next);
        setCaption(m_ui.cmdRepeat, captions->repeat);
        setCaption(m_ui.cmdLast, captions->last);
        setCaption(m_ui.cmdEnd, captions->end);
        setCaption(m_ui.cmdNextLesson, captions->nextLesson);
    }
    if (captions)
        setCaption(m_ui.Label1, captions->lessonPrefix + QStringLiteral("1"));
}

void Lektion1::showRecord()
{
    const QString text = spokenRussianText();
    m_genie->play(m_ui.txtAnim->text());
    loadPicture();
    m_genie->speak(alphabetSpeechText(text));
}

void Lektion1::repeatRecord()
{
    const QString text = spokenRussianText();
    m_genie->play(QStringLiteral("GestureRight"));
    m_genie->speak(alphabetSpeechText(text));
}

void Lektion1::endLesson()
{
    close();
    releaseResources();
    Q_EMIT startDialogRequested();
}

void Lektion1::startNextLesson()
{
    Course::ProgramState &state = *m_services.state;
    state.currentLesson += 1;
    state.selectedLesson = QString::number(state.currentLesson);
    close();
    releaseResources();
    Q_EMIT nextLessonRequested();
}

} // namespace Lessons
