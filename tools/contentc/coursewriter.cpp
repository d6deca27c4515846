// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "coursewriter.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/rand.h>
#include <sqlite3.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QVariant>

#include "course/codepage1251.h"
#include "course/coursefiles.h"
#include "course/lessonrules.h"
#include "course/lessontable.h"
#include "platform/database/searchfold.h"

namespace Content {
namespace {

// A counter-mode generator over SHA-256: the stream depends on the seed only.
struct DeterministicStream {
    QByteArray seed;
    quint64 counter = 0;
    QByteArray pending;

    void fill(unsigned char *buffer, int count)
    {
        while (count > 0) {
            if (pending.isEmpty()) {
                QCryptographicHash hash(QCryptographicHash::Sha256);
                hash.addData(seed);
                hash.addData(QByteArrayView(reinterpret_cast<const char *>(&counter), sizeof counter));
                ++counter;
                pending = hash.result();
            }
            const int take = std::min<int>(count, int(pending.size()));
            std::memcpy(buffer, pending.constData(), size_t(take));
            pending.remove(0, take);
            buffer += take;
            count -= take;
        }
    }
};

DeterministicStream s_stream;

int streamBytes(unsigned char *buffer, int count)
{
    s_stream.fill(buffer, count);
    return 1;
}
int streamSeed(const void *, int)
{
    return 1;
}
int streamAdd(const void *, int, double)
{
    return 1;
}
int streamStatus()
{
    return 1;
}

RAND_METHOD s_method = {streamSeed, streamBytes, nullptr, streamAdd, streamBytes, streamStatus};

QString temporaryPath(const QString &path)
{
    const QFileInfo info(path);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".contentc-tmp");
}

QString renameIntoPlace(const QString &temporary, const QString &path)
{
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) != 0)
        return QStringLiteral("cannot rename %1 to %2: %3")
            .arg(temporary, path, QString::fromLocal8Bit(std::strerror(errno)));
    return {};
}

QString quoted(const QString &identifier)
{
    return QLatin1Char('"') + identifier + QLatin1Char('"');
}

// A database being written: one transaction, closed (and removed on failure) by finish().
class Writer {
public:
    explicit Writer(const QString &path)
        : m_path(path)
        , m_temporary(temporaryPath(path))
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile::remove(m_temporary);
        if (sqlite3_open_v2(QFile::encodeName(m_temporary).constData(), &m_db,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
            != SQLITE_OK)
            fail(QStringLiteral("cannot create"));
    }
    ~Writer()
    {
        if (m_db)
            sqlite3_close(m_db);
    }

    void exec(const QString &sql)
    {
        if (!m_error.isEmpty())
            return;
        char *message = nullptr;
        if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK)
            fail(QString::fromUtf8(message ? message : "unknown error") + QStringLiteral(" in: ") + sql);
        sqlite3_free(message);
    }

    void insert(const QString &table, const QStringList &columns, const QList<QVariant> &values)
    {
        if (!m_error.isEmpty())
            return;
        if (m_insertTable != table) {
            sqlite3_finalize(m_insert);
            m_insert = nullptr;
            QStringList names, marks;
            for (const QString &column : columns) {
                names << quoted(column);
                marks << QStringLiteral("?");
            }
            const QByteArray sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                       .arg(quoted(table), names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')))
                                       .toUtf8();
            if (sqlite3_prepare_v2(m_db, sql.constData(), -1, &m_insert, nullptr) != SQLITE_OK) {
                fail(QString::fromUtf8(sqlite3_errmsg(m_db)));
                return;
            }
            m_insertTable = table;
        }
        sqlite3_reset(m_insert);
        for (int i = 0; i < values.size(); ++i) {
            const QVariant &value = values.at(i);
            if (value.typeId() == QMetaType::Int) {
                sqlite3_bind_int(m_insert, i + 1, value.toInt());
            } else {
                const QByteArray text = value.toString().toUtf8();
                sqlite3_bind_text(m_insert, i + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
            }
        }
        if (sqlite3_step(m_insert) != SQLITE_DONE)
            fail(QString::fromUtf8(sqlite3_errmsg(m_db)));
    }

    QString finish()
    {
        sqlite3_finalize(m_insert);
        m_insert = nullptr;
        if (m_db && sqlite3_close(m_db) != SQLITE_OK && m_error.isEmpty())
            fail(QStringLiteral("cannot close"));
        m_db = nullptr;
        if (!m_error.isEmpty()) {
            QFile::remove(m_temporary);
            return m_error;
        }
        return renameIntoPlace(m_temporary, m_path);
    }

private:
    void fail(const QString &message)
    {
        if (m_error.isEmpty())
            m_error = m_path + QStringLiteral(": ") + message;
    }

    QString m_path;
    QString m_temporary;
    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_insert = nullptr;
    QString m_insertTable;
    QString m_error;
};

QString stored(const QString &text)
{
    QString result;
    // The sources were validated before writing, so encoding cannot fail here.
    Course::CodePage1251::encode(text, &result);
    return result;
}

QString columnList(const QStringList &columns, const QString &type)
{
    QStringList parts;
    for (const QString &column : columns)
        parts << quoted(column) + QLatin1Char(' ') + type;
    return parts.join(QStringLiteral(", "));
}

} // namespace

void useDeterministicRandom(const QByteArray &seed)
{
    s_stream.seed = seed;
    s_stream.counter = 0;
    s_stream.pending.clear();
    RAND_set_rand_method(&s_method);
}

