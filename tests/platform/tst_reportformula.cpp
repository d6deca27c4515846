// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
// The report engine's two small languages: the record-selection formula and the layout file.
#include <QDir>
#include <QHash>
#include <QTest>

#include "platform/report/reportengine.h"
#include "platform/report/reportlayout.h"
#include "platform/report/selectionformula.h"

using Platform::ReportLayout;
using Platform::SelectionFormula;

class TestReportFormula : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void selects_data();
    void selects();
    void rejects_data();
    void rejects();
    void layoutParses();
    void layoutDestinations_data();
    void layoutDestinations();
    void layoutRejects_data();
    void layoutRejects();
    void shippedLayoutsParse_data();
    void shippedLayoutsParse();
};

using Record = QHash<QString, QString>;

void TestReportFormula::selects_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("lesson");
    QTest::addColumn<QString>("nr");
    QTest::addColumn<bool>("selected");

    QTest::newRow("the print entry's own form") << "{Kursen.Lektion} ='7'"
                                                << "7"
                                                << "1" << true;
    QTest::newRow("other lesson") << "{Kursen.Lektion} ='7'"
                                  << "17"
                                  << "1" << false;
    QTest::newRow("text compares exactly") << "{Kursen.Lektion} ='7'"
                                           << "07"
                                           << "1" << false;
    QTest::newRow("blanks everywhere") << "  {Kursen.Lektion}='12'  "
                                       << "12"
                                       << "1" << true;
    QTest::newRow("double quotes") << "{Kursen.Lektion} = \"3\""
                                   << "3"
                                   << "1" << true;
    QTest::newRow("not equal") << "{Kursen.Lektion} <> '3'"
                               << "4"
                               << "1" << true;
    QTest::newRow("not equal, same") << "{Kursen.Lektion} <> '3'"
                                     << "3"
                                     << "1" << false;
    QTest::newRow("number compares numerically") << "{Kursen.Nr} = 2"
                                                 << "1"
                                                 << " 02" << true;
    QTest::newRow("number against text") << "{Kursen.Nr} = 2"
                                         << "1"
                                         << "two" << false;
    QTest::newRow("and") << "{Kursen.Lektion} ='1' AND {Kursen.Nr} ='2'"
                         << "1"
                         << "2" << true;
    QTest::newRow("and, one false") << "{Kursen.Lektion} ='1' and {Kursen.Nr} ='3'"
                                    << "1"
                                    << "2" << false;
    QTest::newRow("or") << "{Kursen.Lektion} ='1' Or {Kursen.Lektion} ='2'"
                        << "2"
                        << "1" << true;
    QTest::newRow("and binds tighter than or") << "{Kursen.Lektion} ='9' OR {Kursen.Lektion} ='1' AND {Kursen.Nr} ='5'"
                                               << "1"
                                               << "2" << false;
    QTest::newRow("parentheses change it") << "({Kursen.Lektion} ='9' OR {Kursen.Lektion} ='1') AND {Kursen.Nr} ='2'"
                                           << "1"
                                           << "2" << true;
    QTest::newRow("nested parentheses") << "(({Kursen.Lektion} ='1'))"
                                        << "1"
                                        << "2" << true;
    QTest::newRow("doubled quote inside text") << "{Kursen.Lektion} ='a''b'"
                                               << "a'b"
                                               << "1" << true;
    QTest::newRow("empty selects all") << ""
                                       << "5"
                                       << "1" << true;
    QTest::newRow("blank selects all") << "   "
                                       << "5"
                                       << "1" << true;
    // A number too large for 64 bits must not read as 0 and pick the wrong rows.
    QTest::newRow("huge number, zero") << "{Kursen.Nr} = 99999999999999999999"
                                       << "1"
                                       << "0" << false;
    QTest::newRow("huge number, itself") << "{Kursen.Nr} = 99999999999999999999"
                                         << "1"
                                         << "99999999999999999999" << true;
    QTest::newRow("other digits, zero") << "{Kursen.Nr} = \u0663"
                                        << "1"
                                        << "0" << false;
    QTest::newRow("deepest nesting") << QString(u'(').repeated(64) + "{Kursen.Lektion} ='1'"
            + QString(u')').repeated(64)
                                     << "1"
                                     << "2" << true;
    QTest::newRow("longest chain") << QStringList(1000, QStringLiteral("{Kursen.Lektion} ='1'")).join(" AND ") << "1"
                                   << "2" << true;
}

void TestReportFormula::selects()
{
    QFETCH(QString, formula);
    QFETCH(QString, lesson);
    QFETCH(QString, nr);
    QFETCH(bool, selected);

    auto parsed = SelectionFormula::parse(formula);
    QVERIFY2(parsed.hasValue(), qPrintable(parsed.hasValue() ? QString() : parsed.error().detail));
    const Record record{{QStringLiteral("Kursen.Lektion"), lesson}, {QStringLiteral("Kursen.Nr"), nr}};
    QCOMPARE(parsed->matches([&](const QString &field) { return record.value(field); }), selected);
}

