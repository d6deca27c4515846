// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "dictionary/frmlexiconeng.h"

#include <utility>

#include <QCloseEvent>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTableView>

#include "course/captiontable.h"
#include "course/coursefiles.h"
#include "dictionary/spokenform.h"
#include "platform/core/error.h"
#include "course/programstate.h"
#include "platform/core/steprunner.h"
#include "platform/database/datasource.h"
#include "course/codepage1251.h"
#include "platform/ui/twips.h"

namespace Dictionary {
namespace {

constexpr int kClientWidth = 8232;
constexpr int kClientHeight = 5712;

// Where the character stands beside the active dictionary, and where the lesson windows keep it.
constexpr int kBesideX = 530;
constexpr int kBesideY = 300;
constexpr int kRestX = 450;
constexpr int kRestY = 450;

constexpr int kRussianLanguage = 1049;
const QString kCharacter = QStringLiteral("Genie");
const QString kRussianVoice = QStringLiteral("{06377F81-D48E-11d1-B17B-0020AFED142E}");
constexpr quint32 kBalloonSizeToText = 0x04000000;
constexpr quint32 kBalloonAutoPace = 0x00100000;

// The grid's Russian column holds the stored single-byte form; show it as Cyrillic.
class CyrillicDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant &value, const QLocale &) const override
    {
        return Course::CodePage1251::decode(value.toString());
    }
};

// A screen reader reads a cell's accessible text, not what the delegate paints: the Russian
// column gives it the Cyrillic text as well, not the stored single-byte form.
class SpokenCyrillicModel final : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role == Qt::AccessibleTextRole && index.column() == 1)
            return Course::CodePage1251::decode(QIdentityProxyModel::data(index, Qt::DisplayRole).toString());
        return QIdentityProxyModel::data(index, role);
    }
};

// What a screen reader calls the controls that have no caption, per interface language.
struct ControlNames {
    int code;
    const char *matches;
    const char *word;
    const char *russian;
    const char *spokenForm;
};

constexpr ControlNames kControlNames[] = {
    {110, "Matches", "Word", "Russian", "Spoken form"},
    {120, "Träffar", "Ord", "Ryska", "Uttal"},
    {130, "Osumat", "Sana", "Venäjä", "Ääntämys"},
    {140, "Treffer", "Wort", "Russisch", "Aussprache"},
    {150, "Résultats", "Mot", "Russe", "Prononciation"},
    {160, "Resultados", "Palabra", "Ruso", "Pronunciación"},
};

const ControlNames &controlNames(int language)
{
    for (const ControlNames &names : kControlNames) {
        if (names.code == language)
            return names;
    }
    return kControlNames[0];
}

QFont arial(int pointSize, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    if (pointSize > 0)
        font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

QLineEdit *makeBox(QWidget *parent, const QString &name, const QString &accessibleName)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    return box;
}

} // namespace

