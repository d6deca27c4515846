// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <optional>
#include <utility>
#include <variant>

#include <QString>

namespace Platform {

/// Error codes that windows react to by number. The database codes are those of the
/// course's database engine; the character-service codes are those of its speech service.
namespace ErrorCode {
inline constexpr qint64 FileNotFound = 3024;
inline constexpr qint64 NotValidPassword = 3031;
inline constexpr qint64 SyntaxError = 3075;
inline constexpr qint64 TableNotFound = 3078;
inline constexpr qint64 UnrecognizedDatabaseFormat = 3343;
inline constexpr qint64 NoCurrentRecord = 3021;
/// Setting the Russian language on a character when no Russian voice can be loaded.
inline constexpr qint64 NoRussianLanguageSupport = 0x80042012;
/// A character or animation that the character file does not hold.
inline constexpr qint64 CharacterNotLoaded = 0x80042003;
inline constexpr qint64 AnimationNotFound = 0x80042004;
inline constexpr qint64 CharacterFileInvalid = 0x80042005;
/// Starting a program or opening a file failed.
inline constexpr qint64 ProgramNotStarted = 53;
inline constexpr qint64 InvalidArgument = 5;
inline constexpr qint64 NotSupported = 438;
} // namespace ErrorCode

/// A failure with the code a caller may react to and a technical detail for humans.
struct Error {
    qint64 code = 0;
    QString detail;
};

/// The outcome of an operation without a value: it succeeded, or it failed with an Error.
/// It has no conversion to bool, so a test reads as what it asks: `if (status.failed())`.
class Status {
public:
    /// Success.
    Status() = default;
    /// Failure with \a error.
    Status(Error error)
        : m_error(std::move(error))
    {
    }

    bool ok() const { return !m_error.has_value(); }
    bool failed() const { return m_error.has_value(); }
    /// The failure; only valid when failed().
    const Error &error() const { return *m_error; }
    /// The failure's code, 0 on success.
    qint64 code() const { return m_error ? m_error->code : 0; }

private:
    std::optional<Error> m_error;
};

inline Status ok()
{
    return Status{};
}
inline Status fail(qint64 code, QString detail = {})
{
    return Error{code, std::move(detail)};
}

/// A value or the error that prevented it.
template<typename T>
class Result {
public:
    Result(T value)
        : m_data(std::move(value))
    {
    }
    Result(Error error)
        : m_data(std::move(error))
    {
    }

    bool hasValue() const { return std::holds_alternative<T>(m_data); }
    explicit operator bool() const { return hasValue(); }

    T &value() { return std::get<T>(m_data); }
    const T &value() const { return std::get<T>(m_data); }
    T &operator*() { return value(); }
    const T &operator*() const { return value(); }
    T *operator->() { return &value(); }
    const T *operator->() const { return &value(); }

    const Error &error() const { return std::get<Error>(m_data); }
    /// The error as a Status: success when there is a value.
    Status status() const { return hasValue() ? Status{} : Status{error()}; }

private:
    std::variant<T, Error> m_data;
};

} // namespace Platform
