// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "platform/agent/characterfile.h"

using namespace Platform;
using namespace Qt::StringLiterals;

namespace {

const QByteArray kSmallFile = R"(format veskora-character 1
character Tiny
size 20 20
mouth open shut
[part body pivot=10,10]
<rect x="2" y="2" width="16" height="16" fill="#00f"/>
[part shut parent=body]
<rect x="8" y="14" width="4" height="1" fill="#000"/>
[part open parent=body hidden]
<rect x="8" y="13" width="4" height="4" fill="#f00"/>
[animation Nod]
frame 100 body.dy=2
frame 50
)";

// kSmallFile with \a count copies of \a line (where "%1" is the copy's number) added at its end.
QByteArray withLines(int count, const QString &line)
{
    QByteArray text = kSmallFile;
    for (int i = 0; i < count; ++i)
        text += line.arg(i).toUtf8() + '\n';
    return text;
}

QString genieFile()
{
    return qEnvironmentVariable("VESKORA_APP_DIR") + u"/characters/Genie.acs"_s;
}

} // namespace

class TestAgentCharacterFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void brokenFilesAreRejectedWithTheirLine_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<int>("line");

        QTest::newRow("no format line") << QByteArray("format veskora-character 1") << QByteArray("character X") << 1;
        QTest::newRow("future format") << QByteArray("character 1") << QByteArray("character 2") << 1;
        QTest::newRow("unknown part in frame") << QByteArray("body.dy=2") << QByteArray("legs.dy=2") << 12;
        QTest::newRow("unknown property") << QByteArray("body.dy=2") << QByteArray("body.spin=2") << 12;
        QTest::newRow("not a number") << QByteArray("body.dy=2") << QByteArray("body.dy=two") << 12;
        QTest::newRow("zero duration") << QByteArray("frame 50") << QByteArray("frame 0") << 13;
        QTest::newRow("huge size") << QByteArray("size 20 20") << QByteArray("size 20 99999") << 3;
        QTest::newRow("parent after child") << QByteArray("parent=body]") << QByteArray("parent=open]") << 7;
        QTest::newRow("unclosed section") << QByteArray("[animation Nod]") << QByteArray("[animation Nod") << 11;
        QTest::newRow("animation twice") << QByteArray("frame 50\n")
                                         << QByteArray("frame 50\n[animation nod]\nframe 9\n") << 14;
        QTest::newRow("text outside frames") << QByteArray("frame 50\n") << QByteArray("frame 50\nwobble\n") << 14;
    }

    void brokenFilesAreRejectedWithTheirLine()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(int, line);
        QByteArray text = kSmallFile;
        QVERIFY(text.contains(from));
        text.replace(text.indexOf(from), from.size(), to);
        const auto result = parseCharacterFile(text);
        QVERIFY(!result);
        QCOMPARE(result.error().code, ErrorCode::CharacterFileInvalid);
        QVERIFY2(result.error().detail.startsWith(u"line %1:"_s.arg(line)), qPrintable(result.error().detail));
    }

    void filesBeyondTheLimitsAreRefused_data()
    {
        namespace Limits = CharacterFileLimits;
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("reason");
        QTest::newRow("parts") << withLines(Limits::kMaxParts, u"[part p%1]"_s)
                               << u"more than %1 parts"_s.arg(Limits::kMaxParts);
        QTest::newRow("animations") << withLines(Limits::kMaxAnimations, u"[animation a%1]\nframe 10"_s)
                                    << u"more than %1 animations"_s.arg(Limits::kMaxAnimations);
        QTest::newRow("frames") << withLines(Limits::kMaxFrames, u"frame 10"_s)
                                << u"more than %1 frames"_s.arg(Limits::kMaxFrames);
        QTest::newRow("properties of a frame")
            << withLines(1, u"frame 10"_s + u" body.dx=1"_s.repeated(Limits::kMaxPropertiesPerFrame + 1))
            << u"more than %1 properties"_s.arg(Limits::kMaxPropertiesPerFrame);
        QTest::newRow("drawing") << withLines(
            1, u"[part big]\n<!--"_s + u"x"_s.repeated(Limits::kMaxSvgSectionLength) + u"-->"_s)
                                 << u"more than %1 bytes"_s.arg(Limits::kMaxSvgSectionLength);
        QTest::newRow("name") << withLines(
            1, u"[animation "_s + u"N"_s.repeated(Limits::kMaxNameLength + 1) + u"]\nframe 10"_s)
                              << u"longer than %1 characters"_s.arg(Limits::kMaxNameLength);
        QTest::newRow("every part from outside")
            << QByteArray("format veskora-character 1\ncharacter X\nsize 9 9\n[part only]\n"
                          "<image href=\"/dev/zero\" width=\"9\" height=\"9\"/>\n")
            << u"no part draws from the file alone"_s;
    }

    // A file beyond the limits is refused where it is read, with the limit it broke.
    void filesBeyondTheLimitsAreRefused()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, reason);
        const auto result = parseCharacterFile(text);
        QVERIFY(!result);
        QCOMPARE(result.error().code, ErrorCode::CharacterFileInvalid);
        QVERIFY2(result.error().detail.contains(reason), qPrintable(result.error().detail));
    }

    void drawingsFromOutsideAreLeftOut_data()
    {
        QTest::addColumn<QByteArray>("defs");
        QTest::addColumn<QByteArray>("badge");
        QTest::addColumn<QString>("refused");
        // The renderer reads pictures from xlink:href: files by absolute path, or relative
        // to the working folder.
        const QByteArray image = "<image x=\"0\" y=\"0\" width=\"20\" height=\"20\" "
                                 "xmlns:xlink=\"http://www.w3.org/1999/xlink\" xlink:href=\"%1\"/>";
        QTest::newRow("absolute path") << QByteArray() << QByteArray(image).replace("%1", "@/red.png")
                                       << u"part badge"_s;
        QTest::newRow("relative to the working folder")
            << QByteArray() << QByteArray(image).replace("%1", "red.png") << u"part badge"_s;
        QTest::newRow("shared definitions")
            << QByteArray(image).replace("%1", "@/red.png").replace("<image", "<image id=\"pic\"")
            << QByteArray("<use xmlns:xlink=\"http://www.w3.org/1999/xlink\" xlink:href=\"#pic\"/>") << u"[defs]"_s;
    }

    // Only the drawing that refers outside the file is left out (and reported); the rest of
    // the figure is drawn, and nothing of the outside picture.
    void drawingsFromOutsideAreLeftOut()
    {
        QFETCH(QByteArray, defs);
        QFETCH(QByteArray, badge);
        QFETCH(QString, refused);
        QTemporaryDir dir;
        QImage red(20, 20, QImage::Format_ARGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(dir.filePath(u"red.png"_s)));
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QByteArray text = kSmallFile;
        text.replace("[part body", "[defs]\n" + defs + "\n[part body");
        text.replace("[animation", "[part badge]\n" + badge + "\n[animation");
        text.replace("@", QFile::encodeName(dir.path()));
        const auto result = parseCharacterFile(text);
        const QImage rest = result ? CharacterRenderer(*result).render(nullptr, false) : QImage();
        QDir::setCurrent(previous);
        QVERIFY2(result, qPrintable(result ? QString() : result.error().detail));
        QCOMPARE(rest.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(rest.pixelColor(10, 5), QColor(Qt::blue));
        QCOMPARE(result->refusedDrawings.size(), 1);
        QVERIFY2(result->refusedDrawings.first().startsWith(refused), qPrintable(result->refusedDrawings.first()));
    }

    void loadingReadsOnlyARegularFileOfBoundedSize()
    {
        QTemporaryDir dir;
        const QString device = dir.filePath(u"device.acs"_s);
        QVERIFY(QFile::link(u"/dev/zero"_s, device));
        const QString large = dir.filePath(u"large.acs"_s);
        QFile file(large);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kSmallFile + QByteArray(CharacterFileLimits::kMaxFileBytes, '#'));
        file.close();
        for (const QString &path : {device, large}) {
            const auto result = loadCharacterFile(path);
            QVERIFY(!result);
            QCOMPARE(result.error().code, ErrorCode::CharacterFileInvalid);
        }
    }

    void missingFileIsFileNotFound()
    {
        const auto result = loadCharacterFile(u"/nonexistent/Genie.acs"_s);
        QVERIFY(!result);
        QCOMPARE(result.error().code, ErrorCode::FileNotFound);
    }

    void framesMoveChildrenWithTheirParentAndSwapTheMouth()
    {
        const auto result = parseCharacterFile(kSmallFile);
        QVERIFY2(result, qPrintable(result ? QString() : result.error().detail));
        const CharacterDefinition &tiny = *result;
        QVERIFY(tiny.animation(u"NOD"_s));
        QVERIFY(!tiny.animation(u"Shake"_s));
        const CharacterRenderer renderer(tiny);
        const QImage rest = renderer.render(nullptr, false);
        QCOMPARE(rest.size(), QSize(20, 20));
        QCOMPARE(rest.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(rest.pixelColor(10, 14), QColor(Qt::black));
        const QImage open = renderer.render(nullptr, true);
        QCOMPARE(open.pixelColor(10, 16), QColor(Qt::red));
        // The body moves down two pixels and takes its mouth along.
        const QImage nod = renderer.render(&tiny.animation(u"Nod"_s)->frames.at(0), false);
        QCOMPARE(nod.pixelColor(10, 16), QColor(Qt::black));
        QCOMPARE(nod.pixelColor(10, 2).alpha(), 0);
    }

    void genieHasEveryAnimationTheCourseUses_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"Show",        "Hide",     "Idle",         "Blink",     "Greet",       "GestureRight",
                                 "DoMagic1",    "Wave",     "Explain",      "Pleased",   "Surprised",   "Think",
                                 "Read",        "Write",    "Congratulate", "Confused",  "Sad",         "Announce",
                                 "Acknowledge", "Decline",  "Suggest",      "Uncertain", "GestureLeft", "GestureUp",
                                 "GestureDown", "LookLeft", "LookRight",    "LookUp",    "LookDown"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void genieHasEveryAnimationTheCourseUses()
    {
        QFETCH(QString, name);
        static const auto genie = loadCharacterFile(genieFile());
        QVERIFY2(genie, qPrintable(genie ? QString() : genie.error().detail));
        const CharacterAnimation *animation = genie->animation(name);
        QVERIFY(animation);
        // Every frame draws a figure, and the animation moves something.
        const CharacterRenderer renderer(*genie);
        const QImage rest = renderer.render(nullptr, false);
        bool changes = name == u"Show" || name == u"Hide";
        for (const CharacterFrame &frame : animation->frames) {
            const QImage image = renderer.render(&frame, false);
            QVERIFY(!image.createAlphaMask().isNull());
            changes = changes || image != rest;
        }
        QVERIFY(changes);
    }

    void genieOpensItsMouth()
    {
        const auto genie = loadCharacterFile(genieFile());
        QVERIFY(genie);
        QCOMPARE(genie->refusedDrawings, QStringList());
        const CharacterRenderer renderer(*genie);
        QVERIFY(renderer.render(nullptr, true) != renderer.render(nullptr, false));
    }
};

QTEST_MAIN(TestAgentCharacterFile)
#include "tst_agentcharacterfile.moc"