QString writeLessonDatabase(const QString &path, const QList<Lesson> &lessons, const QString &password)
{
    Writer writer(path);
    QString key = password;
    key.replace(QLatin1Char('\''), QStringLiteral("''"));
    writer.exec(QStringLiteral("PRAGMA key = '%1'").arg(key));
    writer.exec(QStringLiteral("PRAGMA kdf_iter = %1").arg(Course::Files::kKeyRounds));
    // A course without lessons still gets a valid (encrypted) file, not an empty one.
    writer.exec(QStringLiteral("PRAGMA user_version = 1"));
    writer.exec(QStringLiteral("BEGIN"));
    const auto &columnsArray = lessonColumns();
    const QStringList columns(columnsArray.begin(), columnsArray.end());
    for (const Lesson &lesson : lessons) {
        const QString table = QStringLiteral("Lektion%1").arg(lesson.number);
        writer.exec(QStringLiteral("CREATE TABLE %1 (%2)")
                        .arg(quoted(table), columnList(columns, QStringLiteral("TEXT NOT NULL"))));
        for (const LessonRecord &record : lesson.records) {
            QList<QVariant> values;
            for (int i = 0; i < kLessonFieldCount; ++i)
                values << (i == 0 || i == 1 ? stored(record.values[i]) : record.values[i]);
            writer.insert(table, columns, values);
        }
    }
    writer.exec(QStringLiteral("COMMIT"));
    return writer.finish();
}

QString writeDictionaryDatabase(const QString &path, const QList<DictionaryEntry> &entries)
{
    Writer writer(path);
    writer.exec(QStringLiteral("BEGIN"));
    const auto &columnsArray = dictionaryColumns();
    QStringList columns(columnsArray.begin(), columnsArray.end());
    QStringList folds;
    for (const QString &column : columns)
        folds << Platform::foldColumnName(column);
    writer.exec(QStringLiteral("CREATE TABLE \"Lang\" (%1, %2)")
                    .arg(columnList(columns, QStringLiteral("TEXT NOT NULL")),
                         columnList(folds, QStringLiteral("TEXT NOT NULL"))));
    const QStringList all = columns + folds;
    for (const DictionaryEntry &entry : entries) {
        QList<QVariant> values;
        QList<QVariant> foldValues;
        for (int i = 0; i < kDictionaryColumnCount; ++i) {
            const QString value = i == kDictionaryRussian ? stored(entry.cells[i]) : entry.cells[i];
            values << value;
            foldValues << Platform::searchFold(value);
        }
        writer.insert(QStringLiteral("Lang"), all, values + foldValues);
    }
    // Indexes after the rows: quicker, and the same file whatever the row count.
    for (const QString &fold : folds)
        writer.exec(QStringLiteral("CREATE INDEX %1 ON \"Lang\" (%2)")
                        .arg(quoted(QStringLiteral("Lang_") + fold), quoted(fold)));
    writer.exec(QStringLiteral("COMMIT"));
    return writer.finish();
}

QString writePrintDatabase(const QString &path, const QList<Lesson> &lessons)
{
    Writer writer(path);
    writer.exec(QStringLiteral("BEGIN"));
    const auto &lessonColumnsArray = lessonColumns();
    QStringList texts;
    for (int i = 2; i < 8; ++i)
        texts << lessonColumnsArray[i];
    writer.exec(QStringLiteral("CREATE TABLE \"Kursen\" (\"Lektion\" TEXT NOT NULL, \"Nr\" INTEGER NOT NULL, "
                               "\"RussianText\" TEXT NOT NULL, %1)")
                    .arg(columnList(texts, QStringLiteral("TEXT NOT NULL"))));
    const QStringList columns =
        QStringList{QStringLiteral("Lektion"), QStringLiteral("Nr"), QStringLiteral("RussianText")} + texts;
    for (const Lesson &lesson : lessons) {
        int nr = 0;
        for (const LessonRecord &record : lesson.records) {
            QList<QVariant> values{QString::number(lesson.number), ++nr, record.values[0]};
            for (int i = 2; i < 8; ++i)
                values << record.values[i];
            writer.insert(QStringLiteral("Kursen"), columns, values);
        }
    }
    writer.exec(QStringLiteral("CREATE INDEX \"Kursen_Lektion\" ON \"Kursen\" (\"Lektion\", \"Nr\")"));
    writer.exec(QStringLiteral("COMMIT"));
    return writer.finish();
}

QString copyPictures(const QString &from, const QString &to, QStringList *inputs)
{
    const QDir source(from);
    if (!source.exists())
        return {};
    if (!QDir().mkpath(to))
        return QStringLiteral("cannot create %1").arg(to);
    const QStringList names = source.entryList(
        {QStringLiteral("*.svg"), QStringLiteral("*.png"), QStringLiteral("*.SVG"), QStringLiteral("*.PNG")},
        QDir::Files, QDir::Name);
    for (const QString &name : names) {
        QFile in(source.filePath(name));
        if (!in.open(QIODevice::ReadOnly))
            return QStringLiteral("cannot read %1").arg(in.fileName());
        const QByteArray content = in.readAll();
        inputs->append(in.fileName());
        const QString target = to + QLatin1Char('/') + name;
        QFile existing(target);
        if (existing.open(QIODevice::ReadOnly) && existing.readAll() == content)
            continue;
        existing.close();
        const QString temporary = temporaryPath(target);
        QFile out(temporary);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(content) != content.size())
            return QStringLiteral("cannot write %1").arg(temporary);
        out.close();
        const QString error = renameIntoPlace(temporary, target);
        if (!error.isEmpty())
            return error;
    }
    return {};
}

} // namespace Content
