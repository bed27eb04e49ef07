#include "platform/db/ADOConnection.h"

#include "platform/core/TypInfo.h"
#include "platform/db/ADODataSet.h"
#include "platform/db/DBErrors.h"
#include "platform/db/OdbcCatalog.h"
#include "platform/db/OdbcText.h"
#include "platform/db/Utf8ThreadLocale.h"

struct TADOConnection::Handle {
    odbc::ConnectionHandle Connection{odbc::Environment()};
};

VN_PUBLISHED(TADOConnection) {
    props.String("ConnectionString", &TADOConnection::ConnectionString, &TADOConnection::SetConnectionString);
}

TADOConnection::TADOConnection(TComponent* AOwner) : TComponent(AOwner) {}

TADOConnection::~TADOConnection() = default;

void TADOConnection::Destroy() {
    Close();
    inherited::Destroy();
}

void TADOConnection::SetConnectionString(const std::string& value) {
    if (value == FConnectionString) return;
    Close();
    FConnectionString = value;
}

bool TADOConnection::Connected() const noexcept { return FHandle != nullptr; }

void TADOConnection::Open() {
    if (FHandle) return;
    const TUtf8ThreadLocale utf8;
    auto handle = std::make_unique<Handle>();
    odbc::WideString text = odbc::ToWide(FConnectionString);
    handle->Connection.Check(SQLDriverConnectW(handle->Connection.Get(), nullptr, text.data(), SQLSMALLINT(text.size()),
                                               nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT),
                             "SQLDriverConnect");
    FHandle = std::move(handle);
}

void TADOConnection::Close() {
    if (!FHandle) return;
    // Closing cannot fail in a way the caller could act on: the handle is released in any case.
    SQLDisconnect(FHandle->Connection.Get());
    FHandle.reset();
}

void TADOConnection::OpenSchema(TSchemaInfo Schema, const TSchemaRestrictions& Restrictions,
                                const std::string& SchemaID, TADODataSet* DataSet) {
    if (!SchemaID.empty()) throw EDatabaseError("Schema '" + SchemaID + "' of the provider is not supported");
    Open();
    switch (Schema) {
    case siTables:
        DataSet->LoadRowSet(odbc::TablesSchema(FHandle->Connection, Restrictions));
        break;
    case siForeignKeys:
        DataSet->LoadRowSet(odbc::ForeignKeysSchema(FHandle->Connection, Restrictions));
        break;
    }
}

std::vector<TRowSetColumn> TADOConnection::DescribeCommand(const std::string& text) {
    Open();
    return odbc::DescribeQuery(FHandle->Connection, text);
}
