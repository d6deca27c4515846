// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "installer/componentwindow.h"

#include <algorithm>

#include <QCheckBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "course/genie.h"
#include "course/settingskeys.h"
#include "installer/commandrunner.h"
#include "platform/agent/characterservice.h"
#include "platform/settings/settingsstore.h"

namespace Installer {
namespace {

enum TextId {
    Found = 310,
    Missing = 311,
    ProvidedBy = 312,
    TestCaption = 313,
    InstallCaption = 314,
    CloseCaption = 315,
    RunInTerminal = 316,
    Installing = 317,
    CouldNotRun = 318,
    PartOfCourse = 319,
    NoSoundDevice = 320,
    CyrillicSampleCaption = 321,
    LightVoice = 322,
    NaturalVoice = 323,
    InstallNaturalCaption = 324,
    Optional = 325,
    SpeechOutputCaption = 330,
    VolumeCaption = 331,
    SaveCaption = 332,
    Saved = 333,
    NotSaved = 335,
};

// The character service keeps its settings here; the speech settings program edits the
// same values, so both read what the other wrote.
const QString kCharacterSection = QStringLiteral("Character");
const QString kSpeechOutputKey = QStringLiteral("SpeechOutput");
const QString kVolumeKey = QStringLiteral("Volume");

QLabel *addLabel(QVBoxLayout *layout, QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(label);
    return label;
}

} // namespace

ComponentWindow::ComponentWindow(const ComponentInfo &info, Finding finding, Resources::InstallerStrings texts,
                                 CommandRunner &runner, Platform::SettingsStore &settings,
                                 Platform::CharacterService *service, QWidget *parent)
    : QWidget(parent)
    , m_info(info)
    , m_finding(std::move(finding))
    , m_texts(std::move(texts))
    , m_runner(runner)
    , m_settings(settings)
    , m_service(service)
{
    setObjectName(QString::fromLatin1(info.program));
    setWindowTitle(text(info.titleId));
    setMinimumWidth(420);

    auto *layout = new QVBoxLayout(this);
    QLabel *title = addLabel(layout, this, "lblTitle", text(info.titleId));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    title->setFont(titleFont);

    QLabel *status = addLabel(layout, this, "lblStatus", text(m_finding.present ? Found : Missing));
    status->setStyleSheet(m_finding.present ? QStringLiteral("color: #006000; font-weight: bold;")
                                            : QStringLiteral("color: #a00000; font-weight: bold;"));
    QLabel *detail = addLabel(layout, this, "lblDetail", m_finding.detail);
    detail->setStyleSheet(QStringLiteral("color: #505050;"));
    detail->setVisible(!m_finding.detail.isEmpty());

    const QString packages = QString::fromLatin1(info.packages);
    QString note;
    if (!m_finding.present)
        note = packages.isEmpty() ? text(PartOfCourse) : text(ProvidedBy).arg(packages);
    else if (info.component == Component::CharacterService && !m_finding.soundOutput)
        note = text(NoSoundDevice);
    addLabel(layout, this, "lblNote", note)->setVisible(!note.isEmpty());

    if (info.component == Component::SpeechSettings)
        addSpeechSettings(layout);
    if (info.component == Component::RussianVoice)
        addRussianVoices(layout);

    m_ui.lblSample = addLabel(layout, this, "lblSample", QString());
    m_ui.lblSample->hide();
    m_ui.lblMessage = addLabel(layout, this, "lblMessage", QString());
    m_ui.lblMessage->hide();
    layout->addStretch();

    auto *buttons = new QHBoxLayout;
    auto *test = new QPushButton(text(TestCaption), this);
    test->setObjectName(QStringLiteral("cmdTest"));
    test->setVisible(m_finding.present);
    connect(test, &QPushButton::clicked, this, &ComponentWindow::runTest);
    auto *installButton = new QPushButton(text(InstallCaption), this);
    installButton->setObjectName(QStringLiteral("cmdInstall"));
    installButton->setVisible(!m_finding.present && !packages.isEmpty());
    connect(installButton, &QPushButton::clicked, this,
            [this, packages] { install(packages.split(u' ', Qt::SkipEmptyParts)); });
    auto *close = new QPushButton(text(CloseCaption), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(test);
    buttons->addWidget(installButton);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    (m_finding.present ? test : (installButton->isVisibleTo(this) ? installButton : close))->setDefault(true);
}

ComponentWindow::~ComponentWindow() = default;

QString ComponentWindow::russianSample()
{
    return QStringLiteral("Привет! Это русский голос курса.");
}

QString ComponentWindow::englishSample()
{
    return QStringLiteral("Hello! This is the English voice of the course.");
}

QString ComponentWindow::genieGreeting()
{
    return QStringLiteral("Hello! I am Genie. I will help you learn Russian.");
}

QString ComponentWindow::cyrillicSample()
{
    return QStringLiteral("Съешь же ещё этих мягких французских булок, да выпей чаю.");
}

void ComponentWindow::addSpeechSettings(QVBoxLayout *layout)
{
    if (m_service) {
        // The service's own dialog edits all its settings and applies them at once.
        auto *open = new QPushButton(text(m_info.titleId) + QStringLiteral("…"), this);
        open->setObjectName(QStringLiteral("cmdSpeechSettings"));
        connect(open, &QPushButton::clicked, this, [this] { m_service->setPropertySheetVisible(true); });
        auto *row = new QHBoxLayout;
        row->addWidget(open);
        row->addStretch();
        layout->addLayout(row);
        return;
    }

    m_ui.chkSpeechOutput = new QCheckBox(text(SpeechOutputCaption), this);
    m_ui.chkSpeechOutput->setObjectName(QStringLiteral("chkSpeechOutput"));
    // An absent value means the service's default: speech on at full volume.
    m_ui.chkSpeechOutput->setChecked(
        m_settings.read(Course::Settings::kApplication, kCharacterSection, kSpeechOutputKey) != u"0");
    layout->addWidget(m_ui.chkSpeechOutput);

    auto *row = new QHBoxLayout;
    auto *volumeLabel = new QLabel(text(VolumeCaption), this);
    m_ui.sldVolume = new QSlider(Qt::Horizontal, this);
    m_ui.sldVolume->setObjectName(QStringLiteral("sldVolume"));
    m_ui.sldVolume->setRange(0, 100);
    m_ui.sldVolume->setValue(
        storedVolume(m_settings.read(Course::Settings::kApplication, kCharacterSection, kVolumeKey)));
    volumeLabel->setBuddy(m_ui.sldVolume);
    row->addWidget(volumeLabel);
    row->addWidget(m_ui.sldVolume, 1);
    layout->addLayout(row);

    auto *save = new QPushButton(text(SaveCaption), this);
    save->setObjectName(QStringLiteral("cmdSave"));
    connect(save, &QPushButton::clicked, this, &ComponentWindow::saveSpeechSettings);
    auto *actions = new QHBoxLayout;
    actions->addWidget(save);
    actions->addStretch();
    layout->addLayout(actions);
}

int ComponentWindow::storedVolume(const QString &stored)
{
    bool ok = false;
    const int volume = stored.toInt(&ok);
    return ok ? qBound(0, volume, 100) : 100;
}

void ComponentWindow::saveSpeechSettings()
{
    const bool speechSaved =
        m_settings.save(Course::Settings::kApplication, kCharacterSection, kSpeechOutputKey,
                        m_ui.chkSpeechOutput->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    const bool volumeSaved = m_settings.save(Course::Settings::kApplication, kCharacterSection, kVolumeKey,
                                             QString::number(m_ui.sldVolume->value()));
    showMessage(text(speechSaved && volumeSaved ? Saved : NotSaved));
}

void ComponentWindow::runTest()
{
    switch (m_info.component) {
    case Component::CharacterService:
        if (!speakThroughService(russianSample(), true, false))
            speakWithProgram(QStringLiteral("ru"), russianSample());
        break;
    case Component::CharacterFile:
        if (!speakThroughService(genieGreeting(), false, true))
            speakWithProgram(QStringLiteral("en"), genieGreeting());
        break;
    case Component::EnglishVoice:
        speakWithProgram(QStringLiteral("en"), englishSample());
        break;
    case Component::RussianVoice:
        speakWithProgram(QStringLiteral("ru"), russianSample());
        break;
    case Component::CyrillicFonts: {
        // The interface's own sans-serif font where it has Cyrillic letters, as the course uses.
        const QStringList families = QFontDatabase::families(QFontDatabase::Cyrillic);
        QFont font = m_ui.lblSample->font();
        if (!families.contains(font.family()) && !families.isEmpty()) {
            const auto sans = std::find_if(families.cbegin(), families.cend(),
                                           [](const QString &family) { return family.contains(u"Sans"); });
            font.setFamily(sans != families.cend() ? *sans : families.constFirst());
        }
        font.setPointSizeF(font.pointSizeF() * 1.4);
        m_ui.lblSample->setFont(font);
        m_ui.lblSample->setText(text(CyrillicSampleCaption) + u'\n' + cyrillicSample());
        m_ui.lblSample->show();
        adjustSize();
        break;
    }
    case Component::SpeechSettings:
        // Through the service the sample follows its saved settings; without it the sample
        // follows the settings on screen, saved or not, so the learner hears them.
        if (speakThroughService(russianSample(), true, false))
            break;
        if (m_ui.chkSpeechOutput->isChecked())
            speakWithProgram(QStringLiteral("ru"), russianSample(), m_ui.sldVolume->value());
        break;
    }
}

bool ComponentWindow::speakThroughService(const QString &spoken, bool russian, bool greet)
{
    if (!m_service)
        return false;
    if (const Platform::Status loaded = m_service->load(Course::Genie::kId, Course::Genie::kFile); loaded.failed()) {
        showMessage(loaded.error().detail);
        return true;
    }
    if (russian) {
        if (const Platform::Status language =
                m_service->setLanguageId(Course::Genie::kId, Course::Genie::kRussianLanguageId);
            language.failed()) {
            showMessage(language.error().detail);
            return true;
        }
    }
    // Beside this window, where the learner is looking.
    const QRect frame = frameGeometry();
    m_service->moveTo(Course::Genie::kId, frame.right() + 16, frame.top());
    m_service->show(Course::Genie::kId);
    if (greet)
        m_service->play(Course::Genie::kId, QStringLiteral("Greet"));
    m_service->speak(Course::Genie::kId, spoken);
    return true;
}

void ComponentWindow::speakWithProgram(const QString &voice, const QString &spoken, int volume)
{
    const QString program = QStringLiteral("espeak-ng");
    QStringList arguments{QStringLiteral("-v"), voice};
    if (volume >= 0)
        arguments << QStringLiteral("-a") << QString::number(volume);
    arguments << spoken;
    if (m_runner.find(program).isEmpty() || !m_runner.start(program, arguments))
        showMessage(text(CouldNotRun).arg(program) + u'\n' + text(ProvidedBy).arg(QStringLiteral("espeak-ng")));
}

void ComponentWindow::addRussianVoices(QVBoxLayout *layout)
{
    // eSpeak NG is the voice the course needs; Festival's is the natural one a learner may
    // add and choose in the character's settings.
    const bool natural = !m_finding.naturalVoice.isEmpty();
    addLabel(layout, this, "lblVoices",
             text(LightVoice).arg(text(m_finding.present ? Found : Missing)) + u'\n'
                 + text(NaturalVoice).arg(natural ? text(Found) : text(Optional)));
    if (natural)
        return;
    auto *installNatural = new QPushButton(text(InstallNaturalCaption), this);
    installNatural->setObjectName(QStringLiteral("cmdInstallNatural"));
    connect(installNatural, &QPushButton::clicked, this,
            [this] { install({QString::fromLatin1(kNaturalRussianVoicePackage)}); });
    auto *row = new QHBoxLayout;
    row->addWidget(installNatural);
    row->addStretch();
    layout->addLayout(row);
}

void ComponentWindow::install(const QStringList &packages)
{
    const QString pkcon = m_runner.find(QStringLiteral("pkcon"));
    if (!pkcon.isEmpty()) {
        if (m_runner.start(pkcon, QStringList{QStringLiteral("install")} + packages))
            showMessage(text(Installing));
        else
            showMessage(text(CouldNotRun).arg(QStringLiteral("pkcon")));
        return;
    }
    showMessage(text(RunInTerminal) + u'\n' + QStringLiteral("sudo apt-get install ") + packages.join(u' '));
}

void ComponentWindow::showMessage(const QString &message)
{
    m_ui.lblMessage->setText(message);
    m_ui.lblMessage->show();
    // Grow with the text rather than cut it off.
    adjustSize();
}

} // namespace Installer
