// The BDE-style classes over SQLite files: the database component, the session, the
// table-list cursor and query descriptions.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/db/DBTables.h"
#include "tests/db/Owned.h"
#include "tests/db/SampleDatabaseTest.h"

namespace {

class BDESqliteTest : public SampleDatabaseTest {
protected:
    void SetUp() override { Database->SetDatabaseName(File->Path()); }

    std::vector<std::pair<std::string, bool>> TableList(bool system) {
        Database->Open();
        TTableListCursor cursor(Database.get(), system);
        std::vector<std::pair<std::string, bool>> list;
        TTableListRecord record;
        while (cursor.GetNextRecord(record)) list.emplace_back(record.Name, record.View);
        return list;
    }

    std::vector<std::string> Describe(const std::string& sql) {
        Owned<TQuery> query(TQuery::Create(nullptr));
        query->SetDatabaseName(Database->DatabaseName());
        query->SQL()->SetText(sql);
        query->FieldDefs()->Update();
        std::vector<std::string> names;
        for (int i = 0; i < query->FieldDefs()->Count(); ++i) names.push_back(query->FieldDefs()->Items(i)->Name);
        return names;
    }

    Owned<TDatabase> Database{TDatabase::Create(nullptr)};
};

TEST_F(BDESqliteTest, TableListInCreationOrderWithSystemTablesOnlyWhenAsked) {
    const std::vector<std::pair<std::string, bool>> user = {
        {"categories", false},  {"suppliers", false},         {"products", false}, {"customers", false},
        {"employees", false},   {"orders", false},            {"order_items", false}, {"order_totals", true},
        {"Lieferanten_Größe", false}, {"Ausgabe", false},     {"order2items", false},
    };
    EXPECT_EQ(TableList(false), user);
    auto withSystem = user;
    withSystem.emplace_back("sqlite_stat1", false);
    EXPECT_EQ(TableList(true), withSystem);
}

TEST_F(BDESqliteTest, MissingOrBrokenFilesAreErrorsAndNeverCreated) {
    const std::string missing = File->Path() + ".missing";
    const std::string notADatabase = File->Path() + ".txt";
    std::ofstream(notADatabase) << "this is not a database, just some text that is long enough to have a header\n";
    for (const std::string& path : {missing, notADatabase}) {
        SCOPED_TRACE(path);
        Database->SetDatabaseName(path);
        try {
            Database->Open();
            ADD_FAILURE() << "no error";
        } catch (const EDBEngineError& e) {
            EXPECT_NE(e.Message().find(path), std::string::npos) << e.Message();
            EXPECT_NE(e.ErrorCode(), 0);
        }
        EXPECT_FALSE(Database->Connected());
    }
    EXPECT_FALSE(std::filesystem::exists(missing));
    Database->SetDatabaseName("");
    EXPECT_THROW(Database->Open(), EDatabaseError);
    EXPECT_THROW(TTableListCursor(Database.get(), false), EDatabaseError) << "a closed database has no cursor";
}

TEST_F(BDESqliteTest, FilePathsWithNonAsciiLetters) {
    const std::string copy = File->Path() + "-Lagerbestände.db";
    std::filesystem::copy_file(File->Path(), copy);
    Database->SetDatabaseName(copy);
    EXPECT_EQ(TableList(false).size(), 11u);
    EXPECT_EQ(Describe("select * from categories"), (std::vector<std::string>{"category_id", "name", "description"}));
    Database->Close();
    std::filesystem::remove(copy);
}

TEST_F(BDESqliteTest, QueryFieldDefsDescribeWithoutRunning) {
    EXPECT_EQ(Describe("select * from orders o"),
              (std::vector<std::string>{"order_id", "customer_id", "employee_id", "approved_by", "order_date",
                                        "ship_city"}));
    EXPECT_EQ(Describe("select * from ((select city, country as land from customers)) q"),
              (std::vector<std::string>{"city", "land"}));
    EXPECT_EQ(Describe("select * from \"Lieferanten_Größe\"\n-- trailing comment\n"),
              (std::vector<std::string>{"Straße", "Größe"}));
    EXPECT_TRUE(Database->Connected()) << "the query opened the database, which stays open";
}

TEST_F(BDESqliteTest, QueryErrorsCarryTheEnginesMessage) {
    struct Case {
        const char* SQL;
        const char* MessagePart;
        bool EngineError;
    };
    const Case cases[] = {
        {"select * from nosuch", "no such table: nosuch", true},
        {"select * form orders", "syntax error", true},
        {"-- only a comment", "no result columns", false},
        {"create table x (a integer)", "no result columns", false},
        {"select 1; select 2", "more than one statement", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.SQL);
        try {
            Describe(c.SQL);
            ADD_FAILURE() << "no error";
        } catch (const EDatabaseError& e) {
            EXPECT_NE(e.Message().find(c.MessagePart), std::string::npos) << e.Message();
            EXPECT_EQ(dynamic_cast<const EDBEngineError*>(&e) != nullptr, c.EngineError);
        }
    }
}

TEST_F(BDESqliteTest, QueriesFindTheirDatabaseThroughTheSession) {
    EXPECT_EQ(Session().FindDatabase(File->Path()), Database.get());
    Owned<TQuery> query(TQuery::Create(nullptr));
    query->SetDatabaseName(File->Path() + ".unknown");
    query->SQL()->SetText("select 1");
    EXPECT_THROW(query->FieldDefs()->Update(), EDatabaseError);
    Database.reset();
    EXPECT_EQ(Session().FindDatabase(File->Path()), nullptr) << "a freed database leaves the session";
}

}  // namespace
