// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
// The report engine end to end: rows picked by the formula, the document it builds, where
// it sends it, and the failures it reports instead of printing.
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include "course/coursefiles.h"
#include "platform/database/databaseengine.h"
#include "platform/database/sqlcipherdatabaseengine.h"
#include "platform/report/reportdocument.h"
#include "platform/report/reportengineqt.h"
#include "platform/ui/markfont.h"

using namespace Platform;

namespace {

/// A database engine over rows held in memory: one table, "Kursen" unless told otherwise.
class FakeDatabaseEngine final : public DatabaseEngine {
public:
    QStringList fields{QStringLiteral("Lektion"), QStringLiteral("Nr"), QStringLiteral("RussianText"),
                       QStringLiteral("EnglishText"), QStringLiteral("DeutchText")};
    QList<QStringList> rows;
    QString table = QStringLiteral("Kursen");
    std::optional<Error> openError;
    QStringList opens;

    Result<std::shared_ptr<Database>> openDatabase(const QString &name, bool, bool readOnly,
                                                   const QString &connect) override
    {
        opens.append(name + u'|' + connect + u'|' + (readOnly ? QStringLiteral("ro") : QStringLiteral("rw")));
        if (openError)
            return *openError;
        return std::shared_ptr<Database>(std::make_shared<FakeDatabase>(*this, name));
    }

private:
    class FakeRecordset final : public Recordset {
    public:
        explicit FakeRecordset(const FakeDatabaseEngine &engine)
            : m_engine(engine)
        {
        }
        QStringList fieldNames() const override { return m_engine.fields; }
        int recordCount() const override { return int(m_engine.rows.size()); }
        bool bof() const override { return m_row < 0; }
        bool eof() const override { return m_row >= recordCount(); }
        int position() const override { return bof() || eof() ? -1 : m_row; }
        Status moveFirst() override { return moveTo(0); }
        Status moveLast() override { return moveTo(recordCount() - 1); }
        Status moveNext() override { return moveTo(m_row + 1); }
        Status movePrevious() override { return moveTo(m_row - 1); }
        Status moveTo(int row) override
        {
            m_row = row;
            return ok();
        }
        Result<QString> value(const QString &field) const override { return valueAt(m_row, field); }
        Result<QString> valueAt(int row, const QString &field) const override
        {
            const qsizetype column = m_engine.fields.indexOf(field);
            if (row < 0 || row >= recordCount() || column < 0)
                return Error{ErrorCode::NoCurrentRecord, QStringLiteral("no such value")};
            return m_engine.rows.at(row).value(column);
        }

    private:
        const FakeDatabaseEngine &m_engine;
        int m_row = 0;
    };

    class FakeDatabase final : public Database {
    public:
        FakeDatabase(const FakeDatabaseEngine &engine, QString path)
            : m_engine(engine)
            , m_path(std::move(path))
        {
        }
        QString path() const override { return m_path; }
        QStringList tableNames() const override { return {m_engine.table}; }
        Result<std::unique_ptr<Recordset>> openRecordset(const QString &source) override
        {
            if (source != m_engine.table)
                return Error{ErrorCode::TableNotFound, QStringLiteral("no table %1").arg(source)};
            return std::unique_ptr<Recordset>(std::make_unique<FakeRecordset>(m_engine));
        }

    private:
        const FakeDatabaseEngine &m_engine;
        QString m_path;
    };
};

QStringList tableColumn(const QTextDocument &document, int column)
{
    QStringList cells;
    for (QTextFrame *frame : document.rootFrame()->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(frame)) {
            for (int row = 0; row < table->rows(); ++row) {
                const QTextTableCell cell = table->cellAt(row, column);
                QTextCursor cursor = cell.firstCursorPosition();
                cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
                cells.append(cursor.selectedText());
            }
        }
    }
    return cells;
}

QString collapse(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")).trimmed();
}

/// The text pdftotext finds in \a pdf, in drawing order, blanks collapsed.
QString pdfText(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-raw"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return collapse(QString::fromUtf8(process.readAllStandardOutput()));
}

} // namespace

