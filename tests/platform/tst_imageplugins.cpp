// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QProxyStyle>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

#include "platform/ui/drawingcache.h"
#include "platform/ui/pictures.h"
#include "platform/ui/pngiconengine.h"

namespace {

/// The image-format plugins mapped into this process, by file name.
QStringList loadedImagePlugins()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly | QIODevice::Text))
        return {QStringLiteral("(no /proc/self/maps)")};
    QStringList plugins;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const qsizetype at = line.indexOf("/imageformats/");
        if (at >= 0 && !plugins.contains(QString::fromLatin1(line.mid(at + 14))))
            plugins << QString::fromLatin1(line.mid(at + 14));
    }
    return plugins;
}

QString sourceFile(const char *relative)
{
    return qEnvironmentVariable("VESKORA_SOURCE_DIR") + u'/' + QLatin1StringView(relative);
}

} // namespace

class TestImagePlugins : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { Platform::usePngIconEngine(); }

    // Runs first: once any plugin is loaded it stays for the rest of the process.
    void pngAndSvgLoadOnlyTheSvgPlugin()
    {
        // The style's icons come from PNG files (the menu bar's extension button, the MDI
        // window's buttons): none of them may load a plugin.
        const QIcon extension = QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        QVERIFY(!extension.pixmap(16).isNull());
        const QIcon menu = QApplication::style()->standardIcon(QStyle::SP_TitleBarMenuButton);
        QCOMPARE(menu.availableSizes().size(), 2);

        QImageReader png;
        QVERIFY(Platform::Pictures::open(png, sourceFile("data/help/user/tricolour.png")));
        QVERIFY(!png.read().isNull());
        // A lesson's picture from a course folder is known by its contents.
        const auto lessonPng =
            Platform::Pictures::readPicture(sourceFile("data/help/user"), QStringLiteral("tricolour.png"));
        QVERIFY(lessonPng);
        QCOMPARE(lessonPng->format, QByteArray("png"));
        QCOMPARE(loadedImagePlugins(), QStringList());

        QImageReader svg;
        QVERIFY(Platform::Pictures::open(svg, sourceFile("src/shell/flags/se.svg")));
        QVERIFY(!svg.read().isNull());
        const auto lessonSvg = Platform::Pictures::readPicture(sourceFile("src/shell/flags"), QStringLiteral("se.svg"));
        QVERIFY(lessonSvg);
        QCOMPARE(lessonSvg->format, QByteArray("svg"));
        QCOMPARE(loadedImagePlugins().size(), 1);
        QVERIFY(loadedImagePlugins().constFirst().startsWith(QStringLiteral("libqsvg")));

        // The MDI windows' menu icon is the style's own.
        const auto *style = qobject_cast<QProxyStyle *>(QApplication::style());
        QVERIFY(style);
        const QIcon own = style->baseStyle()->standardIcon(QStyle::SP_TitleBarMenuButton);
        QCOMPARE(menu.availableSizes(), own.availableSizes());
        for (const int extent : {16, 64})
            QCOMPARE(menu.pixmap(extent).toImage(), own.pixmap(extent).toImage());
    }

    void iconsLookAsWithQtsOwnEngine_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("extent");
        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
            for (const int extent : {8, 16, 40})
                QTest::addRow("mode %d, %d px", int(mode), extent) << int(mode) << extent;
        }
    }
    void iconsLookAsWithQtsOwnEngine()
    {
        QFETCH(int, mode);
        QFETCH(int, extent);
        const QString file = sourceFile("data/help/user/tricolour.png");
        const QIcon ours(file);
        QIcon qts;
        qts.addPixmap(QPixmap::fromImage(QImage(file)));
        const auto iconMode = QIcon::Mode(mode);
        QCOMPARE(ours.actualSize(QSize(extent, extent), iconMode), qts.actualSize(QSize(extent, extent), iconMode));
        QCOMPARE(ours.availableSizes(iconMode), qts.availableSizes(iconMode));
        QCOMPARE(ours.pixmap(extent, 2.0, iconMode).toImage(), qts.pixmap(extent, 2.0, iconMode).toImage());
        QCOMPARE(ours.pixmap(extent, 1.0, iconMode).toImage(), qts.pixmap(extent, 1.0, iconMode).toImage());
    }

    void misnamedOrDamagedPictures()
    {
        QTemporaryDir folder;
        // A PNG file named as a drawing still reads, as Qt recognises it.
        const QString misnamed = folder.filePath(QStringLiteral("picture.svg"));
        QVERIFY(QFile::copy(sourceFile("data/help/user/tricolour.png"), misnamed));
        QImageReader reader;
        QVERIFY(Platform::Pictures::open(reader, misnamed));
        QVERIFY(!reader.read().isNull());

        QFile damaged(folder.filePath(QStringLiteral("damaged.png")));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("\x89PNG\r\n\x1a\n and then nothing a picture holds");
        damaged.close();
        QImageReader broken;
        Platform::Pictures::open(broken, damaged.fileName());
        QVERIFY(broken.read().isNull());
        QVERIFY(QIcon(damaged.fileName()).isNull());
    }

    // An icon reads its file when first painted; until then it tells whether it is null from
    // the file's first bytes, and must agree with what reading the file later gives.
    void iconsTellNullBeforeReading_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("asked");
        QTest::addColumn<bool>("isNull");
        QFile source(sourceFile("data/help/user/tricolour.png"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray png = source.readAll();
        const QSize own = QImage::fromData(png).size();
        QByteArray noWidth = png;
        noWidth.replace(16, 4, QByteArray(4, '\0'));
        QTest::newRow("any size") << png << QSize() << false;
        QTest::newRow("its own size") << png << own << false;
        QTest::newRow("another size") << png << own + QSize(1, 1) << true;
        QTest::newRow("a header of no width") << noWidth << QSize() << true;
        QTest::newRow("cut inside the header") << png.left(20) << QSize() << true;
        QTest::newRow("missing file") << QByteArray() << QSize() << true;
    }
    void iconsTellNullBeforeReading()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, asked);
        QFETCH(bool, isNull);
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("icon.png")));
        if (!bytes.isEmpty()) {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
            file.close();
        }
        auto *engine = new Platform::PngIconEngine;
        engine->addFile(file.fileName(), asked, QIcon::Normal, QIcon::Off);
        const QIcon icon(engine);
        QCOMPARE(icon.isNull(), isNull);
        if (!isNull)
            QCOMPARE(icon.pixmap(16).toImage(),
                     QIcon(QPixmap::fromImage(QImage(file.fileName()))).pixmap(16).toImage());
    }

    void drawingsAreKeptAndReadBack()
    {
        QTemporaryDir cache;
        const QString folder = cache.filePath(QStringLiteral("drawings"));
        const QString drawing = sourceFile("src/shell/flags/se.svg");
        const auto argb = [](const QPixmap &pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32); };
        Platform::Pictures::setDrawingCache(folder);
        const QPixmap drawn = Platform::Pictures::renderCached(drawing, QSize(40, 26), 2.0);
        QVERIFY(!drawn.isNull());
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 1);
        QFile kept(QDir(folder).filePath(QDir(folder).entryList(QDir::Files).constFirst()));
        const QPixmap read = Platform::Pictures::renderCached(drawing, QSize(40, 26), 2.0);
        QCOMPARE(read.devicePixelRatio(), 2.0);
        QCOMPARE(argb(read), argb(drawn));

        // Another size or density is another drawing.
        QVERIFY(!Platform::Pictures::renderCached(drawing, QSize(40, 26), 1.0).isNull());
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2);

        // Kept files that are cut short, longer than their header says, of another layout, or
        // of a larger picture than asked for are drawn again.
        QVERIFY(kept.open(QIODevice::ReadOnly));
        const QByteArray good = kept.readAll();
        kept.close();
        QByteArray larger = good;
        larger[8] = char(200);
        QByteArray otherLayout = good;
        otherLayout[7] = '9';
        for (const QByteArray &bytes : {good.left(good.size() - 1), good + "x", otherLayout, larger, QByteArray()}) {
            QVERIFY(kept.open(QIODevice::WriteOnly | QIODevice::Truncate));
            kept.write(bytes);
            kept.close();
            QCOMPARE(argb(Platform::Pictures::renderCached(drawing, QSize(40, 26), 2.0)), argb(drawn));
        }
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), good);
        kept.close();

        // Without a cache folder nothing is kept.
        Platform::Pictures::setDrawingCache({});
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(!Platform::Pictures::renderCached(drawing, QSize(40, 26), 2.0).isNull());
        QVERIFY(!QDir(folder).exists());
    }
};

QTEST_MAIN(TestImagePlugins)
#include "tst_imageplugins.moc"
