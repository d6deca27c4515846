// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
// Lesson 2 of a course folder whose files were tampered with: a picture name that climbs out
// of the pictures folder, drawings that refer to files of the computer, and texts too long
// to show. The window draws nothing but the picture's own bytes, leaves the long texts out
// and says so once.
#include <QBuffer>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>

#include "lessons/lektion2.h"
#include "lessontestbed.h"

using namespace Qt::StringLiterals;
using Dictionary = LessonTestBed::Dictionary;

namespace {

const QColor kSecretRed(255, 0, 0);

/// Changes the copied course database the way a tamperer would, with the course's key.
bool tamper(const LessonTestBed &bed, const QString &sql)
{
    QProcess sqlcipher;
    sqlcipher.start(u"sqlcipher"_s, {bed.copy.path() + u"/Russian.mdb"_s});
    sqlcipher.write(QStringLiteral("PRAGMA key = '%1';\nPRAGMA kdf_iter = %2;\n%3;\n")
                        .arg(Course::Files::kPassword)
                        .arg(Course::Files::kKeyRounds)
                        .arg(sql)
                        .toUtf8());
    sqlcipher.closeWriteChannel();
    return sqlcipher.waitForFinished(30000) && sqlcipher.exitCode() == 0 && sqlcipher.readAllStandardError().isEmpty();
}

/// A red PNG: a picture a learner would recognise if it were drawn.
QByteArray redPng()
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(kSecretRed);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

bool showsRed(const QLabel *picture)
{
    const QImage shown = picture->pixmap().toImage();
    return !shown.isNull() && shown.pixelColor(shown.width() / 2, shown.height() / 2) == kSecretRed;
}

} // namespace

class TestHostileCourse : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pictureNameClimbingOutOfItsFolderIsNotRead()
    {
        LessonTestBed bed(Dictionary::Missing);
        writeFile(bed.copy.path() + u"/secret.png"_s, redPng());
        QVERIFY(tamper(bed, u"UPDATE Lektion2 SET Picture1 = '../secret.png' WHERE rowid = 2"_s));
        Lessons::LessonWindow *window = bed.open<Lessons::Lektion2>(2);
        auto *picture = LessonTestBed::control<QLabel>(window, "Picture1");
        const qint64 first = picture->pixmap().cacheKey();
        QTest::mouseClick(LessonTestBed::control<QPushButton>(window, "cmdNext"), Qt::LeftButton);
        QCOMPARE(LessonTestBed::control<QLineEdit>(window, "txtPicture")->text(), u"../secret.png"_s);
        QVERIFY(!showsRed(picture));
        QCOMPARE(picture->pixmap().cacheKey(), first);
    }

    void drawingDrawsFromItsOwnBytesOnly_data()
    {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<bool>("drawn");
        // %1 is the folder of the course copy.
        QTest::newRow("absolute path") << "%1/secret.png" << false;
        QTest::newRow("file address") << "file://%1/secret.png" << false;
        QTest::newRow("relative to the pictures folder") << "../secret.png" << false;
        QTest::newRow("own bytes") << "data:image/png;base64," + QString::fromLatin1(redPng().toBase64()) << true;
    }
    void drawingDrawsFromItsOwnBytesOnly()
    {
        QFETCH(QString, reference);
        QFETCH(bool, drawn);
        LessonTestBed bed(Dictionary::Missing);
        writeFile(bed.copy.path() + u"/secret.png"_s, redPng());
        // Record 2 shows square.svg; it now only draws a picture by reference.
        writeFile(bed.copy.path() + u"/Pictures/square.svg"_s,
                  QStringLiteral(
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
                      "viewBox=\"0 0 8 8\" width=\"80\" height=\"80\"><image x=\"0\" y=\"0\" width=\"8\" height=\"8\" "
                      "xlink:href=\"%1\"/></svg>")
                      .arg(QString(reference).replace(u"%1"_s, bed.copy.path()).toHtmlEscaped())
                      .toUtf8());
        Lessons::LessonWindow *window = bed.open<Lessons::Lektion2>(2);
        QTest::mouseClick(LessonTestBed::control<QPushButton>(window, "cmdNext"), Qt::LeftButton);
        QCOMPARE(showsRed(LessonTestBed::control<QLabel>(window, "Picture1")), drawn);
    }

    void textTooLongIsLeftOutAndToldOnce()
    {
        LessonTestBed bed(Dictionary::Missing);
        bed.state.interfaceLanguage = Course::Language::German;
        // Over a million characters in the second and third records.
        QVERIFY(tamper(bed, u"UPDATE Lektion2 SET RussianText = hex(zeroblob(600000)) WHERE rowid IN (2, 3)"_s));
        Lessons::LessonWindow *window = bed.open<Lessons::Lektion2>(2);
        auto *text = LessonTestBed::control<QPlainTextEdit>(window, "txtTexten");
        QVERIFY(!text->toPlainText().isEmpty());
        for (int record = 2; record <= 3; ++record) {
            QTest::mouseClick(LessonTestBed::control<QPushButton>(window, "cmdNext"), Qt::LeftButton);
            QCOMPARE(text->toPlainText(), QString());
            // The translation of the record is still there.
            QVERIFY(!LessonTestBed::control<QPlainTextEdit>(window, "txtNative")->toPlainText().isEmpty());
        }
        QTRY_COMPARE(bed.messages.size(), 1);
        QVERIFY2(bed.messages.first().startsWith(u"Veskora: Ein Text dieser Lektion ist zu lang"_s),
                 qPrintable(bed.messages.first()));
        QVERIFY(bed.messages.first().contains(u"RussianText"_s));
        QTest::qWait(50);
        QCOMPARE(bed.messages.size(), 1);
    }
};

QTEST_MAIN(TestHostileCourse)
#include "tst_hostilecourse.moc"
