// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "installer/install.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "course/settingskeys.h"
#include "installer/logging.h"
#include "platform/core/apppaths.h"
#include "platform/process/processlauncher.h"
#include "platform/settings/settingsstore.h"
#include "platform/ui/keyboard.h"
#include "platform/ui/twips.h"

namespace Installer {
namespace {

// Text numbers of the installer's string table.
enum TextId {
    Instruction = 101,
    ContinueCaption = 102,
    FirstStatus = 103,
    FinishedStatus = 109,
    ClosingNote = 110,
    NotStarted = 201,
    NotBroughtToFront = 202,
    NotRecorded = 203,
    SettingNotWritten = 204,
};

struct SetupStep {
    const char16_t *program;
    int statusBefore; // 0: the fixed first-step text
    bool bringToFront;
    int statusAfter;
};

// One row per click; the seventh click records the installation instead.
constexpr SetupStep kSteps[] = {
    {u"MSAgent.EXE", 0, true, 104},    {u"Genie.EXE", 104, false, 105},    {u"tv_enua.EXE", 105, false, 106},
    {u"lhttsrur.EXE", 106, true, 107}, {u"AgtX0419.EXE", 107, false, 108}, {u"spchcpl.EXE", 108, false, FinishedStatus},
};
constexpr int kRecordStep = 7;
// The one step that leaves the button enabled while it runs.
constexpr int kStepKeepingButton = 2;

QFont sansSerif(qreal points, bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

Install::Install(Platform::ProcessLauncher &launcher, Platform::SettingsStore &settings,
                 Resources::InstallerStrings texts, QString installerFolder, QWidget *parent)
    : QWidget(parent)
    , m_launcher(launcher)
    , m_settings(settings)
    , m_texts(std::move(texts))
    , m_folder(std::move(installerFolder))
{
    setObjectName(QStringLiteral("Install"));
    setWindowTitle(QStringLiteral("Install Agent components"));
    Platform::Twips::resizeClient(this, 6300, 2205);

    const QColor lightRed(255, 192, 192);

    m_ui.Label1 = new QLabel(this);
    m_ui.Label1->setObjectName(QStringLiteral("Label1"));
    m_ui.Label1->setFont(sansSerif(9.75, false));
    m_ui.Label1->setWordWrap(true);
    m_ui.Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Platform::Twips::setColours(m_ui.Label1, Qt::black, lightRed);
    Platform::Twips::place(m_ui.Label1, 120, 0, 5655, 855);

    m_ui.Text1 = new QLineEdit(this);
    m_ui.Text1->setObjectName(QStringLiteral("Text1"));
    m_ui.Text1->setFont(sansSerif(9.75, true));
    // The status line only reports; typing into it would change nothing.
    m_ui.Text1->setReadOnly(true);
    // Nothing labels the status line on screen; a screen reader still needs to call it something.
    m_ui.Text1->setAccessibleName(tr("Installation step"));
    Platform::Twips::place(m_ui.Text1, 120, 960, 5415, 495);

    m_ui.Label2 = new QLabel(this);
    m_ui.Label2->setObjectName(QStringLiteral("Label2"));
    m_ui.Label2->setFont(sansSerif(9.75, true));
    m_ui.Label2->setWordWrap(true);
    m_ui.Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Platform::Twips::setColours(m_ui.Label2, QColor(0, 0, 255), lightRed);
    Platform::Twips::place(m_ui.Label2, 120, 1560, 3735, 495);

    m_ui.Command1 = new QPushButton(this);
    m_ui.Command1->setObjectName(QStringLiteral("Command1"));
    m_ui.Command1->setFont(sansSerif(8.25, true));
    m_ui.Command1->setDefault(true);
    Platform::Keyboard::enterClicks(this, m_ui.Command1);
    Platform::Twips::place(m_ui.Command1, 4200, 1560, 1575, 375);
    connect(m_ui.Command1, &QPushButton::clicked, this, &Install::performStep);

    m_focusTimer.setInterval(50);
    connect(&m_focusTimer, &QTimer::timeout, this, &Install::checkFocus);

    // A text the table lacks leaves its element empty; loading goes on.
    m_step = 1;
    m_ui.Label1->setText(m_texts.textOrEmpty(Instruction));
    m_ui.Command1->setText(m_texts.textOrEmpty(ContinueCaption));
    m_ui.Text1->setText(m_texts.textOrEmpty(FirstStatus));
}

Install::~Install() = default;

QString Install::firstStepText()
{
    return QStringLiteral("Installs MS Agent    1 of 6");
}

void Install::closeEvent(QCloseEvent *event)
{
    // Closing records nothing; a pending focus wait must not raise a window afterwards.
    m_focusTimer.stop();
    event->accept();
}

void Install::performStep()
{
    if (m_focusTimer.isActive() || m_failure)
        return;
    if (m_step == kRecordStep) {
        recordAndEnd();
        return;
    }
    if (m_step < 1 || m_step > kRecordStep)
        return;

    const SetupStep &step = kSteps[m_step - 1];
    if (m_step != kStepKeepingButton)
        m_ui.Command1->setEnabled(false);
    m_ui.Text1->hide();
    m_ui.Text1->setText(step.statusBefore == 0 ? firstStepText() : m_texts.textOrEmpty(step.statusBefore));

    QString path = Platform::AppPaths(m_folder).join(u'\\' + QString::fromUtf16(step.program));
    // When neither form is there, name the file as it is delivered here, without ".EXE".
    if (!QFileInfo::exists(path) && path.endsWith(QStringLiteral(".EXE"), Qt::CaseInsensitive))
        path.chop(4);
    const auto started = m_launcher.start(path);
    if (!started) {
        reportFailure(NotStarted, started.error().detail.isEmpty() ? path : started.error().detail);
        return;
    }
    // Where the window system cannot raise another program's window there is nothing to
    // wait for: the newly started program shows itself in front.
    if (!step.bringToFront || !m_launcher.canBringToFront()) {
        finishStep();
        return;
    }
    m_startedTask = *started;
    // The started program usually takes the focus; wait (bounded) for the installer to
    // hold it again, so raising the program's window is not refused as focus stealing.
    m_focusWait.start();
    m_focusTimer.start();
    checkFocus();
}

void Install::checkFocus()
{
    if (!isActiveWindow() && !m_focusWait.hasExpired(m_focusWaitLimit.count()))
        return;
    const Platform::Status status = m_launcher.bringToFront(m_startedTask);
    // A program that has not shown its window yet is asked again until the wait ends.
    if (status.code() == Platform::ErrorCode::WindowNotFound && !m_focusWait.hasExpired(2 * m_focusWaitLimit.count()))
        return;
    m_focusTimer.stop();
    if (status.failed() && status.code() != Platform::ErrorCode::NotSupported) {
        reportFailure(NotBroughtToFront, status.error().detail);
        return;
    }
    finishStep();
}

void Install::finishStep()
{
    const SetupStep &step = kSteps[m_step - 1];
    m_ui.Text1->setText(m_texts.textOrEmpty(step.statusAfter));
    if (step.statusAfter == FinishedStatus)
        m_ui.Label2->setText(m_texts.textOrEmpty(ClosingNote));
    m_ui.Command1->setEnabled(true);
    m_ui.Text1->show();
    ++m_step;
}

void Install::recordAndEnd()
{
    // Ending as if all went well while the record is missing would send the learner back
    // into the installer at the course's next start with no word why.
    if (!m_settings.save(Course::Settings::kApplication, Course::Settings::kSection, Course::Settings::kAgent,
                         QStringLiteral("OK"))) {
        reportFailure(SettingNotWritten, QString());
        return;
    }
    ++m_step;
    m_launcher.exitNow(0);
}

void Install::reportFailure(int messageId, const QString &detail)
{
    qCWarning(lcInstaller) << "step" << m_step << "failed:" << messageId << detail;
    m_ui.Command1->setEnabled(false);
    QStringList parts{m_texts.textOrEmpty(messageId)};
    if (!detail.isEmpty())
        parts.append(detail);
    parts.append(QString());
    parts.append(m_texts.textOrEmpty(NotRecorded));
    m_failure = new QMessageBox(QMessageBox::Critical, windowTitle(), parts.join(u'\n'), QMessageBox::Ok, this);
    m_failure->setObjectName(QStringLiteral("msgFailure"));
    // The installer ends once the learner has read the message.
    connect(m_failure, &QMessageBox::finished, this, [this] { m_launcher.exitNow(1); });
    m_failure->open();
}

} // namespace Installer
