// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace DictImport {

/// A dictionary installed in dictd format: "<name>.index" (headword, base-64 offset and
/// length per line) beside "<name>.dict.dz" (gzip-compatible dictzip) or "<name>.dict".
class DictdSource final {
public:
    /// Loads the pair whose common path without extension is \a basePath. Returns false and
    /// sets errorString() when either file is missing or cannot be read or decompressed.
    bool load(const QString &basePath);

    QString errorString() const { return m_error; }

    /// The entry texts in index order, without the dictionary's own "00-database" records.
    /// An index line whose range lies outside the data is skipped.
    QList<QString> entries() const;

    /// Decodes dictd's base-64 numbers ("A" = 0, "/" = 63, most significant digit first).
    /// Returns -1 for a character outside the alphabet and for a number too large for 64 bits.
    static qint64 decodeNumber(QByteArrayView digits);

private:
    QByteArray m_index;
    QByteArray m_data;
    QString m_error;
};

/// Reads a whole gzip (or dictzip) file; on failure returns an empty array and sets \a error.
QByteArray readGzipFile(const QString &path, QString *error);

} // namespace DictImport
