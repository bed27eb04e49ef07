#pragma once
// The session: the process-wide list of database components, looked up by database name.
#include <string_view>
#include <vector>

class TDatabase;

class TSession {
public:
    void AddDatabase(TDatabase* database);
    void RemoveDatabase(TDatabase* database);
    // The first database component with this DatabaseName, or nullptr.
    TDatabase* FindDatabase(std::string_view name) const;

private:
    std::vector<TDatabase*> FDatabases;
};

// The one session of the process.
TSession& Session();