void TestReportFormula::rejects_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("detailPart");

    QTest::newRow("unclosed text") << "{Kursen.Lektion} ='7"
                                   << "closing quote";
    QTest::newRow("unclosed field") << "{Kursen.Lektion ='7'"
                                    << "closing '}'";
    QTest::newRow("field without table") << "{Lektion} ='7'"
                                         << "{Table.Field}";
    QTest::newRow("no operator") << "{Kursen.Lektion} '7'"
                                 << "'=' or '<>'";
    QTest::newRow("no value") << "{Kursen.Lektion} ="
                              << "end of formula";
    QTest::newRow("other operator") << "{Kursen.Lektion} > '7'"
                                    << "unexpected character '>'";
    QTest::newRow("function call") << "ToText({Kursen.Lektion}) ='7'"
                                   << "unknown word";
    QTest::newRow("not is not supported") << "not {Kursen.Lektion} ='7'"
                                          << "unknown word";
    QTest::newRow("dangling and") << "{Kursen.Lektion} ='7' AND"
                                  << "end of formula";
    QTest::newRow("unbalanced (") << "({Kursen.Lektion} ='7'"
                                  << "expected ')'";
    QTest::newRow("unbalanced )") << "{Kursen.Lektion} ='7')"
                                  << "unexpected";
    QTest::newRow("value first") << "'7' = {Kursen.Lektion}"
                                 << "expected a field";
    QTest::newRow("two comparisons without and") << "{Kursen.Lektion} ='7' {Kursen.Nr} ='1'"
                                                 << "unexpected";
    QTest::newRow("statement separator") << "{Kursen.Lektion} ='7'; drop"
                                         << "unexpected character ';'";
    // Deeper or longer formulas would run the stack out while read, tested or freed.
    QTest::newRow("nested too deep") << QString(u'(').repeated(100000) + "{Kursen.Lektion} ='1'"
                                     << "nested more than 64";
    QTest::newRow("chain too long") << QStringList(100000, QStringLiteral("{Kursen.Lektion} ='1'")).join(" OR ")
                                    << "more than 1000 comparisons";
}

void TestReportFormula::rejects()
{
    QFETCH(QString, formula);
    QFETCH(QString, detailPart);

    auto parsed = SelectionFormula::parse(formula);
    QVERIFY(!parsed.hasValue());
    QCOMPARE(parsed.error().code, Platform::ErrorCode::SyntaxError);
    QVERIFY2(parsed.error().detail.contains(detailPart), qPrintable(parsed.error().detail));
    QVERIFY2(parsed.error().detail.contains(QStringLiteral("column ")), qPrintable(parsed.error().detail));
}

void TestReportFormula::layoutParses()
{
    const QString text = QStringLiteral("# a comment\n"
                                        "format veskora-report 1\n"
                                        "language German\n"
                                        "title \"Russisch – Lektion {lesson}\"\n"
                                        "header \"Kopf {lesson}\"\n"
                                        "footer \"Seite {page} von {pages}\"\n"
                                        "font body \"DejaVu Serif\" 11 italic\n"
                                        "font title \"DejaVu Sans\" 18 bold\n"
                                        "column Nr \"Nr.\" 8\n"
                                        "column RussianText \"Russisch\" 46\n"
                                        "column DeutchText \"Deutsch \"\"wörtlich\"\"\" 46\n"
                                        "sort Nr\n");
    auto layout = ReportLayout::parse(text);
    QVERIFY2(layout.hasValue(), qPrintable(layout.hasValue() ? QString() : layout.error().detail));
    QCOMPARE(layout->language, QStringLiteral("German"));
    QCOMPARE(layout->columns.size(), 3);
    QCOMPARE(layout->columns.at(2).heading, QStringLiteral("Deutsch \"wörtlich\""));
    QCOMPARE(layout->columns.at(1).width, 46);
    QCOMPARE(layout->bodyFont.family, QStringLiteral("DejaVu Serif"));
    QVERIFY(layout->bodyFont.italic && !layout->bodyFont.bold);
    QCOMPARE(layout->titleFont.points, 18);
    QCOMPARE(layout->sortField, QStringLiteral("Nr"));
    QCOMPARE(layout->destination, ReportLayout::Destination::Preview);
    QCOMPARE(Platform::expandReportText(layout->footer, QStringLiteral("12"), 2, 3), QStringLiteral("Seite 2 von 3"));
}

void TestReportFormula::layoutDestinations_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("destination");
    QTest::addColumn<QString>("pdf");

    QTest::newRow("default") << "" << int(ReportLayout::Destination::Preview) << "";
    QTest::newRow("printer") << "destination printer" << int(ReportLayout::Destination::Printer) << "";
    // A layout only suggests the PDF file's name; the folder is never taken from it.
    QTest::newRow("absolute pdf") << "destination pdf /tmp/lesson.pdf" << int(ReportLayout::Destination::Pdf)
                                  << "lesson.pdf";
    QTest::newRow("home pdf") << "destination pdf \"~/Lesson sheets/l.pdf\"" << int(ReportLayout::Destination::Pdf)
                              << "l.pdf";
    QTest::newRow("climbing pdf") << "destination pdf ../../.bashrc" << int(ReportLayout::Destination::Pdf)
                                  << ".bashrc";
    QTest::newRow("pdf without a name") << "destination pdf" << int(ReportLayout::Destination::Pdf) << "";
}

