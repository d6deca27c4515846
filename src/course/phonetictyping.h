// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <optional>

#include <QString>

namespace Course::PhoneticTyping {

/// Typing Russian on a Latin keyboard: each Latin key gives the Cyrillic letter that sounds
/// like it (d → д, i → и), and a key that completes a familiar spelling turns the letters
/// before it into one (z h → ж, s h → ш, c h → ч, s h c h → щ, k h → х, y a → я, y u → ю,
/// y o → ё, j a → я, j u → ю, j e → э). An apostrophe gives ь, a double quote or a second
/// apostrophe ъ; y alone gives ы, j alone й, x х, w щ and q я. A letter keeps the case of
/// the key, a completed spelling the case of its first letter ("Zh" and "ZH" give Ж).
/// Every other key is left as it is.

/// What typing one key does at the cursor: \c replaced characters before the cursor go,
/// then \c text is inserted.
struct Edit {
    int replaced = 0;
    QString text;
    friend bool operator==(const Edit &, const Edit &) = default;
};

/// The edit that \a key makes when typed after \a before; nothing for a key that is left
/// as it is.
std::optional<Edit> edit(const QString &before, QChar key);

/// \a keys typed one after the other, each at the end of the text so far.
QString convert(const QString &keys);

} // namespace Course::PhoneticTyping
