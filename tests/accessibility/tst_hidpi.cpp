// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QApplication>
#include <QLabel>
#include <QTest>

#include "lessons/lektion1.h"
#include "lessons/lektion2.h"
#include "lessontestbed.h"
#include "platform/agent/characterwindow.h"
#include "platform/ui/pictures.h"
#include "shell/frmmain.h"
#include "shell/frmsplash.h"
#include "shell/services.h"
#include "shell/shellresources.h"
#include "shell/startdialog.h"

// Runs on a screen scaled by two: every picture must carry twice as many pixels as it takes
// room, or it is enlarged from a small bitmap and looks blurred.
class TestHiDpi : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }
    void drawingsRenderAtTheScreensDensity_data();
    void drawingsRenderAtTheScreensDensity();
    void unreadablePictureGivesNothing();
    void windowPicturesAreSharp();
    void characterFigureKeepsItsLogicalSize();
};

void TestHiDpi::drawingsRenderAtTheScreensDensity_data()
{
    QTest::addColumn<QSize>("box");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QSize>("logical");
    // genie.svg is square: kept in proportion it fits the box's shorter side.
    QTest::newRow("square box") << QSize(100, 100) << int(Qt::KeepAspectRatio) << QSize(100, 100);
    QTest::newRow("wide box, proportional") << QSize(200, 80) << int(Qt::KeepAspectRatio) << QSize(80, 80);
    QTest::newRow("wide box, stretched") << QSize(200, 80) << int(Qt::IgnoreAspectRatio) << QSize(200, 80);
}

void TestHiDpi::drawingsRenderAtTheScreensDensity()
{
    QFETCH(QSize, box);
    QFETCH(int, mode);
    QFETCH(QSize, logical);
    Shell::initResources();
    const QPixmap pixmap =
        Platform::Pictures::render(QStringLiteral(":/shell/genie.svg"), box, 2.0, Qt::AspectRatioMode(mode));
    QCOMPARE(pixmap.devicePixelRatio(), 2.0);
    QCOMPARE(pixmap.size(), logical * 2);
    QCOMPARE(pixmap.deviceIndependentSize().toSize(), logical);
}

void TestHiDpi::unreadablePictureGivesNothing()
{
    QVERIFY(Platform::Pictures::render(QStringLiteral("/nonexistent/picture.svg"), QSize(10, 10), 2.0).isNull());
    QVERIFY(Platform::Pictures::render(QStringLiteral(":/shell/genie.svg"), QSize(0, 10), 2.0).isNull());
}

void TestHiDpi::windowPicturesAreSharp()
{
    LessonTestBed bed;
    QWidget *lesson = bed.open<Lessons::Lektion2>(2);
    lesson->show();
    auto *picture = LessonTestBed::control<QLabel>(lesson, "Picture1");
    const QPixmap shown = picture->pixmap();
    QVERIFY(!shown.isNull());
    QCOMPARE(shown.devicePixelRatio(), 2.0);
    // The drawing fills its box in logical pixels, as it does on an unscaled screen.
    const QSize room = picture->contentsRect().size();
    const QSize logical = shown.deviceIndependentSize().toSize();
    QVERIFY2(logical.width() == room.width() || logical.height() == room.height(), "picture does not fit its box");

    QWidget *alphabet = bed.open<Lessons::Lektion1>(1);
    QCOMPARE(LessonTestBed::control<QLabel>(alphabet, "Image1")->pixmap().devicePixelRatio(), 2.0);

    Course::ProgramState state;
    TestSupport::InMemorySettingsStore settings;
    TestSupport::FakeProcessLauncher launcher;
    settings.preset(QStringLiteral("Agent"), QStringLiteral("OK"));
    Shell::Services services;
    services.state = &state;
    services.settings = &settings;
    services.launcher = &launcher;
    Shell::FrmMain main(services);
    main.load();
    auto *genie = main.start().get()->findChild<QLabel *>(QStringLiteral("Picture2"));
    QCOMPARE(genie->pixmap().devicePixelRatio(), 2.0);
    QCOMPARE(genie->pixmap().deviceIndependentSize().toSize(), genie->size());

    Shell::FrmSplash splash;
    QCOMPARE(splash.findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().devicePixelRatio(), 2.0);
}

void TestHiDpi::characterFigureKeepsItsLogicalSize()
{
    // A frame drawn with twice the pixels must not make the figure twice as large.
    QImage frame(QSize(80, 60) * 2, QImage::Format_ARGB32_Premultiplied);
    frame.fill(Qt::red);
    frame.setDevicePixelRatio(2.0);
    Platform::CharacterWindow window;
    window.setFrame(frame);
    QCOMPARE(window.size(), QSize(80, 60));
}

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
