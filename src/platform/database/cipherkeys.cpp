// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/database/cipherkeys.h"

#include <openssl/evp.h>

#include <QFile>

namespace Platform {
namespace {

// The encryption key of SQLCipher 3's files: PBKDF2 over HMAC-SHA1, 32 bytes for AES-256.
constexpr int kKeySize = 32;

QByteArray derive(const QByteArray &salt, const QByteArray &password, int rounds)
{
    unsigned char key[kKeySize];
    if (PKCS5_PBKDF2_HMAC_SHA1(password.constData(), int(password.size()),
                               reinterpret_cast<const unsigned char *>(salt.constData()), int(salt.size()), rounds,
                               kKeySize, key)
        != 1)
        return {};
    return "x'" + QByteArray(reinterpret_cast<const char *>(key), kKeySize).toHex() + "'";
}

QByteArray entryName(const QByteArray &salt, const QString &password)
{
    return salt + password.toUtf8();
}

} // namespace

CipherKeys::CipherKeys(int rounds)
    : m_rounds(rounds)
{
}

void CipherKeys::prepare(const QString &path, const QString &password)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray salt = file.read(kSaltSize);
    if (salt.size() != kSaltSize || m_keys.contains(entryName(salt, password)))
        return;
    m_keys.insert(entryName(salt, password),
                  std::async(std::launch::async, derive, salt, password.toUtf8(), m_rounds).share());
}

QByteArray CipherKeys::rawKey(const QByteArray &salt, const QString &password)
{
    const QByteArray name = entryName(salt, password);
    if (const auto kept = m_keys.constFind(name); kept != m_keys.cend() && !kept->get().isEmpty())
        return kept->get();
    std::promise<QByteArray> made;
    made.set_value(derive(salt, password.toUtf8(), m_rounds));
    const std::shared_future<QByteArray> key = made.get_future().share();
    m_keys.insert(name, key);
    return key.get();
}

} // namespace Platform
