// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
// Lesson 2 of a course folder whose files were tampered with: texts too long to show. The
// window leaves them out and says so once.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>

#include "lessons/lektion2.h"
#include "lessontestbed.h"

using namespace Qt::StringLiterals;
using Dictionary = LessonTestBed::Dictionary;

namespace {

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

} // namespace

class TestHostileCourse : public QObject {
    Q_OBJECT
private Q_SLOTS:
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
        QVERIFY2(bed.messages.first().startsWith(u"Veskora: Ein Text dieser Lektion ist zu lang"_s), qPrintable(bed.messages.first()));
        QVERIFY(bed.messages.first().contains(u"RussianText"_s));
        QTest::qWait(50);
        QCOMPARE(bed.messages.size(), 1);
    }
};

QTEST_MAIN(TestHostileCourse)
#include "tst_hostilecourse.moc"
