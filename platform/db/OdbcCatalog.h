#pragma once
// The catalog of an ODBC data source as ADO-style schema rowsets: ODBC's catalog functions,
// with their columns renamed to the ADO-style names and the drivers' differences evened out.
#include <optional>
#include <string>
#include <vector>

#include "platform/db/OdbcHandles.h"
#include "platform/db/RowSet.h"

namespace odbc {

// Restriction values in schema order; a missing or empty-optional entry does not restrict.
using Restrictions = std::vector<std::optional<std::string>>;

// Tables, views and system tables: TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME, TABLE_TYPE
// ("TABLE", "VIEW", "SYSTEM TABLE" or the driver's own type), DESCRIPTION. Restrictions:
// catalog, schema, table name, table type.
TRowSet TablesSchema(const ConnectionHandle& connection, const Restrictions& restrictions);

// Foreign-key column pairs: PK_TABLE_CATALOG, PK_TABLE_SCHEMA, PK_TABLE_NAME, PK_COLUMN_NAME,
// FK_TABLE_CATALOG, FK_TABLE_SCHEMA, FK_TABLE_NAME, FK_COLUMN_NAME, ORDINAL, UPDATE_RULE,
// DELETE_RULE, FK_NAME, PK_NAME, DEFERRABILITY. Restrictions: primary-key catalog, schema,
// table name, then foreign-key catalog, schema, table name. FK_NAME and PK_COLUMN_NAME are
// always filled, also for drivers that report them as NULL.
TRowSet ForeignKeysSchema(const ConnectionHandle& connection, const Restrictions& restrictions);

// The result columns of Text, found by preparing it, never by running it. A text that
// yields no columns raises EODBCError.
std::vector<TRowSetColumn> DescribeQuery(const ConnectionHandle& connection, const std::string& text);

}  // namespace odbc
