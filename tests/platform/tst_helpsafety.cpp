// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
// The help viewer against help files that lie or pages that reach out: a directory entry
// claiming a length beyond the file, references to files of the computer, and pages too
// large or too deeply nested to lay out.
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include "platform/help/chmfile.h"
#include "platform/help/chmhelpviewer.h"

using namespace Platform;

namespace {

QString appFile(const QString &name)
{
    return qEnvironmentVariable("VESKORA_APP_DIR") + u'/' + name;
}

quint32 littleEndian32(const QByteArray &bytes, qsizetype at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | quint8(bytes.at(at + i));
    return value;
}

/// \a chm with the directory entry of \a name claiming \a length bytes. The entry's length
/// (a variable-length number) grows, so the directory chunk gives up as much free space.
QByteArray withEntryLength(QByteArray chm, const QByteArray &name, quint64 length)
{
    const qsizetype entry = chm.indexOf(char(name.size()) + name);
    const qsizetype chunk = chm.lastIndexOf("PMGL", entry);
    const qsizetype blockLength = littleEndian32(chm, chm.indexOf("ITSP") + 16);
    if (entry < 0 || chunk < 0)
        return {};
    qsizetype at = entry + 1 + name.size();
    const auto skipNumber = [&] {
        while (quint8(chm.at(at)) & 0x80)
            ++at;
        ++at;
    };
    skipNumber(); // section
    skipNumber(); // offset
    const qsizetype start = at;
    skipNumber();
    QByteArray encoded;
    for (quint64 rest = length; encoded.isEmpty() || rest; rest >>= 7)
        encoded.prepend(char((rest & 0x7f) | (encoded.isEmpty() ? 0 : 0x80)));
    const qsizetype grown = encoded.size() - (at - start);
    const quint32 freeSpace = littleEndian32(chm, chunk + 4);
    const qsizetype entriesEnd = chunk + blockLength - freeSpace;
    chm.replace(start, at - start, encoded);
    chm.remove(entriesEnd + grown, grown);
    const quint32 left = freeSpace - quint32(grown);
    for (int i = 0; i < 4; ++i)
        chm[chunk + 4 + i] = char((left >> (8 * i)) & 0xff);
    return chm;
}

/// Compiles \a pages (name, HTML) into a help file in \a folder with chmcmd; empty when
/// chmcmd is not there.
QString compileHelp(const QTemporaryDir &folder, const QList<std::pair<QString, QByteArray>> &pages)
{
    const QString chmcmd = QStandardPaths::findExecutable(QStringLiteral("chmcmd"));
    if (chmcmd.isEmpty())
        return {};
    QByteArray project("[OPTIONS]\nCompatibility=1.1 or later\nCompiled file=test.chm\nDisplay compile progress=No\n"
                       "Full-text search=No\nLanguage=0x409 English (United States)\nTitle=Test\n\n[FILES]\n");
    for (const auto &[name, html] : pages) {
        QFile page(folder.filePath(name));
        if (!page.open(QIODevice::WriteOnly))
            return {};
        page.write(html);
        project += name.toUtf8() + '\n';
    }
    QFile file(folder.filePath(QStringLiteral("test.hhp")));
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(project);
    file.close();
    QProcess compiler;
    compiler.setWorkingDirectory(folder.path());
    compiler.start(chmcmd, {QStringLiteral("test.hhp")});
    compiler.waitForFinished(60000);
    return folder.filePath(QStringLiteral("test.chm"));
}

QByteArray nested(const char *open, const char *close, int depth)
{
    return "<html><body>" + QByteArray(open).repeated(depth) + "innermost" + QByteArray(close).repeated(depth)
        + "</body></html>";
}

} // namespace

