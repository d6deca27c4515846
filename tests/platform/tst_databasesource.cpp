// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QAbstractItemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

#include "course/codepage1251.h"
#include "course/coursefiles.h"
#include "platform/database/datasource.h"
#include "platform/database/sqlcipherdatabaseengine.h"

using namespace Platform;

namespace {

QString fixture(const QString &name)
{
    return qEnvironmentVariable("VESKORA_FIXTURE_DIR") + QLatin1Char('/') + name;
}

QString text(const QWidget *control)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    if (const auto *edit = qobject_cast<const QTextEdit *>(control))
        return edit->toPlainText();
    if (const auto *edit = qobject_cast<const QPlainTextEdit *>(control))
        return edit->toPlainText();
    return qobject_cast<const QLabel *>(control)->text();
}

} // namespace

/// A lesson window's controls bound the way the lesson windows bind them, recording what
/// every control held when each boundTextChanged() arrived.
class LessonControls : public QObject {
    Q_OBJECT
public:
    explicit LessonControls(DataSource &data)
        : m_data(data)
    {
        txtTexten.setObjectName(QStringLiteral("txtTexten"));
        txtNative.setObjectName(QStringLiteral("txtNative"));
        txtRuVoc.setObjectName(QStringLiteral("txtRuVoc"));
        txtPicture.setObjectName(QStringLiteral("txtPicture"));
        txtAnim.setObjectName(QStringLiteral("txtAnim"));
        data.bind(&txtTexten, QStringLiteral("RussianText"));
        data.bind(&txtRuVoc, QStringLiteral("RussianVoc"));
        data.bind(&txtPicture, QStringLiteral("Picture1"));
        data.bind(&txtAnim, QStringLiteral("Animat"));
        data.bind(&txtNative, QStringLiteral("SvenskaText"));
        connect(&data, &DataSource::boundTextChanged, this, &LessonControls::record);
        connect(&txtTexten, &QLineEdit::textChanged, this, [this] { ++ownSignals; });
        connect(&txtNative, &QTextEdit::textChanged, this, [this] { ++ownSignals; });
    }

    void record(QWidget *control)
    {
        changes << control->objectName();
        // At every signal all controls already hold the new record.
        snapshots << QStringList{text(&txtTexten), text(&txtPicture), text(&txtAnim), text(&txtNative)};
        QCOMPARE(text(&txtPicture), m_data.value(QStringLiteral("Picture1")));
    }

    void clear()
    {
        changes.clear();
        snapshots.clear();
    }

    QLineEdit txtTexten;
    QTextEdit txtNative;
    QPlainTextEdit txtRuVoc;
    QLineEdit txtPicture;
    QLabel txtAnim;
    QStringList changes;
    QList<QStringList> snapshots;
    int ownSignals = 0;

private:
    DataSource &m_data;
};

class TestDataSource : public QObject {
    Q_OBJECT

    static constexpr auto kPassword = "vorpentaluki";

    // The lesson windows' sequence: engine open with the password, then the data source
    // with plain "Access".
    static void openLesson(SqlCipherDatabaseEngine &engine, DataSource &data, int lesson)
    {
        QVERIFY(engine.openDatabase({}, false, false,
                                    QStringLiteral(";DATABASE=%1;PWD=%2")
                                        .arg(fixture(QStringLiteral("Russian.mdb")), QLatin1String(kPassword))));
        data.setDatabaseName(fixture(QStringLiteral("Russian.mdb")));
        data.setConnect(QStringLiteral("Access"));
        data.setRecordSource(QStringLiteral("Lektion%1").arg(lesson));
    }

private Q_SLOTS:
    void lessonSequenceOpensTheEncryptedFile()
    {
        SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
        DataSource data(engine);
        data.setDatabaseName(fixture(QStringLiteral("Russian.mdb")));
        data.setConnect(QStringLiteral("Access"));
        data.setRecordSource(QStringLiteral("Lektion2"));
        QCOMPARE(data.refresh().code(), ErrorCode::NotValidPassword);
        QCOMPARE(data.recordCount(), 0);

        openLesson(engine, data, 2);
        QVERIFY(data.refresh().ok());
        QCOMPARE(data.recordCount(), 5);
        QCOMPARE(data.currentRow(), 0);
    }

    void firstRecordFillsAllThenSignals()
    {
        SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
        DataSource data(engine);
        LessonControls controls(data);
        QSignalSpy rows(&data, &DataSource::currentRowChanged);
        openLesson(engine, data, 2);
        QVERIFY(data.refresh().ok());

        QCOMPARE(controls.changes, QStringList({"txtTexten", "txtRuVoc", "txtPicture", "txtAnim", "txtNative"}));
        for (const QStringList &snapshot : std::as_const(controls.snapshots))
            QCOMPARE(snapshot, controls.snapshots.first());
        QCOMPARE(Course::CodePage1251::decode(controls.txtTexten.text()), QStringLiteral("Встреча"));
        QCOMPARE(controls.txtNative.toPlainText(), QStringLiteral("Att träffas"));
        QCOMPARE(controls.txtAnim.text(), QStringLiteral("Greet"));
        QCOMPARE(controls.ownSignals, 0);
        QCOMPARE(rows.count(), 1);
        QCOMPARE(rows.at(0).at(0).toInt(), 0);
    }