class TestReportEngine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void selectsSortsAndLabelsRows();
    void formulaWithOrAndParentheses();
    void textFilterRewritesItsColumnOnly();
    void connectIsPassedReadOnly_data();
    void connectIsPassedReadOnly();
    void failures_data();
    void failures();
    void databaseErrorsReachTheCaller();
    void oversizedDataIsRefused_data();
    void oversizedDataIsRefused();
    void noPrinterIsAnError();
    void previewIsModelessAndReplaced();
    void pdfHoldsCyrillicText();
    void layoutCannotChooseWhereThePdfGoes();
    void pdfFromCompiledPrintDatabase();
    void wrongPasswordOnAnEncryptedDatabase();

private:
    void writeLayout(const QString &extra = {});

    QTemporaryDir m_dir;
    FakeDatabaseEngine m_databases;
    QString m_layout;
    QString m_data;
};

void TestReportEngine::init()
{
    QVERIFY(m_dir.isValid());
    qunsetenv("VESKORA_REPORT_PDF");
    m_databases = FakeDatabaseEngine();
    m_databases.rows = {
        {"7", "2", "Как дела?", "How are you?", "Wie geht's?"},
        {"3", "1", "Привет", "Hello", "Hallo"},
        {"7", "10", "Спасибо", "Thank you", "Danke"},
        {"7", "1", "Здравствуйте", "Good day", "Guten Tag"},
        {"17", "1", "Нет", "No", "Nein"},
    };
    m_layout = m_dir.filePath(QStringLiteral("report4.rpt"));
    m_data = m_dir.filePath(QStringLiteral("Print.mdb"));
    QFile data(m_data);
    QVERIFY(data.open(QIODevice::WriteOnly));
    writeLayout();
}

void TestReportEngine::cleanup()
{
    qunsetenv("VESKORA_REPORT_PDF");
}

void TestReportEngine::writeLayout(const QString &extra)
{
    QFile file(m_layout);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QStringLiteral("format veskora-report 1\n"
                              "language German\n"
                              "title \"Russisch – Lektion {lesson}\"\n"
                              "header \"Kopf {lesson}\"\n"
                              "footer \"Seite {page} von {pages}\"\n"
                              "column Nr \"Nr.\" 10\n"
                              "column RussianText \"Russisch\" 45\n"
                              "column DeutchText \"Deutsch\" 45\n"
                              "sort Nr\n")
                   .toUtf8()
               + extra.toUtf8());
}

void TestReportEngine::selectsSortsAndLabelsRows()
{
    qputenv("VESKORA_REPORT_PDF", m_dir.filePath(QStringLiteral("out.pdf")).toUtf8());
    ReportEngineQt engine(m_databases);
    engine.setDataFiles(m_data);
    engine.setConnect(QStringLiteral("PWD=vorpentaluki"));
    engine.setReportFileName(m_layout);
    engine.replaceSelectionFormula(QStringLiteral("{Kursen.Lektion} ='7'"));
    const Status status = engine.printReport();
    QVERIFY2(status.ok(), qPrintable(status.failed() ? status.error().detail : QString()));
    QVERIFY(engine.lastReport());
    const QTextDocument &document = engine.lastReport()->document();
    // Numbers sort as numbers: 1, 2, 10 (not 1, 10, 2); lessons 3 and 17 are left out.
    QCOMPARE(tableColumn(document, 0), (QStringList{"Nr.", "1", "2", "10"}));
    QCOMPARE(tableColumn(document, 1), (QStringList{"Russisch", "Здравствуйте", "Как дела?", "Спасибо"}));
    QCOMPARE(tableColumn(document, 2), (QStringList{"Deutsch", "Guten Tag", "Wie geht's?", "Danke"}));
    QVERIFY(document.toPlainText().startsWith(QStringLiteral("Russisch – Lektion 7")));
    QCOMPARE(engine.lastReport()->lesson(), QStringLiteral("7"));
}

void TestReportEngine::formulaWithOrAndParentheses()
{
    qputenv("VESKORA_REPORT_PDF", m_dir.filePath(QStringLiteral("out.pdf")).toUtf8());
    ReportEngineQt engine(m_databases);
    engine.setDataFiles(m_data);
    engine.setReportFileName(m_layout);
    engine.replaceSelectionFormula(
        QStringLiteral("({Kursen.Lektion} ='3' or {Kursen.Lektion} ='17') AND {Kursen.Nr} = 1"));
    QVERIFY(engine.printReport().ok());
    QCOMPARE(tableColumn(engine.lastReport()->document(), 1), (QStringList{"Russisch", "Привет", "Нет"}));
    QCOMPARE(engine.lastReport()->lesson(), QStringLiteral("3, 17"));
}

