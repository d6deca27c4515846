// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <functional>

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "course/coursefiles.h"
#include "course/learningchoices.h"
#include "course/programstate.h"
#include "course/stresstable.h"
#include "dictionary/frmlexiconeng.h"
#include "fakecharacterservice.h"
#include "platform/database/datasource.h"
#include "platform/database/sqlcipherdatabaseengine.h"
#include "platform/ui/markfont.h"

using Dictionary::FrmLexiconEng;

namespace {

const QString kSpeakPrefix = QStringLiteral("\\spd=50\\");

// One dictionary window over a database folder, with everything it talks to recorded.
struct Harness {
    explicit Harness(int language, const QString &folder = qEnvironmentVariable("VESKORA_FIXTURE_DIR"),
                     const std::function<void(TestSupport::FakeCharacterService &)> &prepare = {})
    {
        if (prepare)
            prepare(characters);
        state.interfaceLanguage = language;
        services.state = &state;
        services.characters = &characters;
        services.databases = &engine;
        services.paths = Platform::AppPaths(folder);
        services.stress = &stress;
        services.learning = &learning;
        window = std::make_unique<FrmLexiconEng>(services);
        window->load();
    }

    template<typename T = QLineEdit>
    T *control(const char *name) const
    {
        T *found = window->findChild<T *>(QString::fromLatin1(name));
        Q_ASSERT(found);
        return found;
    }
    QLineEdit *box(const char *name) const { return control<QLineEdit>(name); }
    QTableView *grid() const { return control<QTableView>("DBGrid1"); }

    void type(const QString &text) const { QTest::keyClicks(box("txtOrt"), text); }
    void speak() const { QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton); }

    // The words of the search column that the grid lists, in its order.
    QStringList listedWords() const
    {
        QStringList words;
        const QAbstractItemModel *model = grid()->model();
        while (model->canFetchMore({}))
            const_cast<QAbstractItemModel *>(model)->fetchMore({});
        for (int row = 0; row < model->rowCount(); ++row)
            words.append(model->index(row, 0).data().toString());
        return words;
    }

    Course::ProgramState state;
    TestSupport::FakeCharacterService characters;
    Platform::SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
    Dictionary::DictionaryServices services;
    /// Empty unless a test fills it: no marks then.
    Course::StressTable stress;
    Course::LearningChoicesNotifier learning;
    std::unique_ptr<FrmLexiconEng> window;
};

bool anyMessageBox()
{
    const auto widgets = QApplication::topLevelWidgets();
    return std::any_of(widgets.begin(), widgets.end(),
                       [](QWidget *widget) { return qobject_cast<QMessageBox *>(widget) && widget->isVisible(); });
}

} // namespace

class TestFrmLexiconEng : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void loadPlacesWindowAndCharacterAndShowsOnlyTheSearch();
    void captionsFollowTheLanguage_data();
    void captionsFollowTheLanguage();
    void swedishPrefixMatchesEveryCase();
    void deletingTheLastCharacterListsEverything();
    void searchMatchingNothingEmptiesTheBoxes();
    void remarkInBracketsIsShownButNotSpoken();
    void gridClickMovesTheBoxes();
    void stressMarksAreShownButNotSpoken();
    void characterFollowsTheWindow();
    void endMovesTheCharacterBackAndCloses();
    void serviceSettingsChangeRedoesTheBalloon();
    void hostileSearchTexts_data();
    void hostileSearchTexts();
    void unusableDictionaryIsReportedInTheWindow_data();
    void unusableDictionaryIsReportedInTheWindow();
    void failingCharacterServiceIsSkipped();
    void entriesTooLongToShowAreLeftOut();
    void everyControlHasAnAccessibleName();
};

void TestFrmLexiconEng::initTestCase()
{
    const QString fixture = qEnvironmentVariable("VESKORA_FIXTURE_DIR");
    if (!QFileInfo::exists(fixture + QStringLiteral("/Lexikon.mdb")))
        QSKIP("the fixture course has not been compiled");
}

