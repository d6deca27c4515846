// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <future>

#include <QByteArray>
#include <QHash>
#include <QString>

namespace Platform {

/// The keys that passwords give encrypted files, each derived once. An encrypted file's
/// first bytes are the salt that, with the password, makes its key through thousands of
/// hash rounds; a window that opens the same file again and again, or opens it right after
/// start-up, then does not pay for them each time.
///
/// Keys are kept by salt and password, never by name, so a file replaced by another one
/// gets the other file's key. Used on one thread; the derivations started by prepare()
/// run on threads of their own, and the destructor waits for them.
class CipherKeys final {
public:
    /// \a rounds: the key-derivation rounds the files were written with.
    explicit CipherKeys(int rounds);

    /// Starts deriving, in the background, the key \a password gives the file at \a path.
    /// Does nothing for a file that cannot be read or is too short to hold a salt.
    void prepare(const QString &path, const QString &password);

    /// The raw key, as SQLCipher reads it ("x'…'"), that \a password gives a file whose
    /// first bytes are \a salt: the one prepared (waiting for it if it is still being made)
    /// or one derived now.
    QByteArray rawKey(const QByteArray &salt, const QString &password);

    /// The bytes of the salt at the start of an encrypted file.
    static constexpr int kSaltSize = 16;

private:
    int m_rounds;
    QHash<QByteArray, std::shared_future<QByteArray>> m_keys;
};

} // namespace Platform