    void navigationThroughALesson()
    {
        SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
        DataSource data(engine);
        LessonControls controls(data);
        openLesson(engine, data, 2);
        QVERIFY(data.refresh().ok());
        QSignalSpy rows(&data, &DataSource::currentRowChanged);

        // Back on the first record: nothing moves, nothing is refilled.
        controls.clear();
        QVERIFY(data.movePrevious().ok());
        QCOMPARE(data.currentRow(), 0);
        QVERIFY(controls.changes.isEmpty());
        QCOMPARE(rows.count(), 0);
        QVERIFY(!data.bof() && !data.eof());

        QVERIFY(data.moveNext().ok());
        QCOMPARE(controls.changes.first(), QStringLiteral("txtTexten"));

        // Two records with the same Russian text: the text box is not signalled.
        controls.clear();
        QVERIFY(data.moveNext().ok());
        QCOMPARE(data.currentRow(), 2);
        QVERIFY(!controls.changes.contains(QStringLiteral("txtTexten")));
        QVERIFY(controls.changes.contains(QStringLiteral("txtPicture")));
        QCOMPARE(controls.txtPicture.text(), QStringLiteral("triangle.svg"));

        // Last, then Next on the last record stays there; Back shows the one before it.
        controls.clear();
        QVERIFY(data.moveLast().ok());
        QCOMPARE(data.currentRow(), 4);
        QCOMPARE(Course::CodePage1251::decode(controls.txtTexten.text()), QStringLiteral("До свидания!"));
        controls.clear();
        const int signalled = int(rows.count());
        QVERIFY(data.moveNext().ok());
        QVERIFY(data.moveNext().ok());
        QCOMPARE(data.currentRow(), 4);
        QVERIFY(controls.changes.isEmpty());
        QCOMPARE(rows.count(), signalled);
        QVERIFY(data.movePrevious().ok());
        QCOMPARE(data.currentRow(), 3);
        QVERIFY(Course::CodePage1251::decode(controls.txtTexten.text()).size() > 100);

        QVERIFY(data.moveTo(1).ok());
        QCOMPARE(controls.txtPicture.text(), QStringLiteral("square.svg"));
        QCOMPARE(data.moveTo(5).code(), ErrorCode::NoCurrentRecord);
        QCOMPARE(data.currentRow(), 1);
        QCOMPARE(controls.ownSignals, 0);
    }

    void oneAndNoRecords()
    {
        SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
        DataSource data(engine);
        QLineEdit txtNative;
        QLineEdit txtRussian;
        data.bind(&txtNative, QStringLiteral("Swedish"));
        data.bind(&txtRussian, QStringLiteral("Russian"));
        QSignalSpy changed(&data, &DataSource::boundTextChanged);
        data.setDatabaseName(fixture(QStringLiteral("Lexikon.mdb")));
        data.setConnect(QStringLiteral("Access"));

        data.setRecordSource(QStringLiteral("SELECT Swedish, Russian FROM Lang  where Swedish Like\"hur\""));
        QVERIFY(data.refresh().ok());
        QCOMPARE(data.recordCount(), 1);
        QCOMPARE(txtNative.text(), QStringLiteral("hur"));
        QCOMPARE(changed.count(), 2);
        QVERIFY(data.moveNext().ok());
        QVERIFY(data.movePrevious().ok());
        QVERIFY(data.moveLast().ok());
        QCOMPARE(data.currentRow(), 0);
        QCOMPARE(changed.count(), 2);

        // A search that finds nothing empties the boxes.
        data.setRecordSource(QStringLiteral("SELECT Swedish, Russian FROM Lang  where Swedish Like\"zzz*\""));
        QVERIFY(data.refresh().ok());
        QCOMPARE(data.recordCount(), 0);
        QVERIFY(data.bof() && data.eof());
        QCOMPARE(data.currentRow(), -1);
        QVERIFY(txtNative.text().isEmpty());
        QVERIFY(txtRussian.text().isEmpty());
        QCOMPARE(changed.count(), 4);
        QCOMPARE(data.moveNext().code(), ErrorCode::NoCurrentRecord);
        QCOMPARE(data.moveLast().code(), ErrorCode::NoCurrentRecord);
        QVERIFY(data.value(QStringLiteral("Swedish")).isEmpty());
        QCOMPARE(data.model()->rowCount(), 0);
        // Already empty: no signal for the same emptiness again.
        QVERIFY(data.refresh().ok());
        QCOMPARE(changed.count(), 4);
    }

