// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>

namespace Course::Files {

/// The course's files, as literals relative to the application folder (backslashes are
/// turned into '/' when the path is built).
inline const QString kLessons = QStringLiteral("\\Russian.mdb");
inline const QString kDictionary = QStringLiteral("\\Lexikon.mdb");
inline const QString kPrint = QStringLiteral("\\Print.mdb");
inline const QString kPictures = QStringLiteral("\\Pictures\\");

/// The password of the encrypted lesson database. It guards the course file against
/// casual editing, not against an attacker: the programs carry it.
inline const QString kPassword = QStringLiteral("vorpentaluki");

/// Key-derivation rounds of the encrypted lesson database. A few thousand are enough for
/// what the password guards; SQLCipher's default of 64,000 costs over 20 ms at every open,
/// and each lesson window opens the file twice. The content compiler and the database
/// engine must use the same number, or the file does not open.
inline constexpr int kKeyRounds = 4000;

/// The connect text that opens \a path with the course password.
inline QString passwordConnect(const QString &path)
{
    return QStringLiteral(";DATABASE=") + path + QStringLiteral(";PWD=") + kPassword;
}

} // namespace Course::Files