void TestFrmLexiconEng::loadPlacesWindowAndCharacterAndShowsOnlyTheSearch()
{
    Harness h(Course::Language::Swedish);
    const QStringList expected = {
        QStringLiteral("Load Genie Genie.acs"),
        QStringLiteral("LanguageID 1049"),
        QStringLiteral("TTSModeID {06377F81-D48E-11d1-B17B-0020AFED142E}"),
        QStringLiteral("MoveTo 530 300"),
        QStringLiteral("BalloonStyle %1").arg(0x04000000),
        QStringLiteral("BalloonStyle %1").arg(0x04000000 | 0x00100000),
        QStringLiteral("BalloonFontSize 14"),
        QStringLiteral("BalloonFontCharSet 0"),
        QStringLiteral("BalloonFontName Arial"),
    };
    QCOMPARE(h.characters.requests, expected);
    QCOMPARE(h.window->pos(), QPoint(0, 0));

    h.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
    for (const char *shown : {"Label1", "txtOrt", "Command1", "cmdEnd"})
        QVERIFY2(h.window->findChild<QWidget *>(QString::fromLatin1(shown))->isVisible(), shown);
    for (const char *hidden : {"txtRecord", "txtNative", "txtRussian", "txtRuss2", "DBGrid1", "lblNoDictionary"})
        QVERIFY2(!h.window->findChild<QWidget *>(QString::fromLatin1(hidden))->isVisible(), hidden);
    QCOMPARE(QApplication::focusWidget(), h.box("txtOrt"));
    // The data source has opened Lang already: the hidden boxes hold the first entry.
    QCOMPARE(h.box("txtNative")->text(), QStringLiteral("hus"));
    QCOMPARE(h.box("txtRussian")->text(), QStringLiteral("дом (м.р.)"));
}

void TestFrmLexiconEng::captionsFollowTheLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("speak");
    QTest::addColumn<QString>("firstWord");
    QTest::newRow("English") << 110 << "Search:"
                             << "End"
                             << "Speak"
                             << "house";
    QTest::newRow("Finnish") << 130 << "Etsi:"
                             << "Lopetus"
                             << "Lausu"
                             << "talo";
    QTest::newRow("German") << 140 << "Suchwort:"
                            << "Ende"
                            << "Aussprechen"
                            << "Haus";
    QTest::newRow("French") << 150 << "Recherche:"
                            << "Fin"
                            << "Prononcer"
                            << "maison";
    QTest::newRow("Spanish") << 160 << "Entrada: "
                             << "Acabar"
                             << "Pronunciar"
                             << "casa";
    QTest::newRow("none of the six") << 999 << "Search:"
                                     << "End"
                                     << "Speak"
                                     << "house";
}

void TestFrmLexiconEng::captionsFollowTheLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, label);
    QFETCH(QString, end);
    QFETCH(QString, speak);
    QFETCH(QString, firstWord);
    Harness h(language);
    QCOMPARE(h.control<QLabel>("Label1")->text(), label);
    QCOMPARE(h.control<QPushButton>("cmdEnd")->text(), end);
    QCOMPARE(h.control<QPushButton>("Command1")->text(), speak);
    QCOMPARE(h.window->windowTitle(), QStringLiteral("Veskora"));
    QCOMPARE(h.box("txtNative")->text(), firstWord);
}

void TestFrmLexiconEng::swedishPrefixMatchesEveryCase()
{
    Harness h(Course::Language::Swedish);
    h.type(QStringLiteral("hu"));
    QCOMPARE(h.box("txtRecord")->text(),
             QStringLiteral("SELECT Swedish, Russian FROM Lang  where Swedish Like\"hu*\""));
    QCOMPARE(h.window->dataSource().recordSource(), h.box("txtRecord")->text());
    const QStringList expected = {
        QStringLiteral("hus"),     QStringLiteral("hund"),    QStringLiteral("huvud"), QStringLiteral("hunger"),
        QStringLiteral("hungrig"), QStringLiteral("hur"),     QStringLiteral("humör"), QStringLiteral("Hudiksvall"),
        QStringLiteral("HURRA"),   QStringLiteral("HULIGAN"),
    };
    QCOMPARE(h.listedWords(), expected);
    QVERIFY(!h.grid()->isHidden());
    QCOMPARE(h.box("txtNative")->text(), QStringLiteral("hus"));
    QCOMPARE(h.box("txtRuss2")->text(), QStringLiteral("дом "));
}

