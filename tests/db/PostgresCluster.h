#pragma once
// The throwaway PostgreSQL cluster that CTest starts for the tests (scripts/pg-cluster.sh):
// its folder comes in VNQB_PG_DIR, and the script leaves there either the ODBC connection
// string ("connection") or the reason it could not start the server ("unavailable").
#include <optional>
#include <string>

// The connection string of the running cluster; otherwise nullopt with Reason set.
std::optional<std::string> PostgresConnectionString(std::string& reason);

// Skips the current test when there is no cluster, and names the reason.
#define VNQB_REQUIRE_POSTGRES(connection)                                        \
    std::string connection;                                                    \
    {                                                                          \
        std::string vnqbReason;                                                \
        auto vnqbFound = PostgresConnectionString(vnqbReason);                 \
        if (!vnqbFound) GTEST_SKIP() << "PostgreSQL not available: " << vnqbReason; \
        connection = *vnqbFound;                                               \
    }
