// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>

struct chmFile;

namespace Platform {

/// Checks the directory of the compiled help file at \a path before the help library
/// (chmlib) trusts it. The library sizes a buffer by the directory's block length for every
/// page it looks up, follows the chain of listing blocks to its end and descends the index
/// blocks until it reaches a listing: a damaged or hostile file claiming gigabytes, or
/// blocks that lead back to themselves, makes it allocate without bound or loop for ever.
/// True when the block length fits in the file, the listing chain ends within the
/// directory's blocks and every index block leads only to earlier blocks (as every help
/// compiler writes them). A file that is no help file at all passes: the library refuses it.
bool chmDirectoryIsSound(const QString &path);

/// The length of a decompressed block the open help file \a handle claims (its LZX reset
/// table); 0 when it has none.
quint64 chmDecompressedBlockLength(chmFile *handle);

} // namespace Platform
