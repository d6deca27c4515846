// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "resources/stringtable.h"
#include "shell/applyresourcecaptions.h"

using Resources::StringTable;

class TestApplyResourceCaptions : public QObject {
    Q_OBJECT

private:
    static StringTable table(quint32 lcid) { return StringTable::menuStrings().forLocale(lcid); }

private Q_SLOTS:
    void menuCaptionsAreTranslated()
    {
        QMainWindow window;
        window.setWindowTitle(QStringLiteral("Veskora"));
        QMenu *file = window.menuBar()->addMenu(QStringLiteral("1000"));
        QAction *lesson1 = file->addAction(QStringLiteral("1017"));
        QAction *lesson12 = file->addAction(QStringLiteral("2002"));
        QAction *separator = file->addAction(QStringLiteral("     __________"));
        QAction *fourBlanks = file->addAction(QStringLiteral("    __________"));
        QAction *missing = file->addAction(QStringLiteral("4711"));
        QAction *notAnId = file->addAction(QStringLiteral("Lesson"));
        QAction *end = file->addAction(QStringLiteral("1006"));

        Shell::ApplyResourceCaptions(window, table(0x041D));

        QCOMPARE(file->title(), QStringLiteral("&Arkiv"));
        QCOMPARE(lesson1->text(), QStringLiteral("Lektion1"));
        QCOMPARE(lesson12->text(), QStringLiteral("Lektion 12"));
        QCOMPARE(separator->text(), QStringLiteral("     __________"));
        QCOMPARE(fourBlanks->text(), QStringLiteral("    __________"));
        QCOMPARE(missing->text(), QStringLiteral("4711"));
        QCOMPARE(notAnId->text(), QStringLiteral("Lesson"));
        QCOMPARE(end->text(), QStringLiteral("A&vsluta"));
        // The main window has no tag: its caption stays.
        QCOMPARE(window.windowTitle(), QStringLiteral("Veskora"));
    }

    void frenchAndCatalanMenus()
    {
        QMainWindow window;
        QMenu *file = window.menuBar()->addMenu(QStringLiteral("1000"));
        QAction *lesson12 = file->addAction(QStringLiteral("2002"));
        QAction *french = file->addAction(QStringLiteral("2034"));
        Shell::ApplyResourceCaptions(window, table(0x040C));
        QCOMPARE(lesson12->text(), QStringLiteral("Leçon 12"));
        QCOMPARE(french->text(), QStringLiteral("Français"));

        QMainWindow catalan;
        QMenu *menu = catalan.menuBar()->addMenu(QStringLiteral("1000"));
        QAction *frenchInSpanish = menu->addAction(QStringLiteral("2034"));
        Shell::ApplyResourceCaptions(catalan, table(0x0403));
        QCOMPARE(menu->title(), QStringLiteral("&Menú"));
        QCOMPARE(frenchInSpanish->text(), QStringLiteral("Francés"));
    }

    void numericTagSetsTheCaption()
    {
        QWidget window;
        window.setWindowTitle(QStringLiteral("design"));
        window.setProperty("tag", QStringLiteral("2050"));
        Shell::ApplyResourceCaptions(window, table(0x0407));
        QCOMPARE(window.windowTitle(), QStringLiteral("Inhaltsverzeichnis"));
    }

    void badTagsKeepTheDesignCaption_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::newRow("empty") << "";
        QTest::newRow("not numeric") << "abc";
        QTest::newRow("missing id") << "9999";
        QTest::newRow("id 21") << "21";
    }
    void badTagsKeepTheDesignCaption()
    {
        QFETCH(QString, tag);
        QWidget window;
        window.setWindowTitle(QStringLiteral("design"));
        window.setProperty("tag", tag);
        Shell::ApplyResourceCaptions(window, table(0x0409));
        QCOMPARE(window.windowTitle(), QStringLiteral("design"));
    }

    void fontStepSetsTheSwedishFaceAndKeepsTheSize()
    {
        QWidget window;
        QFont design(QStringLiteral("DejaVu Sans"), 11);
        window.setFont(design);
        auto *label = new QLabel(QStringLiteral("x"), &window);
        label->setFont(QFont(QStringLiteral("DejaVu Serif"), 20));
        Shell::ApplyResourceCaptions(window, table(0x041D));
        QCOMPARE(window.font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(window.font().pointSize(), 11);
        QCOMPARE(label->font().family(), QStringLiteral("Tahoma"));

        // Outside the Swedish blocks id 20 is missing: the face stays, the font is still
        // handed to the controls.
        QWidget english;
        english.setFont(design);
        auto *other = new QLabel(QStringLiteral("y"), &english);
        other->setFont(QFont(QStringLiteral("DejaVu Serif"), 20));
        Shell::ApplyResourceCaptions(english, table(0x0409));
        QCOMPARE(english.font().family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(other->font().pointSize(), 11);
    }

    void mainWindowFontIsLeftAlone()
    {
        QMainWindow window;
        QFont design(QStringLiteral("DejaVu Sans"), 11);
        window.setFont(design);
        Shell::ApplyResourceCaptions(window, table(0x041D));
        QCOMPARE(window.font().family(), QStringLiteral("DejaVu Sans"));
    }
};

QTEST_MAIN(TestApplyResourceCaptions)
#include "tst_applyresourcecaptions.moc"
