// The ADO metadata provider over the PostgreSQL ODBC driver, against the throwaway cluster
// that CTest starts with the sample database and the test objects.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "metadata/ADOMetadataProvider.h"
#include "platform/db/ADODB.h"
#include "tests/db/Owned.h"
#include "tests/db/PostgresCluster.h"
#include "tests/metadata/ProviderTestSupport.h"

namespace {

class ADOMetadataProviderPostgresTest : public ::testing::Test {
protected:
    void Attach(const std::string& connectionString) {
        Connection->SetConnectionString(connectionString);
        Provider->SetConnection(Connection.get());
    }

    Owned<TADOConnection> Connection{TADOConnection::Create(nullptr)};
    Owned<TvnADOMetadataProvider> Provider{TvnADOMetadataProvider::Create(nullptr)};
    Owned<TStringList> List{TStringList::Create()};
};

TEST_F(ADOMetadataProviderPostgresTest, TablesViewsAndSystemTables) {
    VNQB_REQUIRE_POSTGRES(connection);
    Attach(connection);
    Provider->GetTableNames(List.get(), false);
    auto tables = Entries(List.get());
    for (const char* table : {"orders", "order_items", "Lieferanten_Größe"})
        EXPECT_NE(std::find(tables.begin(), tables.end(), table), tables.end()) << table;
    for (const char* notATable : {"order_totals", "customer_cities", "pg_class"})
        EXPECT_EQ(std::find(tables.begin(), tables.end(), notATable), tables.end()) << notATable;

    Provider->GetTableNames(List.get(), true);
    tables = Entries(List.get());
    EXPECT_NE(std::find(tables.begin(), tables.end(), "pg_class"), tables.end());
    EXPECT_EQ(std::find(tables.begin(), tables.end(), "order_totals"), tables.end());

    Provider->GetViewNames(List.get(), false);
    EXPECT_EQ(Entries(List.get()), (std::vector<std::string>{"customer_cities", "order_totals"}));
}

TEST_F(ADOMetadataProviderPostgresTest, FieldsAndTheServersErrors) {
    VNQB_REQUIRE_POSTGRES(connection);
    Attach(connection);
    Provider->GetFields("select * from ((select city, country as land from customers)) q", List.get());
    EXPECT_EQ(Entries(List.get()), (std::vector<std::string>{"city", "land"}));
    try {
        Provider->GetFields("select * from nosuch n", List.get());
        ADD_FAILURE() << "no error";
    } catch (const EODBCError& e) {
        EXPECT_EQ(e.SQLState(), "42P01") << e.Message();
    }
    EXPECT_EQ(List->Count(), 0);
    EXPECT_EQ(List->UpdateCount(), 0);
}

TEST_F(ADOMetadataProviderPostgresTest, RelationsPairTheKeyColumns) {
    VNQB_REQUIRE_POSTGRES(connection);
    Attach(connection);
    for (const RelationCase& c : SampleRelationCases()) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(RelationTexts(Provider.get(), c.Parts), c.Relations);
    }
}

TEST_F(ADOMetadataProviderPostgresTest, AWrongPasswordFailsTheNamesAndYieldsNoRelations) {
    VNQB_REQUIRE_POSTGRES(connection);
    Attach(connection.substr(0, connection.find("Pwd=")) + "Pwd=wrong;");
    EXPECT_THROW(Provider->GetViewNames(List.get(), false), EODBCError);
    EXPECT_EQ(RelationTexts(Provider.get(), {"orders"}), std::vector<std::string>{});
}

}  // namespace
