#include "tests/db/PostgresCluster.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

std::string FirstLine(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

}  // namespace

std::optional<std::string> PostgresConnectionString(std::string& reason) {
    const char* dir = std::getenv("VNQB_PG_DIR");
    if (!dir || !*dir) {
        reason = "VNQB_PG_DIR is not set (run the test through ctest, which starts the cluster)";
        return std::nullopt;
    }
    const std::filesystem::path folder(dir);
    if (std::filesystem::exists(folder / "unavailable")) {
        reason = FirstLine(folder / "unavailable");
        return std::nullopt;
    }
    const std::string connection = FirstLine(folder / "connection");
    if (connection.empty()) {
        reason = "the cluster in " + folder.string() + " reports no connection";
        return std::nullopt;
    }
    return connection;
}