void TestReportEngine::textFilterRewritesItsColumnOnly()
{
    qputenv("VESKORA_REPORT_PDF", m_dir.filePath(QStringLiteral("out.pdf")).toUtf8());
    ReportEngineQt engine(m_databases);
    engine.setDataFiles(m_data);
    engine.setReportFileName(m_layout);
    engine.replaceSelectionFormula(QStringLiteral("{Kursen.Lektion} ='3' or {Kursen.Lektion} ='17'"));
    // The field is named in another case than the layout's; the filter sees each row's lesson.
    engine.setTextFilter(QStringLiteral("russiantext"), [](const QString &text, const QString &lesson) {
        return text.left(2) + QChar(0x0301) + text.mid(2) + u'/' + lesson;
    });
    QVERIFY(engine.printReport().ok());
    const QTextDocument &document = engine.lastReport()->document();
    QCOMPARE(tableColumn(document, 1), (QStringList{"Russisch", "Пр\u0301ивет/3", "Не\u0301т/17"}));
    QCOMPARE(tableColumn(document, 2), (QStringList{"Deutsch", "Hallo", "Nein"}));
    // A marked cell is set in a face that puts the mark over its letter, whatever the
    // layout's font does with it.
    const QTextCursor marked = document.find(QStringLiteral("Пр\u0301ивет"));
    QVERIFY(!marked.isNull());
    QVERIFY(placesMarks(marked.charFormat().font()));

    engine.setTextFilter(QStringLiteral("RussianText"), {});
    QVERIFY(engine.printReport().ok());
    QCOMPARE(tableColumn(engine.lastReport()->document(), 1), (QStringList{"Russisch", "Привет", "Нет"}));
}

void TestReportEngine::connectIsPassedReadOnly_data()
{
    QTest::addColumn<QString>("connect");
    QTest::addColumn<QString>("passed");
    QTest::newRow("as the print entry sets it") << "PWD=vorpentaluki"
                                                << ";PWD=vorpentaluki";
    QTest::newRow("already with ;") << ";PWD=x"
                                    << ";PWD=x";
    QTest::newRow("none") << ""
                          << "";
}

void TestReportEngine::connectIsPassedReadOnly()
{
    QFETCH(QString, connect);
    QFETCH(QString, passed);
    qputenv("VESKORA_REPORT_PDF", m_dir.filePath(QStringLiteral("out.pdf")).toUtf8());
    ReportEngineQt engine(m_databases);
    engine.setDataFiles(m_data);
    engine.setConnect(connect);
    engine.setReportFileName(m_layout);
    QVERIFY(engine.printReport().ok());
    QCOMPARE(m_databases.opens, QStringList{m_data + u'|' + passed + QStringLiteral("|ro")});
}

void TestReportEngine::failures_data()
{
    QTest::addColumn<QString>("layoutExtra");
    QTest::addColumn<QString>("formula");
    QTest::addColumn<bool>("layoutMissing");
    QTest::addColumn<bool>("dataMissing");
    QTest::addColumn<qint64>("code");
    QTest::addColumn<QString>("detailPart");

    QTest::newRow("missing layout") << ""
                                    << "" << true << false << ErrorCode::FileNotFound << "report4.rpt";
    QTest::newRow("missing data file") << ""
                                       << "" << false << true << ErrorCode::FileNotFound << "Print.mdb";
    QTest::newRow("bad formula") << ""
                                 << "{Kursen.Lektion} == '7'" << false << false << ErrorCode::SyntaxError << "column";
    QTest::newRow("bad formula wins over missing data")
        << ""
        << "{Kursen.Lektion ='7'" << false << true << ErrorCode::SyntaxError << "closing";
    QTest::newRow("formula names another table")
        << ""
        << "{Lang.Lektion} ='7'" << false << false << ErrorCode::SyntaxError << "table Lang";
    QTest::newRow("formula names a missing field")
        << ""
        << "{Kursen.Lesson} ='7'" << false << false << ErrorCode::SyntaxError << "Lesson";
    QTest::newRow("layout prints a missing field")
        << "column Picture1 P 10\n"
        << "" << false << false << ReportErrorCode::LayoutInvalid << "Picture1";
    QTest::newRow("layout sorts by a missing field")
        << "sort Order\n"
        << "" << false << false << ReportErrorCode::LayoutInvalid << "Order";
    QTest::newRow("layout reads a missing table") << "table Lektion7\n"
                                                  << "" << false << false << ErrorCode::TableNotFound << "Lektion7";
    QTest::newRow("layout not in the format") << "{garbage}\n"
                                              << "" << false << false << ReportErrorCode::LayoutInvalid << "line 10";
    // Texts that would take minutes to lay out are refused before any layout.
    QTest::newRow("title of 200,000 characters")
        << "title \"" + QString(200000, u'x') + "\"\n"
        << "" << false << false << ReportErrorCode::LayoutInvalid << "line 10: a text of 200000 characters";
    QTest::newRow("layout file too large")
        << "# " + QString(300 * 1024, u'x') + "\n"
        << "" << false << false << ReportErrorCode::LayoutInvalid << "larger than 262144 bytes";
}

