// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QHash>
#include <QString>

#include "platform/database/cipherkeys.h"
#include "platform/database/databaseengine.h"

namespace Platform {

/// The database engine over SQLite with SQLCipher encryption.
///
/// Every open is read-only (SQLITE_OPEN_READONLY) whatever \a exclusive and \a readOnly say.
/// A plain SQLite file opens with or without a password (a password is then ignored); an
/// encrypted file needs its password.
///
/// Keyring: a password that opened an encrypted file is remembered for that file (by its
/// canonical path) for the life of this engine. A later open of the same file without any
/// password uses it; an open that passes a password uses only that password. This is how a
/// bound data source whose connect text is plain "Access" reads the encrypted lesson
/// database that its window opened with the password just before, as the windows expect.
///
/// Queries are parsed (see JetQuery and JetPattern) and never passed to SQLite as text:
/// identifiers reach SQL only after they matched the schema, values only as bound parameters.
/// A prefix pattern is answered from the "<column>_fold" index when the table has one.
///
/// An encrypted file's key is derived from its password once (see CipherKeys), at the first
/// open or in the background after prepareKey().
class SqlCipherDatabaseEngine final : public DatabaseEngine {
public:
    /// \a encryptedKeyRounds: the key-derivation rounds of encrypted files; the program
    /// that wrote a file must have used the same number, or it does not open.
    explicit SqlCipherDatabaseEngine(int encryptedKeyRounds);
    ~SqlCipherDatabaseEngine() override;

    Result<std::shared_ptr<Database>> openDatabase(const QString &name, bool exclusive = false, bool readOnly = false,
                                                   const QString &connect = {}) override;
    void prepareKey(const QString &path, const QString &password) override;

    /// Forgets every remembered password.
    void forgetPasswords();

private:
    CipherKeys m_keys;
    QHash<QString, QString> m_keyring;
};

/// The path and password of a connect text such as ";DATABASE=/x/Russian.mdb;PWD=secret" or
/// "Access;PWD=secret" (keys are case-free; other parts such as "Access" are ignored).
struct ConnectText {
    QString database;
    std::optional<QString> password;

    static ConnectText parse(const QString &connect);
};

} // namespace Platform
