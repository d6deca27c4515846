// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/database/sqlcipherdatabaseengine.h"
#include "platform/modules/linkedmodules.h"
#include "platform/progress/sqliteprogressstore.h"

namespace Platform {

namespace {

class SqlCipherModule final : public DatabaseModule {
public:
    std::unique_ptr<DatabaseEngine> create(int encryptedKeyRounds) const override
    {
        return std::make_unique<SqlCipherDatabaseEngine>(encryptedKeyRounds);
    }

    std::unique_ptr<ProgressStore> createProgressStore(const QString &path) const override
    {
        return std::make_unique<SqliteProgressStore>(path);
    }
};

} // namespace

const DatabaseModule &sqlCipherDatabaseModule()
{
    static const SqlCipherModule module;
    return module;
}

} // namespace Platform