void TestFrmLexiconEng::deletingTheLastCharacterListsEverything()
{
    Harness h(Course::Language::English);
    h.type(QStringLiteral("do"));
    QCOMPARE(h.box("txtNative")->text(), QStringLiteral("dog"));
    QTest::keyClick(h.box("txtOrt"), Qt::Key_Backspace);
    QTest::keyClick(h.box("txtOrt"), Qt::Key_Backspace);
    QCOMPARE(h.box("txtRecord")->text(), QStringLiteral("SELECT English, Russian FROM Lang  where English Like\"*\""));
    QVERIFY(h.grid()->isHidden());
    for (const char *name : {"txtNative", "txtRussian", "txtRuss2"})
        QVERIFY2(!h.box(name)->isHidden(), name);
    QCOMPARE(h.window->dataSource().recordCount(), h.listedWords().size());
    QVERIFY(h.listedWords().size() > 30);
    QCOMPARE(h.box("txtNative")->text(), QStringLiteral("house"));
    QCOMPARE(h.box("txtRussian")->text(), QStringLiteral("дом (м.р.)"));
    QCOMPARE(h.box("txtRuss2")->text(), QStringLiteral("дом "));
}

void TestFrmLexiconEng::searchMatchingNothingEmptiesTheBoxes()
{
    Harness h(Course::Language::German);
    h.type(QStringLiteral("Hausx"));
    QVERIFY(h.listedWords().isEmpty());
    for (const char *name : {"txtNative", "txtRussian", "txtRuss2"})
        QVERIFY2(h.box(name)->text().isEmpty(), name);
    h.characters.clear();
    h.speak();
    QCOMPARE(h.characters.requests,
             (QStringList{QStringLiteral("Play DoMagic1"), QStringLiteral("Speak ") + kSpeakPrefix}));
}

void TestFrmLexiconEng::remarkInBracketsIsShownButNotSpoken()
{
    Harness h(Course::Language::French);
    h.type(QStringLiteral("aller"));
    // Two entries translate "aller"; the first is the one with the remark.
    QCOMPARE(h.box("txtNative")->text(), QStringLiteral("aller"));
    QCOMPARE(h.box("txtRussian")->text(), QStringLiteral("ехать (несов.)"));
    QCOMPARE(h.box("txtRuss2")->text(), QStringLiteral("ехать "));
    h.characters.clear();
    h.speak();
    QCOMPARE(h.characters.spoken(), QStringList{kSpeakPrefix + QStringLiteral("ехать ")});
    QCOMPARE(h.characters.played(), QStringList{QStringLiteral("DoMagic1")});
    // The grid shows the Russian column as Cyrillic too, not in its stored form.
    const auto *delegate = qobject_cast<QStyledItemDelegate *>(h.grid()->itemDelegateForColumn(1));
    QVERIFY(delegate);
    QCOMPARE(delegate->displayText(h.grid()->model()->index(0, 1).data(), QLocale()), QStringLiteral("ехать (несов.)"));
}

