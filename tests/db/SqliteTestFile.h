#pragma once
// A SQLite database file built from SQL scripts in a fresh temporary folder, which is
// removed again with the object.
#include <filesystem>
#include <string>
#include <vector>

class SqliteTestFile {
public:
    // Runs the scripts (paths) in order, then the statements in ExtraSQL.
    explicit SqliteTestFile(const std::vector<std::string>& scripts, const std::string& extraSQL = {});
    ~SqliteTestFile();
    SqliteTestFile(const SqliteTestFile&) = delete;
    SqliteTestFile& operator=(const SqliteTestFile&) = delete;

    const std::string& Path() const { return FPath; }
    // The connection string of the file through the SQLite ODBC driver.
    std::string OdbcConnectionString() const;

    // The sample database with the test objects, and ANALYZE run so that a system table
    // (sqlite_stat1) exists.
    static std::vector<std::string> SampleScripts();

private:
    std::filesystem::path FFolder;
    std::string FPath;
};
