#include "platform/db/TableList.h"

#include <sqlite3.h>

#include <string_view>

#include "platform/db/Database.h"

TTableListCursor::TTableListCursor(TDatabase* database, bool System) {
    static constexpr const char* userObjects =
        "SELECT name, type FROM sqlite_schema WHERE type IN ('table', 'view') "
        "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY rowid";
    static constexpr const char* allObjects =
        "SELECT name, type FROM sqlite_schema WHERE type IN ('table', 'view') ORDER BY rowid";
    sqlite3* db = database->Handle();
    CheckEngine(db, sqlite3_prepare_v2(db, System ? allObjects : userObjects, -1, &FStatement, nullptr));
}

TTableListCursor::~TTableListCursor() { sqlite3_finalize(FStatement); }

bool TTableListCursor::GetNextRecord(TTableListRecord& record) {
    const int rc = sqlite3_step(FStatement);
    if (rc == SQLITE_DONE) return false;
    if (rc != SQLITE_ROW) CheckEngine(sqlite3_db_handle(FStatement), rc);
    const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(FStatement, 0));
    const auto* type = reinterpret_cast<const char*>(sqlite3_column_text(FStatement, 1));
    record.Name = name ? name : "";
    record.View = type && std::string_view(type) == "view";
    return true;
}