class TestHelpSafety : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void entryLongerThanTheFileIsNotRead()
    {
        QFile original(appFile(QStringLiteral("RussianUserHelp.chm")));
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray patched = withEntryLength(original.readAll(), "/User.htm", quint64(1) << 40);
        QVERIFY(!patched.isEmpty());
        QTemporaryDir dir;
        QFile copy(dir.filePath(QStringLiteral("lying.chm")));
        QVERIFY(copy.open(QIODevice::WriteOnly));
        copy.write(patched);
        copy.close();

        auto chm = ChmFile::open(copy.fileName());
        QVERIFY(chm);
        QVERIFY((*chm)->contains(QStringLiteral("User.htm")));
        QVERIFY(!(*chm)->read(QStringLiteral("User.htm")));
        // The rest of the file still reads.
        QVERIFY((*chm)->read(QStringLiteral("Eng intro.htm")).value_or(QByteArray()).contains("</html>"));
    }

    void directoryBlocksLongerThanTheFileAreRefused()
    {
        // The help library allocates (and clears) the directory's block length for every
        // page looked up: gigabytes from a file of some kilobytes.
        QFile original(appFile(QStringLiteral("RussianUserHelp.chm")));
        QVERIFY(original.open(QIODevice::ReadOnly));
        QByteArray patched = original.readAll();
        const qsizetype blockLength = patched.indexOf("ITSP") + 0x10;
        for (int i = 0; i < 4; ++i)
            patched[blockLength + i] = char(0x7f);
        QTemporaryDir dir;
        QFile copy(dir.filePath(QStringLiteral("lying.chm")));
        QVERIFY(copy.open(QIODevice::WriteOnly));
        copy.write(patched);
        copy.close();
        const auto chm = ChmFile::open(copy.fileName());
        QVERIFY(!chm);
        QCOMPARE(chm.error().code, ErrorCode::UnrecognizedDatabaseFormat);
    }

    // Inputs the help file fuzz target found, kept among its seeds: a directory whose names
    // are damaged (bytes that are not UTF-8), one whose block length made the help library
    // allocate and clear far more than the file, and one whose listing blocks lead back to
    // themselves, on which the library's walk never ended.
    void damagedDirectoriesAreReadOrRefused_data()
    {
        QTest::addColumn<QString>("seed");
        QTest::addColumn<bool>("opens");
        QTest::newRow("sound file") << "tiny" << true;
        QTest::newRow("damaged names") << "names" << true;
        QTest::newRow("block length beyond the file") << "blocklength" << false;
        QTest::newRow("listing blocks in a circle") << "chain" << false;
    }
    void damagedDirectoriesAreReadOrRefused()
    {
        QFETCH(QString, seed);
        QFETCH(bool, opens);
        const auto chm = ChmFile::open(qEnvironmentVariable("VESKORA_SOURCE_DIR")
                                       + QStringLiteral("/tests/fuzz/corpus/chmfile/") + seed);
        QCOMPARE(bool(chm), opens);
        if (!chm)
            return;
        // The window looks the pages the file lists up by their names.
        for (const QString &entry : (*chm)->entries())
            QVERIFY2((*chm)->contains(entry), qPrintable(entry));
    }

    void onlyTheHelpFileIsRead_data()
    {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<bool>("loads");
        // The secret file is written by the test; its path replaces %1.
        QTest::newRow("absolute file address") << "file://%1" << false;
        QTest::newRow("device") << "file:///dev/zero" << false;
        QTest::newRow("file address without slashes") << "file:%1" << false;
        QTest::newRow("resource address") << "qrc:/shell/genie.svg" << false;
        QTest::newRow("web address") << "http://example.org/a.png" << false;
        QTest::newRow("climbing out of the help file") << "../../../../../../..%1" << false;
        QTest::newRow("another host") << "chm://elsewhere/tricolour.png" << false;
        QTest::newRow("picture in the help file") << "tricolour.png" << true;
        QTest::newRow("picture by address") << "chm:///tricolour.png" << true;
    }
    void onlyTheHelpFileIsRead()
    {
        QFETCH(QString, reference);
        QFETCH(bool, loads);
        QTemporaryDir dir;
        QFile secret(dir.filePath(QStringLiteral("secret.png")));
        QVERIFY(secret.open(QIODevice::WriteOnly));
        secret.write("\x89PNG the learner's own file");
        secret.close();
        ChmHelpViewer viewer;
        viewer.showHelp(appFile(QStringLiteral("RussianHelp.chm::/Suomi.htm")));
        ChmBrowser *browser = viewer.window()->browser();
        const QUrl url(QString(reference).replace(QStringLiteral("%1"), secret.fileName()));
        for (const int type :
             {QTextDocument::ImageResource, QTextDocument::HtmlResource, QTextDocument::StyleSheetResource}) {
            const QVariant resource = browser->loadResource(type, url);
            QCOMPARE(resource.isValid(), loads);
        }
    }

    void pageBeyondTheLimitsIsNotLaidOut_data()
    {
        QTest::addColumn<QByteArray>("html");
        QTest::addColumn<bool>("shown");
        QTest::newRow("50 nested tables") << nested("<table><tr><td>", "</td></tr></table>", 50) << false;
        QTest::newRow("200 nested lists") << nested("<ul><li>", "</li></ul>", 200) << false;
        QTest::newRow("page over the size limit")
            << "<html><body><p>" + QByteArray(HelpPageLimits::kMaxBytes, 'a') + "</p></body></html>" << false;
        QByteArray grid = "<html><body><table>";
        for (int row = 0; row < 50; ++row)
            grid += "<tr>" + QByteArray("<td>x</td>").repeated(HelpPageLimits::kMaxTableCells / 50) + "</tr>";
        QTest::newRow("more cells than allowed") << grid + "<tr><td>x</td></tr></table></body></html>" << false;
        QTest::newRow("tables as deep as allowed")
            << nested("<table><tr><td>", "</td></tr></table>", HelpPageLimits::kMaxTableNesting) << true;
        // The most a page may hold: the deepest tables around text up to the size limit.
        const QByteArray text = QByteArray("word ").repeated(HelpPageLimits::kMaxBytes / 5 - 100);
        QTest::newRow("largest page within the limits")
            << nested("<table><tr><td>", "</td></tr></table>", HelpPageLimits::kMaxTableNesting)
                   .replace("innermost", text + "innermost")
            << true;
        QTest::newRow("lists as deep as allowed")
            << nested("<ul><li>", "</li></ul>", HelpPageLimits::kMaxBlockNesting) << true;
    }
    void pageBeyondTheLimitsIsNotLaidOut()
    {
        QFETCH(QByteArray, html);
        QFETCH(bool, shown);
        // Bytes that do not compress keep the file larger than the page, as in any real help
        // file; a page larger than the whole file is not read at all.
        QByteArray filler(html.size(), '\0');
        QRandomGenerator random(7);
        for (char &byte : filler)
            byte = char(random.bounded(256));
        QTemporaryDir dir;
        const QString chm =
            compileHelp(dir, {{QStringLiteral("Page.htm"), html}, {QStringLiteral("filler.png"), filler}});
        if (chm.isEmpty())
            QSKIP("chmcmd is not installed");
        QVERIFY(QFile::exists(chm));
        ChmHelpViewer viewer;
        viewer.setProblemTexts([](HelpProblem problem) {
            return problem == HelpProblem::PageTooLarge ? QStringLiteral("Diese Hilfeseite ist zu groß.") : QString();
        });
        QElapsedTimer timer;
        timer.start();
        viewer.showHelp(chm + QStringLiteral("::/Page.htm"));
        const QString text = viewer.window()->browser()->toPlainText();
        // Laid out or not, the page is ready at once (a nested page took minutes to lay out).
        viewer.window()->browser()->document()->size();
        QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(text.contains(QStringLiteral("innermost")), shown);
        QCOMPARE(text.contains(QStringLiteral("Diese Hilfeseite ist zu groß.")), !shown);
    }
};

QTEST_MAIN(TestHelpSafety)
#include "tst_helpsafety.moc"
