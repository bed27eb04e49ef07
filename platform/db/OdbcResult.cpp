#include "platform/db/OdbcResult.h"

#include <algorithm>
#include <iterator>

#include "platform/db/OdbcText.h"

namespace odbc {

namespace {

TFieldType FieldTypeOf(SQLSMALLINT sqlType) {
    switch (sqlType) {
    case SQL_CHAR:
    case SQL_VARCHAR:
        return ftString;
    case SQL_WCHAR:
    case SQL_WVARCHAR:
        return ftWideString;
    case SQL_LONGVARCHAR:
        return ftMemo;
    case SQL_WLONGVARCHAR:
        return ftWideMemo;
    case SQL_TINYINT:
    case SQL_SMALLINT:
        return ftSmallint;
    case SQL_INTEGER:
        return ftInteger;
    case SQL_BIGINT:
        return ftLargeint;
    case SQL_BIT:
        return ftBoolean;
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE:
        return ftFloat;
    case SQL_DECIMAL:
    case SQL_NUMERIC:
        return ftBCD;
    case SQL_TYPE_DATE:
    case SQL_DATE:
        return ftDate;
    case SQL_TYPE_TIME:
    case SQL_TIME:
        return ftTime;
    case SQL_TYPE_TIMESTAMP:
    case SQL_TIMESTAMP:
        return ftDateTime;
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY:
        return ftBlob;
    default:
        return ftUnknown;
    }
}

bool IsWholeNumber(TFieldType type) {
    return type == ftSmallint || type == ftInteger || type == ftLargeint || type == ftBoolean;
}

TFieldValue ReadText(const StatementHandle& statement, SQLUSMALLINT column) {
    WideString text;
    SQLWCHAR buffer[1024];
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc = SQLGetData(statement.Get(), column, SQL_C_WCHAR, buffer, sizeof buffer, &indicator);
        if (rc == SQL_NO_DATA) break;
        statement.Check(rc, "SQLGetData");
        if (indicator == SQL_NULL_DATA) return TFieldValue();
        // Every chunk is NUL-terminated; all but the last fill the buffer.
        text.append(buffer, TerminatedLength(buffer, std::size(buffer)));
        if (rc == SQL_SUCCESS) break;
    }
    return TFieldValue(FromWide(text));
}

TFieldValue ReadValue(const StatementHandle& statement, SQLUSMALLINT column, TFieldType type) {
    SQLLEN indicator = 0;
    if (IsWholeNumber(type)) {
        SQLBIGINT value = 0;
        statement.Check(SQLGetData(statement.Get(), column, SQL_C_SBIGINT, &value, 0, &indicator), "SQLGetData");
        return indicator == SQL_NULL_DATA ? TFieldValue() : TFieldValue(static_cast<long long>(value));
    }
    if (type == ftFloat || type == ftBCD) {
        double value = 0;
        statement.Check(SQLGetData(statement.Get(), column, SQL_C_DOUBLE, &value, 0, &indicator), "SQLGetData");
        return indicator == SQL_NULL_DATA ? TFieldValue() : TFieldValue(value);
    }
    return ReadText(statement, column);
}

}  // namespace

std::vector<TRowSetColumn> DescribeColumns(const StatementHandle& statement) {
    SQLSMALLINT count = 0;
    statement.Check(SQLNumResultCols(statement.Get(), &count), "SQLNumResultCols");
    std::vector<TRowSetColumn> columns;
    for (SQLUSMALLINT i = 1; i <= count; ++i) {
        SQLWCHAR name[256];
        SQLSMALLINT nameLength = 0, sqlType = 0, digits = 0, nullable = 0;
        SQLULEN size = 0;
        statement.Check(SQLDescribeColW(statement.Get(), i, name, SQLSMALLINT(std::size(name)), &nameLength,
                                        &sqlType, &size, &digits, &nullable),
                        "SQLDescribeCol");
        WideString text(name, TerminatedLength(name, std::size(name)));
        if (size_t(nameLength) >= std::size(name)) {
            // Perhaps a longer name than the buffer: ask again with room for all of it.
            text.assign(size_t(nameLength) + 1, 0);
            statement.Check(SQLDescribeColW(statement.Get(), i, text.data(), SQLSMALLINT(text.size()), &nameLength,
                                            &sqlType, &size, &digits, &nullable),
                            "SQLDescribeCol");
            text.resize(TerminatedLength(text.data(), text.size()));
        }
        columns.push_back({FromWide(text), FieldTypeOf(sqlType)});
    }
    return columns;
}

TRowSet FetchAll(const StatementHandle& statement) {
    TRowSet result;
    result.Columns = DescribeColumns(statement);
    for (;;) {
        const SQLRETURN rc = SQLFetch(statement.Get());
        if (rc == SQL_NO_DATA) break;
        statement.Check(rc, "SQLFetch");
        TRowSet::Row row;
        row.reserve(result.Columns.size());
        for (size_t i = 0; i < result.Columns.size(); ++i)
            row.push_back(ReadValue(statement, SQLUSMALLINT(i + 1), result.Columns[i].DataType));
        result.Rows.push_back(std::move(row));
    }
    return result;
}

}  // namespace odbc
