// The ADO metadata provider over the SQLite ODBC driver, on a database built from the
// sample script and the test objects.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ast/Names.h"
#include "metadata/ADOMetadataProvider.h"
#include "metadata/MetadataRelation.h"
#include "platform/db/ADODB.h"
#include "tests/db/Owned.h"
#include "tests/db/SampleDatabaseTest.h"
#include "tests/metadata/ProviderTestSupport.h"

namespace {

const std::vector<std::string> SampleTables = {"categories", "suppliers",         "products",
                                               "customers",  "employees",         "orders",
                                               "order_items", "Lieferanten_Größe", "Ausgabe",
                                               "order2items"};

class ADOMetadataProviderTest : public SampleDatabaseTest {
protected:
    void SetUp() override {
        Connection->SetConnectionString(File->OdbcConnectionString());
        Provider->SetConnection(Connection.get());
    }

    Owned<TADOConnection> Connection{TADOConnection::Create(nullptr)};
    Owned<TvnADOMetadataProvider> Provider{TvnADOMetadataProvider::Create(nullptr)};
    Owned<TStringList> List{TStringList::Create()};
};

TEST_F(ADOMetadataProviderTest, TablesAndViewsAreListedApart) {
    List->Add("stale");
    Provider->GetTableNames(List.get(), false);
    EXPECT_EQ(Entries(List.get()), SampleTables);

    Provider->GetTableNames(List.get(), true);
    auto withSystem = SampleTables;
    withSystem.push_back("sqlite_stat1");
    EXPECT_EQ(Entries(List.get()), withSystem);

    for (bool system : {false, true}) {
        Provider->GetViewNames(List.get(), system);
        EXPECT_EQ(Entries(List.get()), std::vector<std::string>{"order_totals"});
    }
    EXPECT_EQ(List->UpdateCount(), 0);
}

TEST_F(ADOMetadataProviderTest, FieldsOfTheTextsTheQueryBuilderSends) {
    struct Case {
        const char* SQL;
        std::vector<std::string> Fields;
    };
    const Case cases[] = {
        {"select * from customers c", {"customer_id", "company_name", "contact_name", "city", "country"}},
        {"select * from ((select o.order_id, c.company_name from orders o join customers c on "
         "c.customer_id = o.customer_id)) \"q x\"",
         {"order_id", "company_name"}},
        {"select * from \"Lieferanten_Größe\" \"Größe\"", {"Straße", "Größe"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.SQL);
        List->Add("stale");
        Provider->GetFields(c.SQL, List.get());
        EXPECT_EQ(Entries(List.get()), c.Fields);
    }
}

TEST_F(ADOMetadataProviderTest, ErrorsPassWithTheListEmptiedAndItsBracketClosed) {
    List->Add("stale");
    EXPECT_THROW(Provider->GetFields("select * from nosuch n", List.get()), EODBCError);
    EXPECT_EQ(List->Count(), 0);
    EXPECT_EQ(List->UpdateCount(), 0);

    Connection->SetConnectionString("Driver=SQLite3;Database=" + File->Path() + ".missing;NoCreat=1");
    List->Add("kept");
    EXPECT_THROW(Provider->GetTableNames(List.get(), false), EODBCError);
    EXPECT_EQ(Entries(List.get()), std::vector<std::string>{"kept"}) << "the connection fails before the list is touched";
    EXPECT_EQ(List->UpdateCount(), 0);
    EXPECT_EQ(RelationTexts(Provider.get(), {"orders"}), std::vector<std::string>{}) << "relation errors are swallowed";
}

TEST_F(ADOMetadataProviderTest, RelationsPairTheKeyColumns) {
    for (const RelationCase& c : SampleRelationCases()) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(RelationTexts(Provider.get(), c.Parts), c.Relations);
    }
}

TEST_F(ADOMetadataProviderTest, ADestroyedConnectionIsForgotten) {
    Connection.reset();
    EXPECT_EQ(Provider->Connection(), nullptr);
    List->Add("stale");
    Provider->GetFields("select * from orders o", List.get());
    EXPECT_EQ(List->Count(), 0);
    EXPECT_EQ(RelationTexts(Provider.get(), {"orders"}), std::vector<std::string>{});
    try {
        Provider->GetTableNames(List.get(), false);
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "No connection");
    }
    EXPECT_THROW(Provider->GetViewNames(List.get(), false), Exception);
}

TEST_F(ADOMetadataProviderTest, RelationsAreAppendedToWhatTheListHolds) {
    TObjectListOf<TSQLMetadataRelation> relations;
    relations.Add(TSQLMetadataRelation::Create());
    TSQLDatabaseObject* table = TSQLDatabaseObject::Create(nullptr);
    table->AddName("order_items");
    Provider->GetTableRelations(table, &relations);
    FreeNode(table);
    EXPECT_EQ(relations.Count(), 3);
}

}  // namespace
