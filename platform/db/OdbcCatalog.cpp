#include "platform/db/OdbcCatalog.h"

#include <set>
#include <utility>

#include "platform/core/Strings.h"
#include "platform/db/DBErrors.h"
#include "platform/db/OdbcResult.h"
#include "platform/db/OdbcText.h"

namespace odbc {

namespace {

// An optional argument of a catalog function: a null pointer when not given.
class Argument {
public:
    explicit Argument(const std::optional<std::string>& value) : FGiven(value.has_value()) {
        if (FGiven) FText = ToWide(*value);
    }
    SQLWCHAR* Data() { return FGiven ? FText.data() : nullptr; }
    SQLSMALLINT Length() const { return FGiven ? SQLSMALLINT(FText.size()) : 0; }

private:
    bool FGiven;
    WideString FText;
};

std::optional<std::string> Restriction(const Restrictions& restrictions, size_t index) {
    return index < restrictions.size() ? restrictions[index] : std::nullopt;
}

void RenameColumns(TRowSet& rowSet, std::initializer_list<std::pair<const char*, const char*>> names) {
    for (const auto& [from, to] : names) {
        const int index = rowSet.IndexOf(from);
        if (index >= 0) rowSet.Columns[size_t(index)].Name = to;
    }
}

std::string DbmsName(const ConnectionHandle& connection) {
    SQLWCHAR name[128] = {};
    SQLSMALLINT length = 0;
    connection.Check(SQLGetInfoW(connection.Get(), SQL_DBMS_NAME, name, sizeof name, &length), "SQLGetInfo");
    return FromWide(name, TerminatedLength(name, std::size(name)));
}

// Escapes the pattern characters of a name given to a catalog function that takes patterns,
// so that "order_items" does not also match "orderXitems".
std::optional<std::string> ExactPattern(const ConnectionHandle& connection, const std::optional<std::string>& name) {
    if (!name) return name;
    SQLWCHAR escape[8] = {};
    SQLSMALLINT length = 0;
    connection.Check(SQLGetInfoW(connection.Get(), SQL_SEARCH_PATTERN_ESCAPE, escape, sizeof escape, &length),
                     "SQLGetInfo");
    const std::string prefix = FromWide(escape, TerminatedLength(escape, std::size(escape)));
    if (prefix.empty()) return name;
    std::string result;
    for (char c : *name) {
        if (c == '_' || c == '%' || prefix.find(c) != std::string::npos) result += prefix;
        result += c;
    }
    return result;
}

TRowSet RunTables(const ConnectionHandle& connection, const std::optional<std::string>& catalog,
                  const std::optional<std::string>& schema, const std::optional<std::string>& name,
                  const std::optional<std::string>& type) {
    StatementHandle statement(connection.Get());
    Argument a1(catalog), a2(schema), a3(name), a4(type);
    statement.Check(SQLTablesW(statement.Get(), a1.Data(), a1.Length(), a2.Data(), a2.Length(), a3.Data(),
                               a3.Length(), a4.Data(), a4.Length()),
                    "SQLTables");
    return FetchAll(statement);
}

TRowSet RunForeignKeys(const ConnectionHandle& connection, const Restrictions& restrictions) {
    StatementHandle statement(connection.Get());
    Argument a1(Restriction(restrictions, 0)), a2(Restriction(restrictions, 1)), a3(Restriction(restrictions, 2)),
        a4(Restriction(restrictions, 3)), a5(Restriction(restrictions, 4)), a6(Restriction(restrictions, 5));
    statement.Check(SQLForeignKeysW(statement.Get(), a1.Data(), a1.Length(), a2.Data(), a2.Length(), a3.Data(),
                                    a3.Length(), a4.Data(), a4.Length(), a5.Data(), a5.Length(), a6.Data(),
                                    a6.Length()),
                    "SQLForeignKeys");
    return FetchAll(statement);
}

// The columns ODBC 3 defines for SQLForeignKeys, for a rowset that has no rows to read them from.
std::vector<TRowSetColumn> ForeignKeyColumns() {
    std::vector<TRowSetColumn> columns;
    for (const char* name : {"PKTABLE_CAT", "PKTABLE_SCHEM", "PKTABLE_NAME", "PKCOLUMN_NAME", "FKTABLE_CAT",
                             "FKTABLE_SCHEM", "FKTABLE_NAME", "FKCOLUMN_NAME"})
        columns.push_back({name, ftWideString});
    for (const char* name : {"KEY_SEQ", "UPDATE_RULE", "DELETE_RULE"}) columns.push_back({name, ftSmallint});
    for (const char* name : {"FK_NAME", "PK_NAME"}) columns.push_back({name, ftWideString});
    columns.push_back({"DEFERRABILITY", ftSmallint});
    return columns;
}

// The primary-key columns of a table, in key order.
std::vector<std::string> PrimaryKeyColumns(const ConnectionHandle& connection, const TFieldValue& catalog,
                                           const TFieldValue& schema, const std::string& table) {
    StatementHandle statement(connection.Get());
    Argument a1(catalog.IsNull() ? std::nullopt : std::optional(catalog.AsString()));
    Argument a2(schema.IsNull() ? std::nullopt : std::optional(schema.AsString()));
    Argument a3{std::optional<std::string>(table)};
    statement.Check(SQLPrimaryKeysW(statement.Get(), a1.Data(), a1.Length(), a2.Data(), a2.Length(), a3.Data(),
                                    a3.Length()),
                    "SQLPrimaryKeys");
    TRowSet keys = FetchAll(statement);
    keys.Sort("KEY_SEQ");
    std::vector<std::string> columns;
    const int column = keys.IndexOf("COLUMN_NAME");
    for (const auto& row : keys.Rows) columns.push_back(row[size_t(column)].AsString());
    return columns;
}

// Drivers that know no constraint names (SQLite) report FK_NAME as NULL, and a reference
// without a column list leaves PK_COLUMN_NAME NULL. Each key's rows come together in
// ordinal order, so a key ends where the ordinal stops rising or the tables change; it is
// named after its table and columns, which gives one key the same name in every rowset.
void CompleteKeyRows(const ConnectionHandle& connection, TRowSet& rowSet) {
    const auto col = [&](const char* name) { return size_t(rowSet.IndexOf(name)); };
    const size_t pkCatalog = col("PK_TABLE_CATALOG"), pkSchema = col("PK_TABLE_SCHEMA"),
                 pkTable = col("PK_TABLE_NAME"), pkColumn = col("PK_COLUMN_NAME"), fkTable = col("FK_TABLE_NAME"),
                 fkColumn = col("FK_COLUMN_NAME"), ordinal = col("ORDINAL"), fkName = col("FK_NAME");
    size_t first = 0;
    while (first < rowSet.Rows.size()) {
        size_t last = first + 1;
        while (last < rowSet.Rows.size()) {
            const auto& prev = rowSet.Rows[last - 1];
            const auto& row = rowSet.Rows[last];
            if (row[ordinal].AsInteger() <= prev[ordinal].AsInteger() ||
                row[pkTable].AsString() != prev[pkTable].AsString() ||
                row[fkTable].AsString() != prev[fkTable].AsString() ||
                row[fkName].AsString() != prev[fkName].AsString())
                break;
            ++last;
        }
        std::vector<std::string> keyColumns;
        std::string name = "fk_" + rowSet.Rows[first][fkTable].AsString();
        for (size_t i = first; i < last; ++i) {
            auto& row = rowSet.Rows[i];
            name += "_" + row[fkColumn].AsString();
            if (row[pkColumn].IsNull()) {
                if (keyColumns.empty())
                    keyColumns = PrimaryKeyColumns(connection, row[pkCatalog], row[pkSchema], row[pkTable].AsString());
                const long long position = row[ordinal].AsInteger();
                if (position >= 1 && size_t(position) <= keyColumns.size())
                    row[pkColumn] = TFieldValue(keyColumns[size_t(position) - 1]);
            }
        }
        for (size_t i = first; i < last; ++i)
            if (rowSet.Rows[i][fkName].IsNull()) rowSet.Rows[i][fkName] = TFieldValue(name);
        first = last;
    }
}

}  // namespace

TRowSet TablesSchema(const ConnectionHandle& connection, const Restrictions& restrictions) {
    const auto catalog = Restriction(restrictions, 0);
    const auto schema = Restriction(restrictions, 1);
    const auto name = ExactPattern(connection, Restriction(restrictions, 2));
    const auto type = Restriction(restrictions, 3);

    // The type is filtered here, after the drivers' types are mapped to the common ones.
    TRowSet result = RunTables(connection, catalog, schema, name, std::nullopt);
    RenameColumns(result, {{"TABLE_CAT", "TABLE_CATALOG"}, {"TABLE_SCHEM", "TABLE_SCHEMA"}, {"REMARKS", "DESCRIPTION"}});
    const size_t schemaColumn = size_t(result.IndexOf("TABLE_SCHEMA"));
    const size_t nameColumn = size_t(result.IndexOf("TABLE_NAME"));
    const size_t typeColumn = size_t(result.IndexOf("TABLE_TYPE"));

    // Some drivers list system objects only when asked for every schema and that type.
    if (!schema && (!type || *type == "SYSTEM TABLE")) {
        std::set<std::pair<std::string, std::string>> known;
        for (const auto& row : result.Rows) known.emplace(row[schemaColumn].AsString(), row[nameColumn].AsString());
        TRowSet system = RunTables(connection, catalog, std::string("%"), name, std::string("SYSTEM TABLE"));
        for (auto& row : system.Rows) {
            if (row[typeColumn].AsString() != "SYSTEM TABLE") continue;
            if (known.emplace(row[schemaColumn].AsString(), row[nameColumn].AsString()).second)
                result.Rows.push_back(std::move(row));
        }
    }

    const bool sqlite = DbmsName(connection) == "SQLite";
    for (auto& row : result.Rows) {
        const std::string kind = row[typeColumn].AsString();
        if (kind == "MATVIEW")
            row[typeColumn] = TFieldValue(std::string("VIEW"));
        else if (sqlite && kind == "TABLE" && AnsiStartsText("sqlite_", row[nameColumn].AsString()))
            row[typeColumn] = TFieldValue(std::string("SYSTEM TABLE"));
    }
    if (type) std::erase_if(result.Rows, [&](const TRowSet::Row& row) { return row[typeColumn].AsString() != *type; });
    return result;
}

TRowSet ForeignKeysSchema(const ConnectionHandle& connection, const Restrictions& restrictions) {
    TRowSet result;
    if (Restriction(restrictions, 2) || Restriction(restrictions, 5)) {
        result = RunForeignKeys(connection, restrictions);
    } else {
        // ODBC needs a table on one side; without one, ask for the keys of every table.
        const TRowSet tables =
            TablesSchema(connection, {Restriction(restrictions, 3), Restriction(restrictions, 4), std::nullopt,
                                      std::string("TABLE")});
        const size_t nameColumn = size_t(tables.IndexOf("TABLE_NAME"));
        for (const auto& table : tables.Rows) {
            Restrictions perTable = restrictions;
            perTable.resize(6);
            perTable[5] = table[nameColumn].AsString();
            TRowSet keys = RunForeignKeys(connection, perTable);
            if (result.Columns.empty()) result.Columns = keys.Columns;
            for (auto& row : keys.Rows) result.Rows.push_back(std::move(row));
        }
        if (result.Columns.empty()) result.Columns = ForeignKeyColumns();
    }
    RenameColumns(result, {{"PKTABLE_CAT", "PK_TABLE_CATALOG"},
                           {"PKTABLE_SCHEM", "PK_TABLE_SCHEMA"},
                           {"PKTABLE_NAME", "PK_TABLE_NAME"},
                           {"PKCOLUMN_NAME", "PK_COLUMN_NAME"},
                           {"FKTABLE_CAT", "FK_TABLE_CATALOG"},
                           {"FKTABLE_SCHEM", "FK_TABLE_SCHEMA"},
                           {"FKTABLE_NAME", "FK_TABLE_NAME"},
                           {"FKCOLUMN_NAME", "FK_COLUMN_NAME"},
                           {"KEY_SEQ", "ORDINAL"}});
    if (!result.Rows.empty()) CompleteKeyRows(connection, result);
    return result;
}

std::vector<TRowSetColumn> DescribeQuery(const ConnectionHandle& connection, const std::string& text) {
    StatementHandle statement(connection.Get());
    WideString wide = ToWide(text);
    statement.Check(SQLPrepareW(statement.Get(), wide.data(), SQLINTEGER(wide.size())), "SQLPrepare");
    std::vector<TRowSetColumn> columns = DescribeColumns(statement);
    if (columns.empty()) throw EODBCError("The statement yields no result columns: " + text, "07005", 0);
    return columns;
}

}  // namespace odbc
