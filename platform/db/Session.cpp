#include "platform/db/Session.h"

#include <algorithm>

#include "platform/db/Database.h"

void TSession::AddDatabase(TDatabase* database) { FDatabases.push_back(database); }

void TSession::RemoveDatabase(TDatabase* database) { std::erase(FDatabases, database); }

TDatabase* TSession::FindDatabase(std::string_view name) const {
    const auto it = std::find_if(FDatabases.begin(), FDatabases.end(),
                                 [&](const TDatabase* db) { return db->DatabaseName() == name; });
    return it == FDatabases.end() ? nullptr : *it;
}

TSession& Session() {
    static TSession session;
    return session;
}
