#pragma once
// TDatabase: a SQLite database file, opened read-only. DatabaseName is the file's path; a
// missing file is an error (it is never created). Open databases are known to the session
// by name, which is how a TQuery finds its database. Engine errors raise EDBEngineError
// with SQLite's message.
#include <string>

#include "platform/core/Classes.h"

struct sqlite3;

class TDatabase : public TComponent {
    VN_CLASS(TDatabase, TComponent)

public:
    explicit TDatabase(TComponent* AOwner);
    void AfterConstruction() override;
    void Destroy() override;

    const std::string& DatabaseName() const noexcept { return FDatabaseName; }
    // A new name closes an open database.
    void SetDatabaseName(const std::string& value);

    // Opens the file unless already open; it stays open until Close.
    void Open();
    void Close();
    bool Connected() const noexcept { return FHandle != nullptr; }
    // The engine handle of the open database; raises EDatabaseError when it is closed.
    sqlite3* Handle() const;

private:
    std::string FDatabaseName;
    sqlite3* FHandle = nullptr;
};

// Raises EDBEngineError with SQLite's message for Result unless it is a success code.
void CheckEngine(sqlite3* db, int result);