void TestFrmLexiconEng::gridClickMovesTheBoxes()
{
    Harness h(Course::Language::English);
    h.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
    h.type(QStringLiteral("h"));
    const QStringList words = h.listedWords();
    const int row = words.indexOf(QStringLiteral("hunger"));
    QVERIFY(row > 0);
    QCOMPARE(h.box("txtNative")->text(), words.first());

    QTableView *grid = h.grid();
    grid->scrollTo(grid->model()->index(row, 0));
    const QRect cell = grid->visualRect(grid->model()->index(row, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(h.window->dataSource().currentRow(), row);
    QCOMPARE(h.box("txtNative")->text(), QStringLiteral("hunger"));
    QCOMPARE(h.box("txtRussian")->text(), QStringLiteral("голод"));
    QCOMPARE(h.box("txtRuss2")->text(), QStringLiteral("голод"));

    QTest::keyClick(grid, Qt::Key_Up);
    QCOMPARE(h.window->dataSource().currentRow(), row - 1);
    QCOMPARE(h.box("txtNative")->text(), words.at(row - 1));

    if (const QString folder = qEnvironmentVariable("VESKORA_SCREENSHOT_DIR"); !folder.isEmpty())
        h.window->grab().save(folder + QStringLiteral("/dictionary-search.png"));
}

void TestFrmLexiconEng::stressMarksAreShownButNotSpoken()
{
    Harness h(Course::Language::English);
    h.stress.read(QStringLiteral("word\tstress\nголод\tго\u0301лод\nголодный\tголо\u0301дный\n"
                                 "ехать\tе\u0301хать\n"));
    const auto gridText = [&h](int row) {
        const auto *delegate = qobject_cast<QStyledItemDelegate *>(h.grid()->itemDelegateForColumn(1));
        return delegate->displayText(h.grid()->model()->index(row, 1).data(), QLocale());
    };
    h.type(QStringLiteral("hung"));
    QCOMPARE(h.box("txtRussian")->text(), QStringLiteral("го\u0301лод"));
    QCOMPARE(h.box("txtRuss2")->text(), QStringLiteral("го\u0301лод"));
    QCOMPARE(gridText(1), QStringLiteral("голо\u0301дный"));
    for (const char *box : {"txtRussian", "txtRuss2"})
        QVERIFY2(Platform::placesMarks(h.box(box)->font()), box);
    QCOMPARE(QAccessible::queryAccessibleInterface(h.box("txtRussian"))->text(QAccessible::Value),
             QStringLiteral("голод"));
    h.speak();
    QCOMPARE(h.characters.spoken().constLast(), kSpeakPrefix + QStringLiteral("голод"));

    // The remark keeps its place after the marked word; words the table does not hold (an
    // imported row's) and words with ё get no mark.
    h.box("txtOrt")->setText(QStringLiteral("to ride"));
    QCOMPARE(h.box("txtRussian")->text(), QStringLiteral("е\u0301хать (несов.)"));
    QCOMPARE(h.box("txtRuss2")->text(), QStringLiteral("е\u0301хать "));
    for (const QString &plain : {QStringLiteral("100% cotton"), QStringLiteral("fir tree")}) {
        h.box("txtOrt")->setText(plain);
        QVERIFY(!h.box("txtRussian")->text().contains(QChar(0x0301)));
    }

    h.box("txtOrt")->setText(QStringLiteral("hung"));
    h.learning.setChoices({false, false});
    QCOMPARE(h.box("txtRussian")->text(), QStringLiteral("голод"));
    QCOMPARE(h.box("txtRuss2")->text(), QStringLiteral("голод"));
    QCOMPARE(gridText(1), QStringLiteral("голодный"));
}

void TestFrmLexiconEng::characterFollowsTheWindow()
{
    Harness h(Course::Language::English);
    h.characters.clear();
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(h.window.get(), &deactivate);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(h.window.get(), &activate);
    QCOMPARE(h.characters.moves(), (QStringList{QStringLiteral("450 450"), QStringLiteral("530 300")}));

    h.characters.clear();
    QPushButton *end = h.control<QPushButton>("cmdEnd");
    for (int x : {3, 6, 9}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, 5), end->mapToGlobal(QPointF(x, 5)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(end, &move);
    }
    QCOMPARE(h.characters.moves(), QStringList(3, QStringLiteral("450 450")));

    // Closing by any other means than End sends it back too.
    h.characters.clear();
    h.window->close();
    QCOMPARE(h.characters.moves(), QStringList{QStringLiteral("450 450")});
}

void TestFrmLexiconEng::endMovesTheCharacterBackAndCloses()
{
    Harness h(Course::Language::English);
    h.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
    h.characters.clear();
    QTest::mouseClick(h.control<QPushButton>("cmdEnd"), Qt::LeftButton);
    QVERIFY(!h.window->isVisible());
    // End moves it, then the unload moves it again; a deactivation may add one more.
    const QStringList moves = h.characters.moves();
    QVERIFY(moves.size() >= 2);
    QVERIFY(std::all_of(moves.begin(), moves.end(), [](const QString &m) { return m == QLatin1String("450 450"); }));
}

void TestFrmLexiconEng::serviceSettingsChangeRedoesTheBalloon()
{
    Harness h(Course::Language::English);
    h.characters.clear();
    h.characters.changeProperties();
    QCOMPARE(h.characters.requests,
             (QStringList{QStringLiteral("BalloonStyle %1").arg(0x04000000 | 0x00100000),
                          QStringLiteral("BalloonStyle %1").arg(0x04000000 | 0x00100000),
                          QStringLiteral("BalloonFontSize 14"), QStringLiteral("BalloonFontCharSet 0"),
                          QStringLiteral("BalloonFontName Arial")}));
}

void TestFrmLexiconEng::hostileSearchTexts_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("literalMatches");
    QTest::newRow("double quote") << QStringLiteral("\"") << QStringList{};
    QTest::newRow("quote closing the pattern") << QStringLiteral("h\" OR English Like\"") << QStringList{};
    QTest::newRow("unclosed bracket") << QStringLiteral("[") << QStringList{};
    QTest::newRow("unclosed negated bracket") << QStringLiteral("h[!") << QStringList{};
    QTest::newRow("closing bracket") << QStringLiteral("]") << QStringList{};
    QTest::newRow("statement end") << QStringLiteral("h; DROP TABLE Lang") << QStringList{};
    QTest::newRow("line comment") << QStringLiteral("h\"--") << QStringList{};
    QTest::newRow("percent is a plain letter") << QStringLiteral("100%") << QStringList{QStringLiteral("100% cotton")};
    QTest::newRow("apostrophe") << QStringLiteral("it's") << QStringList{QStringLiteral("it's")};
    QTest::newRow("sql keywords") << QStringLiteral("' OR 1=1 UNION SELECT * FROM Lang --") << QStringList{};
    QTest::newRow("backslash and tags") << QStringLiteral("\\spd=500\\") << QStringList{};
    QTest::newRow("argument markers") << QStringLiteral("%1%2") << QStringList{};
    QTest::newRow("ten kilobytes") << QString(10 * 1024, u'h') << QStringList{};
    QTest::newRow("ten kilobytes of quotes") << QString(10 * 1024, u'"') << QStringList{};
    QTest::newRow("pasted control characters") << QStringLiteral("h\u0000\n\t\r\u001a*") << QStringList{};
}

void TestFrmLexiconEng::hostileSearchTexts()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, literalMatches);
    Harness h(Course::Language::English);
    h.window->show();
    QLineEdit *search = h.box("txtOrt");
    // Long texts and control characters arrive in one paste; the rest key by key, each
    // keystroke a search.
    if (typed.size() > 100 || std::any_of(typed.begin(), typed.end(), [](QChar c) { return c < u' '; })) {
        search->insert(typed);
    } else {
        h.type(typed);
    }
    QCOMPARE(search->text(), typed);
    QVERIFY(!anyMessageBox());
    QVERIFY(!h.control<QLabel>("lblNoDictionary")->isVisible());
    QCOMPARE(h.listedWords(), literalMatches);
    const QAbstractItemModel *model = h.grid()->model();
    if (model->rowCount() > 0) {
        // The query still reads the search column and the Russian column, nothing else.
        QCOMPARE(model->columnCount(), 2);
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("English"));
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Russian"));
    }
    // The window goes on working afterwards.
    search->clear();
    h.type(QStringLiteral("dog"));
    QCOMPARE(h.box("txtRussian")->text(), QStringLiteral("собака"));
}

