// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
// The two compiled help files, read by an independent reader and by our own, and the help
// window: pages, pictures, links, back and forward, and what it shows when a file or page
// is missing.
#include <QAction>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include "platform/help/chmfile.h"
#include "platform/help/chmhelpviewer.h"

using namespace Platform;

namespace {

QString appFile(const QString &name)
{
    return qEnvironmentVariable("VESKORA_APP_DIR") + u'/' + name;
}

/// Every page each help file must hold, with a word its title must contain.
void addPageRows()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("titleWord");
    const QString user = QStringLiteral("RussianUserHelp.chm");
    const QString grammar = QStringLiteral("RussianHelp.chm");
    QTest::newRow("User") << user << "User.htm"
                          << "guide";
    QTest::newRow("Eng intro") << user << "Eng intro.htm"
                               << "Welcome";
    QTest::newRow("Swe Intro") << user << "Swe Intro.htm"
                               << "Välkommen";
    QTest::newRow("Fin intro") << user << "Fin intro.htm"
                               << "Tervetuloa";
    QTest::newRow("Ger intro") << user << "Ger intro.htm"
                               << "Willkommen";
    QTest::newRow("Fra intro") << user << "Fra intro.htm"
                               << "Bienvenue";
    QTest::newRow("Spain intro") << user << "Spain intro.htm"
                                 << "Bienvenido";
    QTest::newRow("England") << grammar << "England.htm"
                             << "grammar";
    QTest::newRow("Ryska minigrammatik") << grammar << "Ryska minigrammatik.htm"
                                         << "minigrammatik";
    QTest::newRow("Suomi") << grammar << "Suomi.htm"
                           << "kielioppia";
    QTest::newRow("German") << grammar << "German.htm"
                            << "Grammatik";
    QTest::newRow("France") << grammar << "France.htm"
                            << "grammaire";
    QTest::newRow("Spain") << grammar << "Spain.htm"
                           << "gramática";
}

} // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void independentReaderListsEveryPage_data() { addPageRows(); }
    void independentReaderListsEveryPage();
    void ourReaderReadsEveryPage_data() { addPageRows(); }
    void ourReaderReadsEveryPage();
    void readerFailures();
    void references_data();
    void references();
    void windowShowsPageWithPicture();
    void linksBackAndForward();
    void missingFileAndPageAreExplained_data();
    void missingFileAndPageAreExplained();
    void oneWindowServesEveryRequest();
};

void TestHelpViewer::independentReaderListsEveryPage()
{
    QFETCH(QString, file);
    QFETCH(QString, page);
    QTemporaryDir out;
    QProcess reader;
    reader.start(QStringLiteral("extract_chmLib"), {appFile(file), out.path()});
    QVERIFY(reader.waitForFinished(30000));
    QCOMPARE(reader.exitCode(), 0);
    QVERIFY(QString::fromUtf8(reader.readAllStandardOutput()).contains(QStringLiteral("--> /") + page));
    QFile extracted(out.filePath(page));
    QVERIFY(extracted.open(QIODevice::ReadOnly));
    QVERIFY(extracted.readAll().contains("</html>"));
}

void TestHelpViewer::ourReaderReadsEveryPage()
{
    QFETCH(QString, file);
    QFETCH(QString, page);
    QFETCH(QString, titleWord);
    auto chm = ChmFile::open(appFile(file));
    QVERIFY(chm);
    const std::optional<QByteArray> data = (*chm)->read(page);
    QVERIFY(data);
    QTextDocument document;
    document.setHtml(QString::fromUtf8(*data));
    QVERIFY2(document.metaInformation(QTextDocument::DocumentTitle).contains(titleWord),
             qPrintable(document.metaInformation(QTextDocument::DocumentTitle)));
    // Page names compare without regard to case, with or without the leading '/'.
    QVERIFY((*chm)->contains(u'/' + page.toUpper()));
}

void TestHelpViewer::readerFailures()
{
    auto missing = ChmFile::open(appFile(QStringLiteral("NoSuchHelp.chm")));
    QVERIFY(!missing);
    QCOMPARE(missing.error().code, ErrorCode::FileNotFound);

    QTemporaryDir dir;
    QFile fake(dir.filePath(QStringLiteral("fake.chm")));
    QVERIFY(fake.open(QIODevice::WriteOnly));
    fake.write("<html>not compiled</html>");
    fake.close();
    auto invalid = ChmFile::open(fake.fileName());
    QVERIFY(!invalid);
    QCOMPARE(invalid.error().code, ErrorCode::UnrecognizedDatabaseFormat);

    auto chm = ChmFile::open(appFile(QStringLiteral("RussianHelp.chm")));
    QVERIFY(chm);
    QVERIFY(!(*chm)->read(QStringLiteral("Nowhere.htm")));
    QVERIFY(!(*chm)->entries().contains(QStringLiteral("/#SYSTEM")));
    QVERIFY((*chm)->read(QStringLiteral("tricolour.png"))->startsWith("\x89PNG"));
}

