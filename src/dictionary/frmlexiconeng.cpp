// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "dictionary/frmlexiconeng.h"

#include <functional>
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
#include "course/codepage1251.h"
#include "course/coursefiles.h"
#include "course/dictionarytable.h"
#include "course/displayrussian.h"
#include "course/genie.h"
#include "course/learningchoices.h"
#include "course/programstate.h"
#include "course/stressmarks.h"
#include "dictionary/logging.h"
#include "dictionary/spokenform.h"
#include "platform/core/error.h"
#include "platform/core/steprunner.h"
#include "platform/database/datasource.h"
#include "platform/ui/accessibletext.h"
#include "platform/ui/markfont.h"
#include "platform/ui/twips.h"

namespace Dictionary {
namespace {

constexpr int kClientWidth = 8232;
constexpr int kClientHeight = 5712;

// The grid's Russian column holds the stored single-byte form; show it as Cyrillic, marked
// as the learner chose.
class CyrillicDelegate final : public QStyledItemDelegate {
public:
    CyrillicDelegate(std::function<QString(const QString &)> shown, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_shown(std::move(shown))
    {
    }
    QString displayText(const QVariant &value, const QLocale &) const override
    {
        return m_shown(Course::CodePage1251::decode(value.toString()));
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->font = Platform::fontPlacingMarks(option->font);
    }

private:
    std::function<QString(const QString &)> m_shown;
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
    , m_texts(languageTexts(Course::Language::English))
{
    Q_ASSERT(services.state && services.databases);
    setObjectName(QStringLiteral("frmLexiconEng"));
    setAccessibleName(QStringLiteral("Veskora"));
    setWindowTitle(QStringLiteral("Veskora"));

    m_data = std::make_unique<Platform::DataSource>(*services.databases, this);
    m_data->setObjectName(QStringLiteral("Data1"));
    m_data->setConnect(QStringLiteral("Access"));
    m_data->setRecordSource(Course::DictionaryTable::tableName());
    if (services.characters) {
        m_agent = new Platform::AgentControl(*services.characters, this);
        m_agent->setObjectName(QStringLiteral("Agent1"));
        m_genie = std::make_unique<Character::GenieReference>(
            *m_agent, Character::GenieReference::BalloonFont{Course::Genie::kBalloonFontSize, QStringLiteral("Arial")});
    }
    buildControls();
}

FrmLexiconEng::~FrmLexiconEng() = default;

void FrmLexiconEng::buildControls()
{
    using Platform::Twips::place;

    m_ui.txtRecord = makeBox(this, QStringLiteral("txtRecord"), QStringLiteral("Query"));
    place(m_ui.txtRecord, 1080, 240, 4815, 375);
    m_ui.txtRecord->setReadOnly(true);
    m_ui.txtRecord->hide();

    m_ui.Label1 = new QLabel(m_texts.searchCaption, this);
    m_ui.Label1->setObjectName(QStringLiteral("Label1"));
    place(m_ui.Label1, 240, 720, 1935, 375);

    m_ui.txtOrt = makeBox(this, QStringLiteral("txtOrt"), QStringLiteral("Search"));
    m_ui.txtOrt->setFont(arial(12, true));
    place(m_ui.txtOrt, 240, 1200, 5175, 375);
    m_ui.Label1->setBuddy(m_ui.txtOrt);

    m_ui.DBGrid1 = new QTableView(this);
    m_ui.DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    m_ui.DBGrid1->setAccessibleName(QStringLiteral("Matches"));
    place(m_ui.DBGrid1, 360, 1800, 5175, 1695);
    auto *shown = new SpokenCyrillicModel(m_ui.DBGrid1);
    shown->setSourceModel(m_data->model());
    m_ui.DBGrid1->setModel(shown);
    m_ui.DBGrid1->setItemDelegateForColumn(
        1, new CyrillicDelegate([this](const QString &russian) { return shownRussian(russian); }, m_ui.DBGrid1));
    m_ui.DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_ui.DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_ui.DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_ui.DBGrid1->setWordWrap(false);
    // Fixed sizes keep a refresh over a million rows from measuring every row and column.
    m_ui.DBGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_ui.DBGrid1->verticalHeader()->setDefaultSectionSize(m_ui.DBGrid1->fontMetrics().height() + 6);
    m_ui.DBGrid1->verticalHeader()->hide();
    m_ui.DBGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_ui.DBGrid1->horizontalHeader()->setDefaultSectionSize(Platform::Twips::toPixels(2400, this));
    m_ui.DBGrid1->horizontalHeader()->setStretchLastSection(true);
    m_ui.DBGrid1->hide();
    connect(m_ui.DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { moveToGridRow(current.row()); });

    m_ui.lblNoDictionary = new QLabel(this);
    m_ui.lblNoDictionary->setObjectName(QStringLiteral("lblNoDictionary"));
    m_ui.lblNoDictionary->setWordWrap(true);
    m_ui.lblNoDictionary->setAlignment(Qt::AlignCenter);
    m_ui.lblNoDictionary->setFrameShape(QFrame::Box);
    place(m_ui.lblNoDictionary, 360, 1800, 5175, 1695);
    m_ui.lblNoDictionary->hide();

    m_ui.txtNative = makeBox(this, QStringLiteral("txtNative"), QStringLiteral("Word"));
    m_ui.txtNative->setFont(arial(12, true));
    m_ui.txtNative->setReadOnly(true);
    place(m_ui.txtNative, 360, 3840, 3255, 1245);
    m_ui.txtNative->hide();

    m_ui.txtRussian = makeBox(this, QStringLiteral("txtRussian"), QStringLiteral("Russian"));
    m_ui.txtRussian->setFont(Platform::fontPlacingMarks(arial(0, false)));
    m_ui.txtRussian->setReadOnly(true);
    place(m_ui.txtRussian, 5760, 2520, 2295, 495);
    m_ui.txtRussian->hide();

    m_ui.txtRuss2 = makeBox(this, QStringLiteral("txtRuss2"), QStringLiteral("Spoken form"));
    m_ui.txtRuss2->setFont(Platform::fontPlacingMarks(arial(12, true)));
    for (QLineEdit *box : {m_ui.txtRussian, m_ui.txtRuss2})
        Platform::readWithoutCharacters(box, QString(QChar(Course::kStressMark)));
    place(m_ui.txtRuss2, 4320, 3840, 3735, 1335);
    m_ui.txtRuss2->hide();

    m_ui.Command1 = new QPushButton(m_texts.speakCaption, this);
    m_ui.Command1->setObjectName(QStringLiteral("Command1"));
    place(m_ui.Command1, 5040, 5280, 1935, 375);

    m_ui.cmdEnd = new QPushButton(m_texts.endCaption, this);
    m_ui.cmdEnd->setObjectName(QStringLiteral("cmdEnd"));
    place(m_ui.cmdEnd, 1320, 5280, 1935, 375);
    m_ui.cmdEnd->setMouseTracking(true);
    m_ui.cmdEnd->installEventFilter(this);

    setTabOrder(m_ui.txtOrt, m_ui.DBGrid1);
    setTabOrder(m_ui.DBGrid1, m_ui.txtNative);
    setTabOrder(m_ui.txtNative, m_ui.txtRussian);
    setTabOrder(m_ui.txtRussian, m_ui.txtRuss2);
    setTabOrder(m_ui.txtRuss2, m_ui.Command1);
    setTabOrder(m_ui.Command1, m_ui.cmdEnd);

    Platform::Twips::resizeClient(this, kClientWidth, kClientHeight);

    connect(m_ui.txtOrt, &QLineEdit::textChanged, this, &FrmLexiconEng::search);
    connect(m_ui.txtRussian, &QLineEdit::textChanged, this, &FrmLexiconEng::refreshSpokenForm);
    connect(m_ui.Command1, &QPushButton::clicked, this, &FrmLexiconEng::speak);
    connect(m_ui.cmdEnd, &QPushButton::clicked, this, &FrmLexiconEng::end);
    // Escape leaves the dictionary the way its end button does, character and all.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &FrmLexiconEng::end);
    connect(m_data.get(), &Platform::DataSource::currentRowChanged, this, &FrmLexiconEng::showCurrentRussian);
    if (m_services.learning) {
        connect(m_services.learning, &Course::LearningChoicesNotifier::choicesChanged, this, [this] {
            showCurrentRussian();
            m_ui.DBGrid1->viewport()->update();
        });
    }
    // An entry too long to show is left out, and the learner hears of it once per window,
    // without a modal box in the middle of typing.
    connect(m_data.get(), &Platform::DataSource::fieldRefused, this,
            [this, told = false](const QString &detail) mutable {
                if (std::exchange(told, true))
                    return;
                const QString text =
                    Course::CaptionTable::builtIn(QStringLiteral("notices"))
                        .textOrEnglish(m_services.state->language(), QStringLiteral("dictionaryTextTooLong"));
                auto *box =
                    new QMessageBox(QMessageBox::Information, windowTitle(), text.arg(detail), QMessageBox::Ok, this);
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

    m_texts = languageTexts(m_services.state->language());
    m_data->bind(m_ui.txtNative, m_texts.column);
    m_ui.Label1->setText(m_texts.searchCaption);
    m_ui.cmdEnd->setText(m_texts.endCaption);
    m_ui.Command1->setText(m_texts.speakCaption);
    m_ui.Label1->setAccessibleName(m_texts.searchCaption.trimmed());
    m_ui.cmdEnd->setAccessibleName(m_texts.endCaption);
    m_ui.Command1->setAccessibleName(m_texts.speakCaption);
    m_ui.lblNoDictionary->setText(m_texts.noDictionary);
    m_ui.lblNoDictionary->setAccessibleName(m_texts.noDictionary);
    QString search = m_texts.searchCaption.trimmed();
    if (search.endsWith(u':'))
        search.chop(1);
    m_ui.txtOrt->setAccessibleName(search);
    m_ui.DBGrid1->setAccessibleName(m_texts.matches);
    m_ui.txtNative->setAccessibleName(m_texts.word);
    m_ui.txtRussian->setAccessibleName(m_texts.russian);
    m_ui.txtRuss2->setAccessibleName(m_texts.spokenForm);

    // The data source opens its design record source as the window comes up, so the boxes
    // already hold the first entry when they are first shown.
    handleRefresh(m_data->refresh());
    m_ui.txtOrt->setFocus();
}

void FrmLexiconEng::setUpCharacter()
{
    if (!m_genie)
        return;
    Character::GenieReference &genie = *m_genie;
    Platform::StepRunner steps;
    steps.run([&genie] { return genie.load(); });
    steps.run([&genie] { return genie.refresh(); });
    if (!genie.holds())
        return;
    steps.run([&genie] { return genie.speakRussian(); });
    steps.run([&genie] { return genie.chooseRussianVoice(); });
    steps.run([&genie] { return genie.moveTo(Course::Genie::kDictionaryPosition); });
}

void FrmLexiconEng::setUpBalloon()
{
    if (m_genie && m_genie->holds())
        m_genie->setUpBalloon();
}

void FrmLexiconEng::moveCharacter(QPoint position)
{
    if (m_genie && m_genie->holds())
        m_genie->moveTo(position);
}

void FrmLexiconEng::search(const QString &typed)
{
    m_ui.txtRecord->setText(searchQuery(m_texts, typed));
    m_data->setRecordSource(m_ui.txtRecord->text());
    handleRefresh(m_data->refresh());

    m_ui.DBGrid1->setVisible(!m_dictionaryMissing);
    m_ui.txtNative->show();
    m_ui.txtRussian->show();
    m_ui.txtRuss2->show();
    refreshSpokenForm();
    if (typed.isEmpty())
        m_ui.DBGrid1->hide();
}

void FrmLexiconEng::handleRefresh(const Platform::Status &status)
{
    // A text that the engine cannot parse (an unclosed "[") simply matches nothing; only a
    // dictionary that cannot be opened or read is worth telling the learner about.
    m_dictionaryMissing = status.failed() && status.code() != Platform::ErrorCode::SyntaxError;
    if (status.failed())
        qCDebug(lcDictionary) << "search failed:" << status.code() << status.error().detail;
    m_ui.lblNoDictionary->setVisible(m_dictionaryMissing);
    if (m_dictionaryMissing)
        m_ui.DBGrid1->hide();
    showCurrentRussian();
}

QString FrmLexiconEng::shownRussian(const QString &russian) const
{
    // A row's own stress decisions are keyed by its whole Russian field, note included.
    return Course::displayRussian(russian, m_services.stress, Course::choicesOf(m_services.learning),
                                  {Course::dictionaryPlace(), russian});
}

void FrmLexiconEng::showCurrentRussian()
{
    const QString shown = !m_data->eof() && !m_data->bof()
        ? shownRussian(Course::CodePage1251::decode(m_data->value(Course::DictionaryTable::russian())))
        : QString();
    if (m_ui.txtRussian->text() != shown)
        m_ui.txtRussian->setText(shown);
}

void FrmLexiconEng::refreshSpokenForm()
{
    // The "(" is the same character in the stored and the decoded form, so the spoken part
    // can be cut from the decoded text.
    m_ui.txtRuss2->setText(spokenForm(m_ui.txtRussian->text()));
}

void FrmLexiconEng::moveToGridRow(int row)
{
    if (row >= 0 && row != m_data->currentRow())
        m_data->moveTo(row);
}

void FrmLexiconEng::speak()
{
    Platform::AgentCharacter *character = m_genie ? m_genie->character() : nullptr;
    if (!character)
        return;
    character->play(QStringLiteral("DoMagic1"));
    character->speak(speechText(Course::withoutStressMarks(m_ui.txtRussian->text()), m_services.stress));
}

void FrmLexiconEng::end()
{
    moveCharacter(Course::Genie::kWaitingPosition);
    close();
}

bool FrmLexiconEng::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        moveCharacter(Course::Genie::kDictionaryPosition);
    else if (event->type() == QEvent::WindowDeactivate)
        moveCharacter(Course::Genie::kWaitingPosition);
    return QWidget::event(event);
}

bool FrmLexiconEng::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui.cmdEnd && event->type() == QEvent::MouseMove)
        moveCharacter(Course::Genie::kWaitingPosition);
    return QWidget::eventFilter(watched, event);
}

void FrmLexiconEng::closeEvent(QCloseEvent *event)
{
    moveCharacter(Course::Genie::kWaitingPosition);
    event->accept();
}

} // namespace Dictionary