FrmLexiconEng::FrmLexiconEng(DictionaryServices &services, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_services(services)
    , m_texts(&languageTexts(Course::Language::English))
{
    Q_ASSERT(services.state && services.databases);
    setObjectName(QStringLiteral("frmLexiconEng"));
    setAccessibleName(QStringLiteral("Veskora"));
    setWindowTitle(QStringLiteral("Veskora"));

    m_data = std::make_unique<Platform::DataSource>(*services.databases, this);
    m_data->setObjectName(QStringLiteral("Data1"));
    m_data->setConnect(QStringLiteral("Access"));
    m_data->setRecordSource(QStringLiteral("Lang"));
    if (services.characters) {
        m_agent = new Platform::AgentControl(*services.characters, this);
        m_agent->setObjectName(QStringLiteral("Agent1"));
    }
    buildControls();
}

FrmLexiconEng::~FrmLexiconEng() = default;

void FrmLexiconEng::buildControls()
{
    using Platform::Twips::place;

    txtRecord = makeBox(this, QStringLiteral("txtRecord"), QStringLiteral("Query"));
    place(txtRecord, 1080, 240, 4815, 375);
    txtRecord->setReadOnly(true);
    txtRecord->hide();

    Label1 = new QLabel(m_texts->searchCaption, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    place(Label1, 240, 720, 1935, 375);

    txtOrt = makeBox(this, QStringLiteral("txtOrt"), QStringLiteral("Search"));
    txtOrt->setFont(arial(12, true));
    place(txtOrt, 240, 1200, 5175, 375);
    Label1->setBuddy(txtOrt);

    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setAccessibleName(QStringLiteral("Matches"));
    place(DBGrid1, 360, 1800, 5175, 1695);
    auto *shown = new SpokenCyrillicModel(DBGrid1);
    shown->setSourceModel(m_data->model());
    DBGrid1->setModel(shown);
    DBGrid1->setItemDelegateForColumn(1, new CyrillicDelegate(DBGrid1));
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setWordWrap(false);
    // Fixed sizes keep a refresh over a million rows from measuring every row and column.
    DBGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 6);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    DBGrid1->horizontalHeader()->setDefaultSectionSize(Platform::Twips::toPixels(2400, this));
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->hide();
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { moveToGridRow(current.row()); });

    lblNoDictionary = new QLabel(this);
    lblNoDictionary->setObjectName(QStringLiteral("lblNoDictionary"));
    lblNoDictionary->setWordWrap(true);
    lblNoDictionary->setAlignment(Qt::AlignCenter);
    lblNoDictionary->setFrameShape(QFrame::Box);
    place(lblNoDictionary, 360, 1800, 5175, 1695);
    lblNoDictionary->hide();

    txtNative = makeBox(this, QStringLiteral("txtNative"), QStringLiteral("Word"));
    txtNative->setFont(arial(12, true));
    txtNative->setReadOnly(true);
    place(txtNative, 360, 3840, 3255, 1245);
    txtNative->hide();

    txtRussian = makeBox(this, QStringLiteral("txtRussian"), QStringLiteral("Russian"));
    txtRussian->setFont(arial(0, false));
    txtRussian->setReadOnly(true);
    place(txtRussian, 5760, 2520, 2295, 495);
    txtRussian->hide();

    txtRuss2 = makeBox(this, QStringLiteral("txtRuss2"), QStringLiteral("Spoken form"));
    txtRuss2->setFont(arial(12, true));
    place(txtRuss2, 4320, 3840, 3735, 1335);
    txtRuss2->hide();

    Command1 = new QPushButton(m_texts->speakCaption, this);
    Command1->setObjectName(QStringLiteral("Command1"));
    place(Command1, 5040, 5280, 1935, 375);

    cmdEnd = new QPushButton(m_texts->endCaption, this);
    cmdEnd->setObjectName(QStringLiteral("cmdEnd"));
    place(cmdEnd, 1320, 5280, 1935, 375);
    cmdEnd->setMouseTracking(true);
    cmdEnd->installEventFilter(this);

    setTabOrder(txtOrt, DBGrid1);
    setTabOrder(DBGrid1, txtNative);
    setTabOrder(txtNative, txtRussian);
    setTabOrder(txtRussian, txtRuss2);
    setTabOrder(txtRuss2, Command1);
    setTabOrder(Command1, cmdEnd);

    Platform::Twips::resizeClient(this, kClientWidth, kClientHeight);

    connect(txtOrt, &QLineEdit::textChanged, this, &FrmLexiconEng::search);
    connect(txtRussian, &QLineEdit::textChanged, this, &FrmLexiconEng::refreshSpokenForm);
    connect(Command1, &QPushButton::clicked, this, &FrmLexiconEng::speak);
    connect(cmdEnd, &QPushButton::clicked, this, &FrmLexiconEng::end);
    // Escape leaves the dictionary the way its end button does, character and all.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &FrmLexiconEng::end);
    connect(m_data.get(), &Platform::DataSource::currentRowChanged, this, &FrmLexiconEng::showCurrentRussian);
    // An entry too long to show is left out, and the learner hears of it once per window,
    // without a modal box in the middle of typing.
    connect(m_data.get(), &Platform::DataSource::fieldRefused, this, [this, told = false](const QString &detail) mutable {
        if (std::exchange(told, true))
            return;
        const QString text = Course::CaptionTable::builtIn(QStringLiteral("notices"))
                                 .textOrEnglish(m_services.state->language(), QStringLiteral("dictionaryTextTooLong"));
        auto *box = new QMessageBox(QMessageBox::Information, windowTitle(), text.arg(detail), QMessageBox::Ok, this);
        box->setObjectName(QStringLiteral("textTooLong"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setModal(false);
        box->show();
    });
}

void FrmLexiconEng::load()
{
    move(0, 0);
    setUpCharacter();
    setUpBalloon();
    if (m_agent)
        connect(m_agent, &Platform::AgentControl::agentPropertyChange, this, &FrmLexiconEng::setUpBalloon);

    m_data->setDatabaseName(m_services.paths.join(Course::Files::kDictionary));

    m_texts = &languageTexts(m_services.state->language());
    m_data->bind(txtNative, m_texts->column);
    Label1->setText(m_texts->searchCaption);
    cmdEnd->setText(m_texts->endCaption);
    Command1->setText(m_texts->speakCaption);
    Label1->setAccessibleName(m_texts->searchCaption.trimmed());
    cmdEnd->setAccessibleName(m_texts->endCaption);
    Command1->setAccessibleName(m_texts->speakCaption);
    lblNoDictionary->setText(m_texts->noDictionary);
    lblNoDictionary->setAccessibleName(m_texts->noDictionary);
    QString search = m_texts->searchCaption.trimmed();
    if (search.endsWith(u':'))
        search.chop(1);
    txtOrt->setAccessibleName(search);
    const ControlNames &names = controlNames(m_texts->code);
    DBGrid1->setAccessibleName(QString::fromUtf8(names.matches));
    txtNative->setAccessibleName(QString::fromUtf8(names.word));
    txtRussian->setAccessibleName(QString::fromUtf8(names.russian));
    txtRuss2->setAccessibleName(QString::fromUtf8(names.spokenForm));

    // The data source opens its design record source as the window comes up, so the boxes
    // already hold the first entry when they are first shown.
    handleRefresh(m_data->refresh());
    txtOrt->setFocus();
}

void FrmLexiconEng::setUpCharacter()
{
    if (!m_agent)
        return;
    Platform::StepRunner steps;
    steps.run([this] { return m_agent->load(kCharacter, QStringLiteral("Genie.acs")); });
    steps.run([this]() -> Platform::Status {
        Platform::Result<Platform::AgentCharacter> character = m_agent->character(kCharacter);
        if (!character)
            return character.error();
        m_character = *character;
        return Platform::ok();
    });
    if (!m_character)
        return;
    steps.run([this] { return m_character->setLanguageID(kRussianLanguage); });
    steps.run([this] { return m_character->setTTSModeID(kRussianVoice); });
    steps.run([this] { return m_character->moveTo(kBesideX, kBesideY); });
}

void FrmLexiconEng::setUpBalloon()
{
    if (!m_character)
        return;
    Platform::StepRunner steps;
    const auto addStyle = [this](quint32 flag) -> Platform::Status {
        Platform::AgentBalloon balloon = m_character->balloon();
        const Platform::Result<quint32> style = balloon.style();
        if (!style)
            return style.error();
        return balloon.setStyle(*style | flag);
    };
    steps.run([&] { return addStyle(kBalloonSizeToText); });
    steps.run([&] { return addStyle(kBalloonAutoPace); });
    steps.run([this] { return m_character->balloon().setFontSize(14); });
    steps.run([this] { return m_character->balloon().setFontCharSet(0); });
    // The font name goes through a fresh look-up of the character, not the kept reference.
    steps.run([this]() -> Platform::Status {
        Platform::Result<Platform::AgentCharacter> fresh = m_agent->character(kCharacter);
        if (!fresh)
            return fresh.error();
        return fresh->balloon().setFontName(QStringLiteral("Arial"));
    });
}

void FrmLexiconEng::moveCharacter(int x, int y)
{
    if (m_character)
        m_character->moveTo(x, y);
}

void FrmLexiconEng::search(const QString &typed)
{
    txtRecord->setText(searchQuery(*m_texts, typed));
    m_data->setRecordSource(txtRecord->text());
    handleRefresh(m_data->refresh());

    DBGrid1->setVisible(!m_dictionaryMissing);
    txtNative->show();
    txtRussian->show();
    txtRuss2->show();
    refreshSpokenForm();
    if (typed.isEmpty())
        DBGrid1->hide();
}

void FrmLexiconEng::handleRefresh(const Platform::Status &status)
{
    // A text that the engine cannot parse (an unclosed "[") simply matches nothing; only a
    // dictionary that cannot be opened or read is worth telling the learner about.
    m_dictionaryMissing = status.failed() && status.code() != Platform::ErrorCode::SyntaxError;
    lblNoDictionary->setVisible(m_dictionaryMissing);
    if (m_dictionaryMissing)
        DBGrid1->hide();
    showCurrentRussian();
}

void FrmLexiconEng::showCurrentRussian()
{
    const QString shown = !m_data->eof() && !m_data->bof()
        ? Course::CodePage1251::decode(m_data->value(QStringLiteral("Russian")))
        : QString();
    if (txtRussian->text() != shown)
        txtRussian->setText(shown);
}

void FrmLexiconEng::refreshSpokenForm()
{
    // The "(" is the same character in the stored and the decoded form, so the spoken part
    // can be cut from the decoded text.
    txtRuss2->setText(spokenForm(txtRussian->text()));
}

void FrmLexiconEng::moveToGridRow(int row)
{
    if (row >= 0 && row != m_data->currentRow())
        m_data->moveTo(row);
}

void FrmLexiconEng::speak()
{
    if (!m_character)
        return;
    m_character->play(QStringLiteral("DoMagic1"));
    m_character->speak(QStringLiteral("\\spd=50\\") + txtRuss2->text());
}

void FrmLexiconEng::end()
{
    moveCharacter(kRestX, kRestY);
    close();
}

bool FrmLexiconEng::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        moveCharacter(kBesideX, kBesideY);
    else if (event->type() == QEvent::WindowDeactivate)
        moveCharacter(kRestX, kRestY);
    return QWidget::event(event);
}

bool FrmLexiconEng::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == cmdEnd && event->type() == QEvent::MouseMove)
        moveCharacter(kRestX, kRestY);
    return QWidget::eventFilter(watched, event);
}

void FrmLexiconEng::closeEvent(QCloseEvent *event)
{
    moveCharacter(kRestX, kRestY);
    event->accept();
}

} // namespace Dictionary
