#pragma once
// The engine's table-list cursor: the tables and views of an open database, in the order
// they were created. System tables (the sqlite_ ones) are listed only when asked for.
#include <string>

struct sqlite3_stmt;
class TDatabase;

struct TTableListRecord {
    std::string Name;
    bool View = false;
};

class TTableListCursor {
public:
    // Opens the cursor on the database, which must be open; EDBEngineError on failure.
    TTableListCursor(TDatabase* database, bool System);
    // Closes the cursor.
    ~TTableListCursor();
    TTableListCursor(const TTableListCursor&) = delete;
    TTableListCursor& operator=(const TTableListCursor&) = delete;

    // Reads the next record: true when there was one, false at the end of the list; an
    // engine error raises EDBEngineError.
    bool GetNextRecord(TTableListRecord& record);

private:
    sqlite3_stmt* FStatement = nullptr;
};