    void failuresEmptyTheControls_data()
    {
        QTest::addColumn<QString>("database");
        QTest::addColumn<QString>("source");
        QTest::addColumn<qint64>("error");
        QTest::newRow("missing database") << "Nothing.mdb"
                                          << "Lang" << ErrorCode::FileNotFound;
        QTest::newRow("missing table") << "Lexikon.mdb"
                                       << "Lektion7" << ErrorCode::TableNotFound;
        QTest::newRow("no record source") << "Lexikon.mdb"
                                          << "" << ErrorCode::TableNotFound;
        QTest::newRow("bad pattern") << "Lexikon.mdb"
                                     << "SELECT Swedish FROM Lang  where Swedish Like\"[*\"" << ErrorCode::SyntaxError;
        QTest::newRow("stray quote") << "Lexikon.mdb"
                                     << "SELECT Swedish FROM Lang  where Swedish Like\"a\"b*\""
                                     << ErrorCode::SyntaxError;
    }

    void failuresEmptyTheControls()
    {
        QFETCH(QString, database);
        QFETCH(QString, source);
        SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
        DataSource data(engine);
        QLineEdit box;
        data.bind(&box, QStringLiteral("Swedish"));
        data.setDatabaseName(fixture(QStringLiteral("Lexikon.mdb")));
        data.setRecordSource(QStringLiteral("Lang"));
        QVERIFY(data.refresh().ok());
        QCOMPARE(box.text(), QStringLiteral("hus"));
        QSignalSpy changed(&data, &DataSource::boundTextChanged);

        data.setDatabaseName(fixture(database));
        data.setRecordSource(source);
        const Status status = data.refresh();
        QVERIFY(status.failed());
        QTEST(status.error().code, "error");
        QVERIFY(box.text().isEmpty());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(data.recordCount(), 0);
        QCOMPARE(data.model()->rowCount(), 0);
    }

    void bindingChanges()
    {
        SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
        DataSource data(engine);
        LessonControls controls(data);
        openLesson(engine, data, 5);
        QCOMPARE(data.boundField(&controls.txtNative), QStringLiteral("SvenskaText"));
        data.bind(&controls.txtNative, QStringLiteral("DeutchText"));
        data.bind(&controls.txtRuVoc, QString());
        QCOMPARE(data.boundField(&controls.txtRuVoc), QString());
        QVERIFY(data.refresh().ok());
        QCOMPARE(controls.txtNative.toPlainText(), QStringLiteral("Die Familie"));
        QVERIFY(controls.txtRuVoc.toPlainText().isEmpty());
        QVERIFY(!controls.changes.contains(QStringLiteral("txtRuVoc")));

        // A control that goes away is simply no longer filled.
        auto *extra = new QLineEdit;
        data.bind(extra, QStringLiteral("EnglishText"));
        QVERIFY(data.moveNext().ok());
        QCOMPARE(extra->text(), QStringLiteral("This is my mother."));
        delete extra;
        QVERIFY(data.moveNext().ok());
        QCOMPARE(controls.txtNative.toPlainText(), QStringLiteral("Das ist mein Vater."));
    }

    // A window may close (and delete its data source) from inside a change handler.
    void listenerMayDeleteTheDataSource()
    {
        SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
        auto *data = new DataSource(engine);
        QLineEdit first, second;
        data->bind(&first, QStringLiteral("English"));
        data->bind(&second, QStringLiteral("Swedish"));
        data->setDatabaseName(fixture(QStringLiteral("Lexikon.mdb")));
        data->setRecordSource(QStringLiteral("Lang"));
        int heard = 0;
        connect(data, &DataSource::boundTextChanged, this, [&heard, data] {
            ++heard;
            delete data;
        });
        data->refresh();
        QCOMPARE(heard, 1);
        QCOMPARE(second.text(), QStringLiteral("hus"));
    }

    void modelFollowsTheRecordSet()
    {
        SqlCipherDatabaseEngine engine{Course::Files::kKeyRounds};
        DataSource data(engine);
        data.setDatabaseName(fixture(QStringLiteral("Lexikon.mdb")));
        data.setConnect(QStringLiteral("Access"));
        data.setRecordSource(QStringLiteral("SELECT Swedish, Russian FROM Lang  where Swedish Like\"hu*\""));
        QAbstractItemModel *model = data.model();
        QSignalSpy resets(model, &QAbstractItemModel::modelReset);
        QVERIFY(data.refresh().ok());
        QVERIFY(resets.count() >= 1);
        QCOMPARE(model->rowCount(), 10);
        QCOMPARE(model->columnCount(), 2);
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Swedish"));
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Russian"));
        QCOMPARE(model->index(9, 0).data().toString(), QStringLiteral("HULIGAN"));
        QCOMPARE(Course::CodePage1251::decode(model->index(0, 1).data().toString()), QStringLiteral("дом (м.р.)"));
        QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("hus"));
        QVERIFY(!(model->flags(model->index(0, 0)) & Qt::ItemIsEditable));

        // A grid click makes the row current.
        QVERIFY(data.moveTo(9).ok());
        QCOMPARE(data.value(QStringLiteral("Swedish")), QStringLiteral("HULIGAN"));

        data.setRecordSource(QStringLiteral("Lang"));
        QVERIFY(data.refresh().ok());
        QCOMPARE(model->rowCount(), 41);
        QCOMPARE(model->columnCount(), 7);
    }
};

QTEST_MAIN(TestDataSource)
#include "tst_databasesource.moc"