void TestReportEngine::failures()
{
    QFETCH(QString, layoutExtra);
    QFETCH(QString, formula);
    QFETCH(bool, layoutMissing);
    QFETCH(bool, dataMissing);
    QFETCH(qint64, code);
    QFETCH(QString, detailPart);

    writeLayout(layoutExtra);
    if (layoutMissing)
        QFile::remove(m_layout);
    if (dataMissing)
        QFile::remove(m_data);
    const QString pdf = m_dir.filePath(QStringLiteral("failed.pdf"));
    qputenv("VESKORA_REPORT_PDF", pdf.toUtf8());
    ReportEngineQt engine(m_databases);
    engine.setDataFiles(m_data);
    engine.setConnect(QStringLiteral("PWD=vorpentaluki"));
    engine.setReportFileName(m_layout);
    engine.replaceSelectionFormula(formula);
    const Status status = engine.printReport();
    QVERIFY(status.failed());
    QCOMPARE(status.error().code, code);
    QVERIFY2(status.error().detail.contains(detailPart), qPrintable(status.error().detail));
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(!engine.lastReport());
}

void TestReportEngine::oversizedDataIsRefused_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cellLength");
    QTest::addColumn<QString>("detailPart");
    QTest::newRow("cell of a million characters")
        << 1 << 1000000 << "field RussianText of record 6 holds 1000000 characters";
    QTest::newRow("more rows than a report prints") << ReportEngineQt::kMaxRows + 1 << 10 << "more than 10000 rows";
}

void TestReportEngine::oversizedDataIsRefused()
{
    QFETCH(int, rows);
    QFETCH(int, cellLength);
    QFETCH(QString, detailPart);
    for (int i = 0; i < rows; ++i)
        m_databases.rows.append({"7", QString::number(100 + i), QString(cellLength, u'ы'), "", ""});
    const QString pdf = m_dir.filePath(QStringLiteral("large.pdf"));
    qputenv("VESKORA_REPORT_PDF", pdf.toUtf8());
    ReportEngineQt engine(m_databases);
    engine.setDataFiles(m_data);
    engine.setReportFileName(m_layout);
    engine.replaceSelectionFormula(QStringLiteral("{Kursen.Lektion} ='7'"));
    const Status status = engine.printReport();
    QCOMPARE(status.code(), ReportErrorCode::TooLarge);
    QVERIFY2(status.error().detail.contains(detailPart), qPrintable(status.error().detail));
    QVERIFY(!QFile::exists(pdf));
}

void TestReportEngine::databaseErrorsReachTheCaller()
{
    m_databases.openError = Error{ErrorCode::NotValidPassword, QStringLiteral("not a valid password")};
    qputenv("VESKORA_REPORT_PDF", m_dir.filePath(QStringLiteral("out.pdf")).toUtf8());
    ReportEngineQt engine(m_databases);
    engine.setDataFiles(m_data);
    engine.setConnect(QStringLiteral("PWD=wrong"));
    engine.setReportFileName(m_layout);
    const Status status = engine.printReport();
    QVERIFY(status.failed());
    QCOMPARE(status.error().code, ErrorCode::NotValidPassword);
    QVERIFY(status.error().detail.contains(m_data));
}

