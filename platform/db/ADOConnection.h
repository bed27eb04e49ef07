#pragma once
// TADOConnection: a connection to an ODBC data source, named by an ODBC connection string
// ("Driver=SQLite3;Database=file.db;NoCreat=1", "DSN=name;Uid=u;Pwd=p", ...), with the
// schema rowsets of tables and foreign keys. Errors of the driver raise EODBCError.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/Classes.h"
#include "platform/db/RowSet.h"

class TADODataSet;

// The schema rowsets a connection can open.
enum TSchemaInfo {
    siTables,       // TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME, TABLE_TYPE, DESCRIPTION
    siForeignKeys,  // PK_TABLE_NAME, PK_COLUMN_NAME, FK_TABLE_NAME, FK_COLUMN_NAME, ORDINAL, FK_NAME, ...
};

// Restriction values in schema order (tables: catalog, schema, name, type; foreign keys:
// primary-key catalog, schema, table, foreign-key catalog, schema, table). An empty
// optional does not restrict.
using TSchemaRestrictions = std::vector<std::optional<std::string>>;

class TADOConnection : public TComponent {
    VN_CLASS(TADOConnection, TComponent)

public:
    explicit TADOConnection(TComponent* AOwner);
    ~TADOConnection() override;
    void Destroy() override;

    const std::string& ConnectionString() const noexcept { return FConnectionString; }
    // A new connection string closes an open connection.
    void SetConnectionString(const std::string& value);

    // Connects unless already connected; the connection stays open until Close.
    void Open();
    void Close();
    bool Connected() const noexcept;

    // Opens the connection if needed and fills DataSet with the schema rowset, sorted as
    // the driver reports it. SchemaID names a schema of the provider's own, which ODBC does not
    // have: it must be empty.
    void OpenSchema(TSchemaInfo Schema, const TSchemaRestrictions& Restrictions, const std::string& SchemaID,
                    TADODataSet* DataSet);

    // The result columns of a query text, found by preparing it on the (opened) connection;
    // the text is never run. A text without result columns raises EODBCError.
    std::vector<TRowSetColumn> DescribeCommand(const std::string& text);

private:
    struct Handle;
    std::string FConnectionString;
    std::unique_ptr<Handle> FHandle;
};