void TestReportFormula::layoutDestinations()
{
    QFETCH(QString, line);
    QFETCH(int, destination);
    QFETCH(QString, pdf);
    auto layout = ReportLayout::parse("format veskora-report 1\ncolumn RussianText R 100\n" + line);
    QVERIFY2(layout.hasValue(), qPrintable(layout.hasValue() ? QString() : layout.error().detail));
    QCOMPARE(int(layout->destination), destination);
    QCOMPARE(layout->pdfSuggestedName, pdf);
}

void TestReportFormula::layoutRejects_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("detailPart");

    QTest::newRow("empty") << ""
                           << "line 1";
    QTest::newRow("no format line") << "column RussianText R 100"
                                    << "starts with";
    QTest::newRow("newer version") << "format veskora-report 2\ncolumn A B 100"
                                   << "version 2 is not supported";
    QTest::newRow("unknown keyword") << "format veskora-report 1\ncolumn A B 100\nmargin 3"
                                     << "line 3: unknown keyword";
    QTest::newRow("no columns") << "format veskora-report 1\ntitle T"
                                << "no column";
    QTest::newRow("bad width") << "format veskora-report 1\ncolumn A B wide"
                               << "line 2: column width";
    QTest::newRow("same field twice") << "format veskora-report 1\ncolumn A B 50\ncolumn A C 50"
                                      << "printed twice";
    QTest::newRow("unclosed quote") << "format veskora-report 1\ntitle \"Lesson"
                                    << "not closed";
    QTest::newRow("unquoted blanks") << "format veskora-report 1\ntitle Lesson one\ncolumn A B 100"
                                     << "one value";
    QTest::newRow("bad font size") << "format veskora-report 1\nfont body Sans 300\ncolumn A B 100"
                                   << "font size";
    QTest::newRow("bad font role") << "format veskora-report 1\nfont margin Sans 10\ncolumn A B 100"
                                   << "font role";
    QTest::newRow("bad destination") << "format veskora-report 1\ncolumn A B 100\ndestination fax"
                                     << "destination";
    QTest::newRow("pdf with two files") << "format veskora-report 1\ncolumn A B 100\ndestination pdf a b"
                                        << "destination";
}

void TestReportFormula::layoutRejects()
{
    QFETCH(QString, text);
    QFETCH(QString, detailPart);
    auto layout = ReportLayout::parse(text);
    QVERIFY(!layout.hasValue());
    QCOMPARE(layout.error().code, Platform::ReportErrorCode::LayoutInvalid);
    QVERIFY2(layout.error().detail.contains(detailPart), qPrintable(layout.error().detail));
}

void TestReportFormula::shippedLayoutsParse_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("translationField");
    QTest::addColumn<QString>("language");
    QTest::newRow("report1") << 1 << "EnglishText"
                             << "English";
    QTest::newRow("report2") << 2 << "SvenskaText"
                             << "Swedish";
    QTest::newRow("report3") << 3 << "FinnishText"
                             << "Finnish";
    QTest::newRow("report4") << 4 << "DeutchText"
                             << "German";
    QTest::newRow("report5") << 5 << "FranceText"
                             << "French";
    QTest::newRow("report6") << 6 << "SpanishText"
                             << "Spanish";
}

void TestReportFormula::shippedLayoutsParse()
{
    QFETCH(int, number);
    QFETCH(QString, translationField);
    QFETCH(QString, language);
    const QString path =
        qEnvironmentVariable("VESKORA_SOURCE_DIR") + QStringLiteral("/data/reports/report%1.rpt").arg(number);
    auto layout = ReportLayout::load(path);
    QVERIFY2(layout.hasValue(), qPrintable(layout.hasValue() ? QString() : layout.error().detail));
    QCOMPARE(layout->language, language);
    QCOMPARE(layout->table, QStringLiteral("Kursen"));
    QStringList fields;
    int width = 0;
    for (const auto &column : layout->columns) {
        fields.append(column.field);
        width += column.width;
    }
    QVERIFY(fields.contains(QStringLiteral("RussianText")));
    QVERIFY(fields.contains(translationField));
    QCOMPARE(width, 100);
    QVERIFY(layout->header.contains(QStringLiteral("{lesson}")));
    QVERIFY(layout->footer.contains(QStringLiteral("{page}")));
    // Shipped layouts leave the destination to the learner's preview.
    QCOMPARE(layout->destination, ReportLayout::Destination::Preview);
}

QTEST_GUILESS_MAIN(TestReportFormula)
#include "tst_reportformula.moc"
