#include "platform/db/Database.h"

#include <sqlite3.h>

#include "platform/core/TypInfo.h"
#include "platform/db/DBErrors.h"
#include "platform/db/Session.h"

void CheckEngine(sqlite3* db, int result) {
    if (result == SQLITE_OK || result == SQLITE_ROW || result == SQLITE_DONE) return;
    const char* message = db ? sqlite3_errmsg(db) : sqlite3_errstr(result);
    throw EDBEngineError(message ? message : sqlite3_errstr(result), result);
}

VN_PUBLISHED(TDatabase) {
    props.String("DatabaseName", &TDatabase::DatabaseName, &TDatabase::SetDatabaseName);
}

TDatabase::TDatabase(TComponent* AOwner) : TComponent(AOwner) {}

void TDatabase::AfterConstruction() {
    inherited::AfterConstruction();
    Session().AddDatabase(this);
}

void TDatabase::Destroy() {
    Close();
    Session().RemoveDatabase(this);
    inherited::Destroy();
}

void TDatabase::SetDatabaseName(const std::string& value) {
    if (value == FDatabaseName) return;
    Close();
    FDatabaseName = value;
}

void TDatabase::Open() {
    if (FHandle) return;
    if (FDatabaseName.empty()) throw EDatabaseError("Missing DatabaseName");
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(FDatabaseName.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    // A file that is not a database opens fine; reading its schema tells.
    const int check = rc == SQLITE_OK ? sqlite3_exec(db, "PRAGMA schema_version", nullptr, nullptr, nullptr) : rc;
    if (check != SQLITE_OK) {
        const std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(check);
        sqlite3_close(db);
        throw EDBEngineError("Cannot open database '" + FDatabaseName + "': " + message, check);
    }
    FHandle = db;
}

void TDatabase::Close() {
    if (!FHandle) return;
    sqlite3_close(FHandle);
    FHandle = nullptr;
}

sqlite3* TDatabase::Handle() const {
    if (!FHandle) throw EDatabaseError("Database '" + FDatabaseName + "' is not open");
    return FHandle;
}
