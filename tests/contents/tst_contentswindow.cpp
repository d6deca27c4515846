// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <algorithm>

#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

#include "contents/contentswindow.h"
#include "course/lessontitles.h"
#include "course/programstate.h"
#include "platform/ui/twips.h"

using Contents::ContentsWindow;
using Course::LessonTitles;

namespace {

void sendMouse(QWidget *widget, QEvent::Type type)
{
    const QPointF local(5, 5);
    QMouseEvent event(type, local, widget->mapToGlobal(local),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

QList<int> boldEntries(const ContentsWindow &window)
{
    QList<int> bold;
    for (int lesson = 1; lesson <= Course::kLessonCount; ++lesson) {
        if (window.entry(lesson)->font().bold())
            bold.append(lesson);
    }
    return bold;
}

} // namespace

class TestContentsWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void choosingAnEntrySetsBothLessonValuesBeforeTheStartCommand_data();
    void choosingAnEntrySetsBothLessonValuesBeforeTheStartCommand();
    void hoverKeepsOnlyNeighboursInCheck_data();
    void hoverKeepsOnlyNeighboursInCheck();
    void captionsAreExact_data();
    void captionsAreExact();
    void everyLanguageHasCaptionAndAllEntries();
    void everyEntryFitsItsLabelInBold_data();
    void everyEntryFitsItsLabelInBold();
    void incompleteBlockIsDropped();
    void layoutAndColoursFollowTheDesign();
};

void TestContentsWindow::choosingAnEntrySetsBothLessonValuesBeforeTheStartCommand_data()
{
    QTest::addColumn<int>("previous");
    QTest::addColumn<int>("entry");
    // Lesson 1 must count on from 1 whatever was current before; 9 and 10 sit either side
    // of the boundary between the second and the third lesson window.
    QTest::newRow("alphabet after lesson 7") << 7 << 1;
    QTest::newRow("last of the second window kind") << 2 << 9;
    QTest::newRow("first of the third window kind") << 30 << 10;
    QTest::newRow("last lesson") << 1 << 38;
}

void TestContentsWindow::choosingAnEntrySetsBothLessonValuesBeforeTheStartCommand()
{
    QFETCH(int, previous);
    QFETCH(int, entry);
    Course::ProgramState state;
    state.interfaceLanguage = Course::Language::English;
    state.currentLesson = previous;
    state.selectedLesson = QString::number(previous);
    ContentsWindow window(state);
    window.load();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // The shell presses cmdStart synchronously; record what it would see at that moment.
    int seenCurrent = -1;
    int seenSelected = -1;
    bool visibleDuringStart = false;
    connect(&window, &ContentsWindow::startCommandRequested, &window, [&] {
        seenCurrent = state.currentLesson;
        seenSelected = state.selectedLessonNumber();
        visibleDuringStart = window.isVisible();
    });
    QSignalSpy started(&window, &ContentsWindow::startCommandRequested);

    sendMouse(window.entry(entry), QEvent::MouseButtonPress);
    sendMouse(window.entry(entry), QEvent::MouseButtonRelease);

    QCOMPARE(started.count(), 1);
    QCOMPARE(seenCurrent, entry);
    QCOMPARE(seenSelected, entry);
    QVERIFY(visibleDuringStart);
    QCOMPARE(state.currentLesson, entry);
    QCOMPARE(state.selectedLesson, QString::number(entry));
    QVERIFY(!window.isVisible());
}

void TestContentsWindow::hoverKeepsOnlyNeighboursInCheck_data()
{
    QTest::addColumn<QList<int>>("boldBefore");
    QTest::addColumn<QList<int>>("hovered");
    QTest::addColumn<QList<int>>("expectedBold");
    QTest::newRow("first resets only the second") << QList<int>{2, 3} << QList<int>{1} << QList<int>{1, 3};
    QTest::newRow("last resets only the one before") << QList<int>{36, 37} << QList<int>{38} << QList<int>{36, 38};
    QTest::newRow("slow movement down") << QList<int>{} << QList<int>{5, 6, 7, 8} << QList<int>{8};
    QTest::newRow("fast movement skips entries") << QList<int>{} << QList<int>{5, 8} << QList<int>{5, 8};
    QTest::newRow("moving back up") << QList<int>{} << QList<int>{20, 19} << QList<int>{19};
    QTest::newRow("same entry twice") << QList<int>{} << QList<int>{12, 12} << QList<int>{12};
}

void TestContentsWindow::hoverKeepsOnlyNeighboursInCheck()
{
    QFETCH(QList<int>, boldBefore);
    QFETCH(QList<int>, hovered);
    QFETCH(QList<int>, expectedBold);
    Course::ProgramState state;
    state.interfaceLanguage = Course::Language::German;
    ContentsWindow window(state);
    window.load();
    QVERIFY(boldEntries(window).isEmpty());
    for (int lesson : boldBefore) {
        QFont font = window.entry(lesson)->font();
        font.setBold(true);
        window.entry(lesson)->setFont(font);
    }
    for (int lesson : hovered)
        sendMouse(window.entry(lesson), QEvent::MouseMove);
    QCOMPARE(boldEntries(window), expectedBold);
}

void TestContentsWindow::captionsAreExact_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    const QString german = QStringLiteral("Inhaltsverzeichnis");
    QTest::newRow("German 3") << 140 << 3 << QStringLiteral("Lektion  3. Zahlwörter - Grundzahlen") << german;
    QTest::newRow("German 9, five trailing blanks")
        << 140 << 9 << QStringLiteral("Lektion  9. Das Wetter     ") << german;
    QTest::newRow("French 3") << 150 << 3 << QStringLiteral("La leçon  3. Les nombres cardinaux")
                              << QStringLiteral("Table des matières");
    QTest::newRow("English 8, trailing blank")
        << 110 << 8 << QStringLiteral("Lesson  8. Pronouns ") << QStringLiteral("Table of contents");
    QTest::newRow("Swedish 35") << 120 << 35 << QStringLiteral("Lektion 35. Nöjen")
                                << QStringLiteral("Innehållsförteckning");
    QTest::newRow("Finnish 5") << 130 << 5 << QStringLiteral("Oppitunti  5. Aika")
                               << QStringLiteral("Sisällysluettelo");
    QTest::newRow("Spanish 38") << 160 << 38 << QStringLiteral("Lección 38. Adjetivos comunes")
                                << QStringLiteral("Índice");
    QTest::newRow("unknown language shows English")
        << 999 << 1 << QStringLiteral("Lesson  1. The Russian alphabet") << QStringLiteral("Table of contents");
    QTest::newRow("no language yet shows English")
        << 0 << 38 << QStringLiteral("Lesson 38. Common adjectives") << QStringLiteral("Table of contents");
}

