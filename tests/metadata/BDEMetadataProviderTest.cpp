// The BDE metadata provider over SQLite files built from the sample script and the test
// objects.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "metadata/BDEMetadataProvider.h"
#include "metadata/MetadataRelation.h"
#include "platform/db/DBTables.h"
#include "tests/db/Owned.h"
#include "tests/db/SampleDatabaseTest.h"
#include "tests/metadata/ProviderTestSupport.h"

namespace {

class BDEMetadataProviderTest : public SampleDatabaseTest {
protected:
    void SetUp() override {
        Database->SetDatabaseName(File->Path());
        Provider->SetConnection(Database.get());
    }

    Owned<TDatabase> Database{TDatabase::Create(nullptr)};
    Owned<TvnBDEMetadataProvider> Provider{TvnBDEMetadataProvider::Create(nullptr)};
    Owned<TStringList> List{TStringList::Create()};
};

TEST_F(BDEMetadataProviderTest, TablesAndViewsAreListedApart) {
    const std::vector<std::string> tables = {"categories", "suppliers", "products",          "customers",
                                             "employees",  "orders",    "order_items",       "Lieferanten_Größe",
                                             "Ausgabe",    "order2items"};
    List->Add("stale");
    Provider->GetTableNames(List.get(), false);
    EXPECT_EQ(Entries(List.get()), tables);
    auto withSystem = tables;
    withSystem.push_back("sqlite_stat1");
    Provider->GetTableNames(List.get(), true);
    EXPECT_EQ(Entries(List.get()), withSystem);
    for (bool system : {false, true}) {
        Provider->GetViewNames(List.get(), system);
        EXPECT_EQ(Entries(List.get()), std::vector<std::string>{"order_totals"});
    }
}

TEST_F(BDEMetadataProviderTest, FieldsAndTheEnginesErrors) {
    Provider->GetFields("select * from ((select e.first_name, m.last_name as manager from employees e "
                        "left join employees m on m.employee_id = e.reports_to)) q",
                        List.get());
    EXPECT_EQ(Entries(List.get()), (std::vector<std::string>{"first_name", "manager"}));
    try {
        Provider->GetFields("select * from nosuch n", List.get());
        ADD_FAILURE() << "no error";
    } catch (const EDBEngineError& e) {
        EXPECT_EQ(e.Message(), "no such table: nosuch");
    }
    EXPECT_EQ(List->Count(), 0);
    EXPECT_EQ(List->UpdateCount(), 0);

    Database->SetDatabaseName(File->Path() + ".missing");
    List->Add("stale");
    EXPECT_THROW(Provider->GetTableNames(List.get(), false), EDBEngineError);
    EXPECT_EQ(List->Count(), 0) << "the list is emptied before the database opens";
    EXPECT_EQ(List->UpdateCount(), 0);
}

TEST_F(BDEMetadataProviderTest, NoRelationsEver) {
    for (const RelationCase& c : SampleRelationCases()) EXPECT_EQ(RelationTexts(Provider.get(), c.Parts), std::vector<std::string>{});
    TObjectList relations;
    relations.Add(TSQLMetadataRelation::Create());
    Provider->GetTableRelations(nullptr, &relations);
    EXPECT_EQ(relations.Count(), 0);
}

TEST_F(BDEMetadataProviderTest, ADestroyedDatabaseIsForgotten) {
    Database.reset();
    EXPECT_EQ(Provider->Connection(), nullptr);
    List->Add("stale");
    Provider->GetFields("select * from orders o", List.get());
    EXPECT_EQ(List->Count(), 0);
    List->Add("stale");
    try {
        Provider->GetTableNames(List.get(), false);
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "No connection");
    }
    EXPECT_EQ(List->Count(), 0);
}

}  // namespace