void TestHelpViewer::references_data()
{
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("anchor");
    QTest::newRow("start-up") << "/app/RussianUserHelp.chm::/User.htm"
                              << "/app/RussianUserHelp.chm"
                              << "User.htm"
                              << "";
    QTest::newRow("blank in page") << "/app/RussianHelp.chm::/Ryska minigrammatik.htm"
                                   << "/app/RussianHelp.chm"
                                   << "Ryska minigrammatik.htm"
                                   << "";
    QTest::newRow("backslashes") << "\\app\\RussianHelp.chm::/Suomi.htm"
                                 << "/app/RussianHelp.chm"
                                 << "Suomi.htm"
                                 << "";
    QTest::newRow("anchor") << "/a/x.chm::/p.htm#cases"
                            << "/a/x.chm"
                            << "p.htm"
                            << "cases";
    QTest::newRow("file only") << "/a/x.chm"
                               << "/a/x.chm"
                               << ""
                               << "";
}

void TestHelpViewer::references()
{
    QFETCH(QString, reference);
    const HelpReference parsed = HelpReference::parse(reference);
    QTEST(parsed.file, "file");
    QTEST(parsed.page, "page");
    QTEST(parsed.anchor, "anchor");
}

void TestHelpViewer::windowShowsPageWithPicture()
{
    ChmHelpViewer viewer;
    viewer.showHelp(appFile(QStringLiteral("RussianHelp.chm::/Suomi.htm")));
    HelpWindow *window = viewer.window();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->browser()->currentPage(), QStringLiteral("Suomi.htm"));
    QVERIFY(window->browser()->toPlainText().contains(QStringLiteral("Sijamuodot lyhyesti")));
    QVERIFY(window->browser()->toPlainText().contains(QStringLiteral("говорить")));
    QVERIFY(window->windowTitle().contains(QStringLiteral("Venäjän kielioppia lyhyesti")));
    const QVariant picture = window->browser()->document()->resource(QTextDocument::ImageResource,
                                                                     QUrl(QStringLiteral("chm:///tricolour.png")));
    QVERIFY(picture.isValid());
}

void TestHelpViewer::linksBackAndForward()
{
    ChmHelpViewer viewer;
    viewer.showHelp(appFile(QStringLiteral("RussianUserHelp.chm::/User.htm")));
    ChmBrowser *browser = viewer.window()->browser();
    QCOMPARE(browser->currentPage(), QStringLiteral("User.htm"));
    QVERIFY(!viewer.window()->backAction()->isEnabled());

    // A relative link with a blank in it, as the guide's own pages hold them.
    Q_EMIT browser->anchorClicked(QUrl(QStringLiteral("Ger intro.htm")));
    QCOMPARE(browser->currentPage(), QStringLiteral("Ger intro.htm"));
    QVERIFY(browser->toPlainText().contains(QStringLiteral("Der Startdialog")));
    QVERIFY(viewer.window()->backAction()->isEnabled());

    Q_EMIT browser->anchorClicked(QUrl(QStringLiteral("Spain intro.htm")));
    viewer.window()->backAction()->trigger();
    QCOMPARE(browser->currentPage(), QStringLiteral("Ger intro.htm"));
    viewer.window()->backAction()->trigger();
    QCOMPARE(browser->currentPage(), QStringLiteral("User.htm"));
    QVERIFY(viewer.window()->forwardAction()->isEnabled());
    viewer.window()->forwardAction()->trigger();
    QCOMPARE(browser->currentPage(), QStringLiteral("Ger intro.htm"));

    // Another help file starts a fresh history.
    viewer.showHelp(appFile(QStringLiteral("RussianHelp.chm::/England.htm")));
    QCOMPARE(browser->currentPage(), QStringLiteral("England.htm"));
    QVERIFY(!viewer.window()->backAction()->isEnabled());
}

void TestHelpViewer::missingFileAndPageAreExplained_data()
{
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing file") << appFile(QStringLiteral("Missing.chm::/User.htm")) << "cannot be found";
    QTest::newRow("missing page") << appFile(QStringLiteral("RussianUserHelp.chm::/Swe intro2.htm"))
                                  << "is not in the help file";
}

void TestHelpViewer::missingFileAndPageAreExplained()
{
    QFETCH(QString, reference);
    QFETCH(QString, message);
    ChmHelpViewer viewer;
    viewer.showHelp(reference);
    QVERIFY(viewer.window() && viewer.window()->isVisible());
    QVERIFY2(viewer.window()->browser()->toPlainText().contains(message),
             qPrintable(viewer.window()->browser()->toPlainText()));
    QCOMPARE(viewer.window()->browser()->currentPage(), QString());
    // The viewer recovers on the next good reference.
    viewer.showHelp(appFile(QStringLiteral("RussianUserHelp.chm::/User.htm")));
    QCOMPARE(viewer.window()->browser()->currentPage(), QStringLiteral("User.htm"));
}

void TestHelpViewer::oneWindowServesEveryRequest()
{
    ChmHelpViewer viewer;
    viewer.showHelp(appFile(QStringLiteral("RussianUserHelp.chm::/User.htm")));
    QPointer<HelpWindow> first = viewer.window();
    viewer.showHelp(appFile(QStringLiteral("RussianUserHelp.chm::/Fin intro.htm")));
    QCOMPARE(viewer.window(), first.data());
    QCOMPARE(first->browser()->currentPage(), QStringLiteral("Fin intro.htm"));
    // Closing the window releases it; the next request opens a new one.
    first->close();
    QTRY_VERIFY(first.isNull());
    viewer.showHelp(appFile(QStringLiteral("RussianUserHelp.chm::/User.htm")));
    QVERIFY(viewer.window());
}

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
