// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
// Lesson pictures as the program reads them from a course folder: names that stay in the
// folder, files that end, and drawings that refer to nothing outside themselves.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/ui/pictures.h"

using namespace Platform;

namespace {

const QByteArray kHead =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" viewBox=\"0 0 8 8\">";

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_course;
    QString pictures() const { return m_course.filePath(QStringLiteral("Pictures")); }
    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(QDir(pictures()).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QDir(m_course.path()).mkpath(QStringLiteral("Pictures")));
        QFile secret(m_course.filePath(QStringLiteral("secret.svg")));
        QVERIFY(secret.open(QIODevice::WriteOnly));
        secret.write(kHead + "<rect width=\"8\" height=\"8\"/></svg>");
        write(QStringLiteral("good.svg"), kHead + "<rect width=\"8\" height=\"8\" fill=\"url(#g)\"/></svg>");
    }

    void namesThatLeaveTheFolderAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("parent") << "../secret.svg";
        QTest::newRow("parent with backslash") << "..\\secret.svg";
        QTest::newRow("absolute") << m_course.filePath(QStringLiteral("secret.svg"));
        QTest::newRow("subfolder") << "sub/good.svg";
        QTest::newRow("dots only") << "..";
        QTest::newRow("hidden") << ".good.svg";
        QTest::newRow("the program's own resource") << ":genie.svg";
        QTest::newRow("empty") << "";
    }
    void namesThatLeaveTheFolderAreRefused()
    {
        QFETCH(QString, name);
        QVERIFY(!Pictures::isPlainFileName(name));
        const auto picture = Pictures::readPicture(pictures(), name);
        QVERIFY(!picture);
        QCOMPARE(picture.error().code, ErrorCode::InvalidArgument);
    }

    void drawingsMustBeSelfContained_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("plain drawing") << QByteArray("<circle r=\"3\" fill=\"url(#g)\"/>") << true;
        QTest::newRow("picture from its own bytes")
            << QByteArray("<image xlink:href=\"data:image/png;base64,iVBORw0KGgo=\"/>") << true;
        QTest::newRow("local use") << QByteArray("<use xlink:href=\"#a\"/>") << true;
        QTest::newRow("absolute picture") << QByteArray("<image xlink:href=\"/etc/passwd\"/>") << false;
        QTest::newRow("device") << QByteArray("<image href=\"/dev/zero\"/>") << false;
        QTest::newRow("file address") << QByteArray("<image xlink:href=\"file:///dev/zero\"/>") << false;
        QTest::newRow("relative picture") << QByteArray("<image xlink:href=\"../secret.svg\"/>") << false;
        QTest::newRow("use of another file") << QByteArray("<use xlink:href=\"other.svg#a\"/>") << false;
        QTest::newRow("fill from a file") << QByteArray("<rect style=\"fill: url(file:///dev/zero)\"/>") << false;
        QTest::newRow("style sheet import") << QByteArray("<style>@import url(x.css);</style>") << false;
        QTest::newRow("style sheet url") << QByteArray("<style><![CDATA[rect { fill: url('/dev/zero') }]]></style>")
                                         << false;
        // A drawing inside a drawing is read by the same renderer, so it is held to the same rules.
        const auto inner = [](const QByteArray &body) {
            return "<image xlink:href=\"data:image/svg+xml;base64," + (kHead + body + "</svg>").toBase64() + "\"/>";
        };
        QTest::newRow("drawing in a drawing") << inner("<rect width=\"8\" height=\"8\"/>") << true;
        QTest::newRow("drawing in a drawing refers out") << inner("<image xlink:href=\"/dev/zero\"/>") << false;
        QTest::newRow("drawings nested too deep") << inner(inner(inner(inner(inner("<rect/>"))))) << false;
        // The renderer takes these for file names.
        QTest::newRow("data address in capitals")
            << QByteArray("<image xlink:href=\"DATA:image/png;base64,iVBORw0KGgo=\"/>") << false;
    }
    void drawingsMustBeSelfContained()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, accepted);
        const QByteArray svg = kHead + body + "</svg>";
        QCOMPARE(Pictures::checkSelfContainedSvg(svg).ok(), accepted);
        write(QStringLiteral("drawing.svg"), svg);
        QCOMPARE(bool(Pictures::readPicture(pictures(), QStringLiteral("drawing.svg"))), accepted);
    }

    void drawingsThatCannotBeCheckedAreRefused()
    {
        QVERIFY(Pictures::checkSelfContainedSvg(
                    "<!DOCTYPE svg [<!ENTITY a \"aaaa\">]><svg xmlns=\"http://www.w3.org/2000/svg\">&a;</svg>")
                    .failed());
        QVERIFY(Pictures::checkSelfContainedSvg(QByteArray("\x1f\x8b\x08\x00", 4) + QByteArray(40, 'x')).failed());
        QVERIFY(Pictures::checkSelfContainedSvg(kHead + "<image xlink:href=\"/dev/zero\"").failed());
    }

    void filesThatNeverEndOrAreTooLargeAreRefused()
    {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), QDir(pictures()).filePath(QStringLiteral("zero.png"))));
        QCOMPARE(Pictures::readPicture(pictures(), QStringLiteral("zero.png")).error().code,
                 ErrorCode::InvalidArgument);
        write(QStringLiteral("large.png"), QByteArray(Pictures::kMaxPictureBytes + 1, '\0'));
        QCOMPARE(Pictures::readPicture(pictures(), QStringLiteral("large.png")).error().code,
                 ErrorCode::InvalidArgument);
        QCOMPARE(Pictures::readPicture(pictures(), QStringLiteral("missing.png")).error().code,
                 ErrorCode::FileNotFound);
        const auto good = Pictures::readPicture(pictures(), QStringLiteral("good.svg"));
        QVERIFY(good);
        QCOMPARE(good->format, QByteArray("svg"));
    }

    void everyPictureOfTheCourseIsAccepted()
    {
        const QDir course(qEnvironmentVariable("VESKORA_APP_DIR") + QStringLiteral("/Pictures"));
        const QStringList names = course.entryList(QDir::Files);
        if (names.isEmpty())
            QSKIP("the course has not been built");
        for (const QString &name : names) {
            const auto picture = Pictures::readPicture(course.path(), name);
            QVERIFY2(picture, qPrintable(name + QStringLiteral(": ") + (picture ? QString() : picture.error().detail)));
        }
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