void TestReportEngine::noPrinterIsAnError()
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("this machine has a printer");
    writeLayout(QStringLiteral("destination printer\n"));
    ReportEngineQt engine(m_databases);
    engine.setDataFiles(m_data);
    engine.setReportFileName(m_layout);
    const Status status = engine.printReport();
    QVERIFY(status.failed());
    QCOMPARE(status.error().code, ReportErrorCode::NoPrinter);
}

void TestReportEngine::previewIsModelessAndReplaced()
{
    ReportEngineQt engine(m_databases);
    engine.setDataFiles(m_data);
    engine.setReportFileName(m_layout);
    engine.replaceSelectionFormula(QStringLiteral("{Kursen.Lektion} ='7'"));
    QVERIFY(engine.printReport().ok());
    QPointer<QPrintPreviewDialog> first = engine.previewDialog();
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QVERIFY(!first->isModal());

    engine.replaceSelectionFormula(QStringLiteral("{Kursen.Lektion} ='3'"));
    QVERIFY(engine.printReport().ok());
    QVERIFY(first.isNull());
    QVERIFY(engine.previewDialog() && engine.previewDialog()->isVisible());
    QCOMPARE(tableColumn(engine.lastReport()->document(), 1), (QStringList{"Russisch", "Привет"}));
    // Closing the preview releases it.
    engine.previewDialog()->close();
    QTRY_VERIFY(!engine.previewDialog());
}

void TestReportEngine::pdfHoldsCyrillicText()
{
    // Enough rows for several pages, so the header and footer repeat with page numbers.
    m_databases.rows.clear();
    for (int i = 1; i <= 80; ++i)
        m_databases.rows.append({"5", QString::number(i),
                                 QStringLiteral("Съешь ещё этих мягких французских булок %1").arg(i), "",
                                 QStringLiteral("Satz %1").arg(i)});
    const QString pdf = m_dir.filePath(QStringLiteral("lesson.pdf"));
    writeLayout(QStringLiteral("destination pdf Lektion.pdf\n"));
    ReportEngineQt engine(m_databases);
    QString suggested;
    engine.setPdfFileChooser([&](const QString &name) {
        suggested = name;
        return pdf;
    });
    engine.setDataFiles(m_data);
    engine.setReportFileName(m_layout);
    engine.replaceSelectionFormula(QStringLiteral("{Kursen.Lektion} ='5'"));
    const Status status = engine.printReport();
    QVERIFY2(status.ok(), qPrintable(status.failed() ? status.error().detail : QString()));
    QCOMPARE(engine.lastPdfPath(), pdf);
    QCOMPARE(suggested, QStringLiteral("Lektion.pdf"));
    const int pages = engine.lastReport()->pageCount();
    QVERIFY2(pages >= 2, qPrintable(QString::number(pages)));

    const QString text = pdfText(pdf);
    QVERIFY2(text.contains(QStringLiteral("Съешь ещё этих мягких французских булок 1 ")), qPrintable(text.left(300)));
    QVERIFY(text.contains(QStringLiteral("Съешь ещё этих мягких французских булок 80")));
    QVERIFY(text.contains(QStringLiteral("Satz 80")));
    QVERIFY(text.contains(QStringLiteral("Kopf 5")));
    QVERIFY(text.contains(QStringLiteral("Seite 1 von %1").arg(pages)));
    QVERIFY(text.contains(QStringLiteral("Seite %1 von %1").arg(pages)));
}

void TestReportEngine::layoutCannotChooseWhereThePdfGoes()
{
    // A layout naming a file of the learner's, or a folder that is not there, writes
    // neither: the PDF goes where the learner chooses, and a cancelled choice prints nothing.
    const QString victim = m_dir.filePath(QStringLiteral("notes.txt"));
    QFile file(victim);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("the learner's notes");
    file.close();
    const QString chosen = m_dir.filePath(QStringLiteral("chosen.pdf"));
    for (const QString &named : {victim, m_dir.filePath(QStringLiteral("new/folder/out.pdf"))}) {
        writeLayout(QStringLiteral("destination pdf \"%1\"\n").arg(named));
        ReportEngineQt engine(m_databases);
        QStringList answers{QString(), chosen};
        engine.setPdfFileChooser([&](const QString &) { return answers.takeFirst(); });
        engine.setDataFiles(m_data);
        engine.setReportFileName(m_layout);
        engine.replaceSelectionFormula(QStringLiteral("{Kursen.Lektion} ='5'"));
        QVERIFY(engine.printReport().ok());
        QVERIFY(engine.lastPdfPath().isEmpty());
        QVERIFY(!QFile::exists(chosen));
        QVERIFY(engine.printReport().ok());
        QCOMPARE(engine.lastPdfPath(), chosen);
        QVERIFY(QFile::remove(chosen));
    }
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("the learner's notes"));
    QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("new"))));
}

