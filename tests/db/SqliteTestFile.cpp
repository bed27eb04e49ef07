#include "tests/db/SqliteTestFile.h"

#include <sqlite3.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

void Run(sqlite3* db, const std::string& sql, const std::string& origin) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = origin + ": " + (error ? error : "unknown error");
        sqlite3_free(error);
        throw std::runtime_error(message);
    }
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

SqliteTestFile::SqliteTestFile(const std::vector<std::string>& scripts, const std::string& extraSQL) {
    std::string pattern = (std::filesystem::temp_directory_path() / "vnqb-db-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    FFolder = pattern;
    FPath = (FFolder / "test.db").string();
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(FPath.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot create " + FPath);
    }
    try {
        for (const std::string& script : scripts) Run(db, ReadFile(script), script);
        if (!extraSQL.empty()) Run(db, extraSQL, "extra statements");
    } catch (...) {
        sqlite3_close(db);
        std::filesystem::remove_all(FFolder);
        throw;
    }
    sqlite3_close(db);
}

SqliteTestFile::~SqliteTestFile() {
    std::error_code ignored;
    std::filesystem::remove_all(FFolder, ignored);
}

std::string SqliteTestFile::OdbcConnectionString() const { return "Driver=SQLite3;Database=" + FPath + ";NoCreat=1"; }

std::vector<std::string> SqliteTestFile::SampleScripts() { return {VNQB_SAMPLE_SQL, VNQB_TEST_EDGE_SQL}; }
