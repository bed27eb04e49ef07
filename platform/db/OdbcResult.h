#pragma once
// Reading the result of an ODBC statement: its column descriptions, and all its rows.
#include <vector>

#include "platform/db/OdbcHandles.h"
#include "platform/db/RowSet.h"

namespace odbc {

// The columns of the prepared or executed statement, in result order. The statement is
// not executed by this call.
std::vector<TRowSetColumn> DescribeColumns(const StatementHandle& statement);

// Describes the columns of an executed statement and fetches all its rows. Whole numbers
// are read as numbers, not as text, so no locale of the driver can change them.
TRowSet FetchAll(const StatementHandle& statement);

}  // namespace odbc
