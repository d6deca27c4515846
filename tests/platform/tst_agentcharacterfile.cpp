// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QFile>
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
        const CharacterRenderer renderer(*genie);
        QVERIFY(renderer.render(nullptr, true) != renderer.render(nullptr, false));
    }
};

QTEST_MAIN(TestAgentCharacterFile)
#include "tst_agentcharacterfile.moc"