void TestContentsWindow::captionsAreExact()
{
    QFETCH(int, language);
    QFETCH(int, entry);
    QFETCH(QString, text);
    QFETCH(QString, caption);
    Course::ProgramState state;
    if (language != 0)
        state.interfaceLanguage = language;
    ContentsWindow window(state);
    window.load();
    QCOMPARE(window.entry(entry)->text(), text);
    QCOMPARE(window.entry(entry)->accessibleName(), text.trimmed());
    QCOMPARE(window.windowTitle(), caption);
}

void TestContentsWindow::everyLanguageHasCaptionAndAllEntries()
{
    const LessonTitles &titles = LessonTitles::builtIn();
    for (int language : Course::Language::All) {
        const LessonTitles::Captions *captions = titles.forLanguage(language);
        QVERIFY2(captions, qPrintable(QString::number(language)));
        QCOMPARE(captions->entries.size(), Course::kLessonCount);
        for (int lesson = 1; lesson <= Course::kLessonCount; ++lesson) {
            // Each entry names its own lesson number; a shifted line would break that.
            const QString number = QStringLiteral(" %1.").arg(lesson);
            QVERIFY2(captions->entries.at(lesson - 1).contains(number),
                     qPrintable(
                         QStringLiteral("%1/%2: %3").arg(language).arg(lesson).arg(captions->entries.at(lesson - 1))));
        }
    }
}