void TestFrmLexiconEng::unusableDictionaryIsReportedInTheWindow_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("present");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("not a database") << QByteArray(4096, '\x5a') << true;
}

void TestFrmLexiconEng::unusableDictionaryIsReportedInTheWindow()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, present);
    QTemporaryDir folder;
    if (present) {
        QFile file(folder.filePath(QStringLiteral("Lexikon.mdb")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    Harness h(Course::Language::German, folder.path());
    h.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
    QLabel *message = h.control<QLabel>("lblNoDictionary");
    QVERIFY(message->isVisible());
    QVERIFY(message->text().contains(QStringLiteral("Wörterbuch")));
    h.type(QStringLiteral("Ha"));
    QVERIFY(message->isVisible());
    QVERIFY(!h.grid()->isVisible());
    QVERIFY(h.box("txtNative")->text().isEmpty());
    QVERIFY(!anyMessageBox());
    h.characters.clear();
    h.speak();
    QCOMPARE(h.characters.spoken(), QStringList{kSpeakPrefix});
    if (const QString shots = qEnvironmentVariable("VESKORA_SCREENSHOT_DIR"); !shots.isEmpty())
        h.window->grab().save(shots + QStringLiteral("/dictionary-unusable.png"));
}

void TestFrmLexiconEng::failingCharacterServiceIsSkipped()
{
    {
        Harness h(Course::Language::English, qEnvironmentVariable("VESKORA_FIXTURE_DIR"), [](auto &c) {
            c.noRussian = true;
            c.failEverything = true;
        });
        // Every set-up step is still attempted, and the search works without the character.
        QVERIFY(h.characters.requests.contains(QStringLiteral("BalloonFontName Arial")));
        h.type(QStringLiteral("dog"));
        QCOMPARE(h.box("txtRussian")->text(), QStringLiteral("собака"));
    }
    Harness h(Course::Language::English, qEnvironmentVariable("VESKORA_FIXTURE_DIR"),
              [](auto &c) { c.loadFails = true; });
    h.speak();
    QCOMPARE(h.characters.requests, QStringList{QStringLiteral("Load Genie Genie.acs")});
}

void TestFrmLexiconEng::entriesTooLongToShowAreLeftOut()
{
    // A tampered dictionary: "hus" grows into a word of over a million characters, and its
    // Russian as well (laying such a word out took minutes).
    QTemporaryDir folder;
    QVERIFY(QFile::copy(qEnvironmentVariable("VESKORA_FIXTURE_DIR") + QStringLiteral("/Lexikon.mdb"),
                        folder.filePath(QStringLiteral("Lexikon.mdb"))));
    QProcess sqlite;
    sqlite.start(QStringLiteral("sqlcipher"), {folder.filePath(QStringLiteral("Lexikon.mdb"))});
    sqlite.write("UPDATE Lang SET Swedish = 'hus' || hex(zeroblob(600000)), Russian = hex(zeroblob(600000)) "
                 "WHERE English = 'house';\n");
    sqlite.closeWriteChannel();
    QVERIFY(sqlite.waitForFinished(30000) && sqlite.exitCode() == 0);

    Harness h(Course::Language::Swedish, folder.path());
    h.window->show();
    QElapsedTimer timer;
    timer.start();
    h.type(QStringLiteral("h"));
    QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
    QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(h.box("txtNative")->text().isEmpty());
    QVERIFY(h.box("txtRussian")->text().isEmpty());
    QVERIFY(h.listedWords().contains(QString()));
    QTRY_VERIFY(h.window->findChild<QMessageBox *>(QStringLiteral("textTooLong")));
    const auto *notice = h.window->findChild<QMessageBox *>(QStringLiteral("textTooLong"));
    QVERIFY2(notice->text().startsWith(QStringLiteral("Ett uppslagsord i ordboken är för långt")),
             qPrintable(notice->text()));
    QVERIFY(!notice->isModal());
    // The other entries are shown as ever, and the learner is told only once.
    h.type(QStringLiteral("un"));
    QCOMPARE(h.box("txtRussian")->text(), QStringLiteral("собака"));
    h.box("txtOrt")->clear();
    h.type(QStringLiteral("hus"));
    QCOMPARE(h.window->findChildren<QMessageBox *>(QStringLiteral("textTooLong")).size(), 1);
}

void TestFrmLexiconEng::everyControlHasAnAccessibleName()
{
    Harness h(Course::Language::Spanish);
    QVERIFY(!h.window->accessibleName().isEmpty());
    const auto widgets = h.window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QVERIFY(widgets.size() >= 10);
    for (const QWidget *widget : widgets)
        QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
    QCOMPARE(h.control<QPushButton>("Command1")->accessibleName(), QStringLiteral("Pronunciar"));
}

QTEST_MAIN(TestFrmLexiconEng)
#include "tst_frmlexiconeng.moc"
