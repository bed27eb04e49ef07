#pragma once
// Owned ODBC handles and the check that turns every failing ODBC call into an EODBCError.
#include <sql.h>
#include <sqlext.h>

#include <string_view>

namespace odbc {

// The process-wide environment handle (ODBC 3 behaviour), created on first use.
SQLHENV Environment();

// Raises EODBCError with the diagnostics of Handle unless Result is SQL_SUCCESS or
// SQL_SUCCESS_WITH_INFO: the message joins the driver's diagnostic texts, the SQL state is
// that of the first error record. Context names the failing call when the driver gives no
// message.
void Check(SQLRETURN result, SQLSMALLINT handleType, SQLHANDLE handle, std::string_view context);

// One ODBC handle of the given type, freed with its owner.
template <SQLSMALLINT HandleType>
class Handle {
public:
    Handle() = default;
    explicit Handle(SQLHANDLE parent) {
        const SQLRETURN rc = SQLAllocHandle(HandleType, parent, &FHandle);
        if (!SQL_SUCCEEDED(rc)) {
            FHandle = SQL_NULL_HANDLE;
            odbc::Check(rc, HandleType == SQL_HANDLE_DBC ? SQL_HANDLE_ENV : SQL_HANDLE_DBC, parent, "SQLAllocHandle");
        }
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { Reset(); }

    SQLHANDLE Get() const { return FHandle; }
    explicit operator bool() const { return FHandle != SQL_NULL_HANDLE; }
    void Reset() {
        if (FHandle == SQL_NULL_HANDLE) return;
        // Closing the cursor first lets every driver release its result buffers; the
        // PostgreSQL driver keeps them otherwise.
        if constexpr (HandleType == SQL_HANDLE_STMT) SQLFreeStmt(FHandle, SQL_CLOSE);
        SQLFreeHandle(HandleType, FHandle);
        FHandle = SQL_NULL_HANDLE;
    }
    // Checks the result of a call made on this handle.
    void Check(SQLRETURN result, std::string_view context) const { odbc::Check(result, HandleType, FHandle, context); }

private:
    SQLHANDLE FHandle = SQL_NULL_HANDLE;
};

using ConnectionHandle = Handle<SQL_HANDLE_DBC>;
using StatementHandle = Handle<SQL_HANDLE_STMT>;

}  // namespace odbc