void TestReportEngine::pdfFromCompiledPrintDatabase()
{
    // The fixture course's lesson 12, compiled by the content compiler, printed with the
    // shipped German layout; the lesson source is the independent record of what to expect.
    const QString printDatabase = qEnvironmentVariable("VESKORA_FIXTURE_DIR") + QStringLiteral("/Print.mdb");
    const QString source =
        qEnvironmentVariable("VESKORA_SOURCE_DIR") + QStringLiteral("/tests/testdata/course/lessons/lesson12.txt");
    if (!QFile::exists(printDatabase))
        QSKIP("the fixture course is not built");
    QFile lesson(source);
    QVERIFY(lesson.open(QIODevice::ReadOnly));
    QStringList russian;
    QStringList german;
    for (const QString &line : QString::fromUtf8(lesson.readAll()).split(u'\n')) {
        if (line.startsWith(u"ru: "))
            russian.append(collapse(line.mid(4)));
        else if (line.startsWith(u"de: "))
            german.append(collapse(line.mid(4)));
    }
    QVERIFY(!russian.isEmpty());
    QCOMPARE(german.size(), russian.size());

    const QString pdf = m_dir.filePath(QStringLiteral("lesson12.pdf"));
    qputenv("VESKORA_REPORT_PDF", pdf.toUtf8());
    SqlCipherDatabaseEngine databases{Course::Files::kKeyRounds};
    ReportEngineQt engine(databases);
    engine.setDataFiles(printDatabase);
    engine.setConnect(QStringLiteral("PWD=vorpentaluki"));
    engine.setReportFileName(qEnvironmentVariable("VESKORA_SOURCE_DIR") + QStringLiteral("/data/reports/report4.rpt"));
    engine.replaceSelectionFormula(QStringLiteral("{Kursen.Lektion} ='12'"));
    const Status status = engine.printReport();
    QVERIFY2(status.ok(), qPrintable(status.failed() ? status.error().detail : QString()));

    const QString text = pdfText(pdf);
    QVERIFY(text.contains(QStringLiteral("Russisch — Lektion 12")));
    for (const QString &sentence : russian)
        QVERIFY2(text.contains(sentence), qPrintable(sentence));
    for (const QString &sentence : german)
        QVERIFY2(text.contains(sentence), qPrintable(sentence));
    QCOMPARE(tableColumn(engine.lastReport()->document(), 1).size(), russian.size() + 1);
}

void TestReportEngine::wrongPasswordOnAnEncryptedDatabase()
{
    // The print database is plain, so any password opens it; an encrypted file handed to the
    // engine with the wrong password must fail as such, not print an empty report.
    const QString encrypted = qEnvironmentVariable("VESKORA_FIXTURE_DIR") + QStringLiteral("/Russian.mdb");
    if (!QFile::exists(encrypted))
        QSKIP("the fixture course is not built");
    const QString pdf = m_dir.filePath(QStringLiteral("never.pdf"));
    qputenv("VESKORA_REPORT_PDF", pdf.toUtf8());
    SqlCipherDatabaseEngine databases{Course::Files::kKeyRounds};
    ReportEngineQt engine(databases);
    engine.setDataFiles(encrypted);
    engine.setConnect(QStringLiteral("PWD=not-the-password"));
    engine.setReportFileName(m_layout);
    const Status status = engine.printReport();
    QVERIFY(status.failed());
    QCOMPARE(status.error().code, ErrorCode::NotValidPassword);
    QVERIFY(!QFile::exists(pdf));
}

QTEST_MAIN(TestReportEngine)
#include "tst_reportengine.moc"