void TestContentsWindow::everyEntryFitsItsLabelInBold_data()
{
    QTest::addColumn<int>("language");
    for (int language : Course::Language::All)
        QTest::newRow(qPrintable(QString::number(language))) << language;
}

void TestContentsWindow::everyEntryFitsItsLabelInBold()
{
    QFETCH(int, language);
    Course::ProgramState state;
    state.interfaceLanguage = language;
    ContentsWindow window(state);
    window.load();
    for (int lesson = 1; lesson <= Course::kLessonCount; ++lesson) {
        const QLabel *label = window.entry(lesson);
        // Hovering makes an entry bold, and the window's right edge cuts the labels a little:
        // a title must fit in what is left of its label in the wider, bold face.
        QFont bold = label->font();
        bold.setBold(true);
        const int needed = QFontMetrics(bold).horizontalAdvance(label->text().trimmed());
        const int available = std::min(label->contentsRect().width(), window.width() - label->x());
        QVERIFY2(needed <= available,
                 qPrintable(QStringLiteral("%1: %2 of %3 pixels").arg(label->text()).arg(needed).arg(available)));
    }
}

void TestContentsWindow::incompleteBlockIsDropped()
{
    QString text = QStringLiteral("[110] English\ncaption \"Table of contents\"\n");
    for (int lesson = 1; lesson <= 37; ++lesson)
        text += QStringLiteral("%1 \"Lesson %1 \"\n").arg(lesson);
    text += QStringLiteral("[140] German\ncaption \"Inhalt\"\n");
    for (int lesson = 1; lesson <= 38; ++lesson)
        text += QStringLiteral("%1 \"  Lektion %1  \"\r\n").arg(lesson);
    const LessonTitles titles = LessonTitles::parse(text);
    QVERIFY(!titles.forLanguage(110));
    QVERIFY(titles.forLanguage(140));
    QCOMPARE(titles.forLanguage(140)->entries.at(37), QStringLiteral("  Lektion 38  "));
}

void TestContentsWindow::layoutAndColoursFollowTheDesign()
{
    Course::ProgramState state;
    state.interfaceLanguage = Course::Language::French;
    ContentsWindow window(state);
    window.load();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.windowFlags().testFlag(Qt::Tool));

    using Platform::Twips::toPixels;
    QCOMPARE(window.entry(1)->geometry(), QRect(toPixels(120), 0, toPixels(7575), toPixels(180)));
    QCOMPARE(window.entry(26)->y(), toPixels(5400));
    QCOMPARE(window.entry(38)->y(), toPixels(8280));
    QCOMPARE(window.size(), QSize(toPixels(7644), toPixels(8508)));

    const QImage image = window.grab().toImage();
    const auto colourAt = [&](int lesson) {
        const QRect rect = window.entry(lesson)->geometry();
        // The entries reach past the client area on the right, as designed; sample inside it.
        return QColor(image.pixel(std::min(rect.right(), image.width() - 1) - 2, rect.center().y()));
    };
    QCOMPARE(colourAt(1), QColor(255, 255, 255));
    QCOMPARE(colourAt(2), QColor(255, 192, 192));
    QCOMPARE(colourAt(37), QColor(255, 255, 255));
    QCOMPARE(colourAt(38), QColor(255, 192, 192));
    QCOMPARE(QColor(image.pixel(2, image.height() - 2)), QColor(128, 255, 128));

    if (const QString folder = qEnvironmentVariable("VESKORA_SCREENSHOT_DIR"); !folder.isEmpty())
        image.save(folder + QStringLiteral("/contents-fr.png"));
}

QTEST_MAIN(TestContentsWindow)
#include "tst_contentswindow.moc"
