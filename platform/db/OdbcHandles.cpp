#include "platform/db/OdbcHandles.h"

#include <algorithm>
#include <string>

#include "platform/db/DBErrors.h"
#include "platform/db/OdbcText.h"

namespace odbc {

namespace {

struct EnvironmentHolder {
    SQLHENV Handle = SQL_NULL_HENV;
    EnvironmentHolder() {
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &Handle)))
            throw EODBCError("Cannot allocate the ODBC environment", "HY001", 0);
        // Without ODBC 3 behaviour the catalog functions report ODBC 2 column names.
        const SQLRETURN rc = SQLSetEnvAttr(Handle, SQL_ATTR_ODBC_VERSION,
                                           reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        if (!SQL_SUCCEEDED(rc)) {
            SQLFreeHandle(SQL_HANDLE_ENV, Handle);
            throw EODBCError("Cannot select ODBC version 3", "HY000", 0);
        }
    }
    ~EnvironmentHolder() { SQLFreeHandle(SQL_HANDLE_ENV, Handle); }
};

std::string TrimmedMessage(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' || text.back() == ';'))
        text.pop_back();
    return text;
}

}  // namespace

SQLHENV Environment() {
    static EnvironmentHolder holder;
    return holder.Handle;
}

void Check(SQLRETURN result, SQLSMALLINT handleType, SQLHANDLE handle, std::string_view context) {
    if (result == SQL_SUCCESS || result == SQL_SUCCESS_WITH_INFO) return;
    if (result == SQL_INVALID_HANDLE)
        throw EODBCError(std::string(context) + ": invalid handle", "HY000", 0);
    std::string message;
    std::string firstState;
    int firstNative = 0;
    for (SQLSMALLINT record = 1;; ++record) {
        SQLWCHAR state[6] = {};
        SQLINTEGER native = 0;
        SQLSMALLINT length = 0;
        if (!SQL_SUCCEEDED(SQLGetDiagRecW(handleType, handle, record, state, &native, nullptr, 0, &length))) break;
        WideString text(size_t(length) + 1, 0);
        SQLGetDiagRecW(handleType, handle, record, state, &native, text.data(), SQLSMALLINT(text.size()), &length);
        text.resize(TerminatedLength(text.data(), text.size()));
        const std::string line = TrimmedMessage(FromWide(text));
        // The first error names the failure; warnings (class 01) before it only add detail.
        const std::string recordState = FromWide(state, 5);
        if (firstState.empty() || (firstState.starts_with("01") && !recordState.starts_with("01"))) {
            firstState = recordState;
            firstNative = native;
        }
        if (!line.empty()) message += (message.empty() ? "" : "\n") + line;
    }
    if (message.empty()) message = std::string(context) + " failed";
    if (firstState.empty()) firstState = "HY000";
    throw EODBCError(message, firstState, firstNative);
}

}  // namespace odbc
