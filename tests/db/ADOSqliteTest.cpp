// The ADO-style classes over the SQLite ODBC driver, on a database built from the sample
// script and the test objects.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/db/ADODB.h"
#include "tests/db/Owned.h"
#include "tests/db/SampleDatabaseTest.h"

namespace {

class ADOSqliteTest : public SampleDatabaseTest {
protected:
    void SetUp() override {
        Connection->SetConnectionString(File->OdbcConnectionString());
        DataSet->SetConnection(Connection.get());
    }

    // TABLE_NAME -> TABLE_TYPE of the unrestricted tables rowset.
    std::map<std::string, std::string> TableTypes(const TSchemaRestrictions& restrictions = {}) {
        Connection->OpenSchema(siTables, restrictions, "", DataSet.get());
        std::map<std::string, std::string> types;
        for (DataSet->First(); !DataSet->Eof(); DataSet->Next())
            types[DataSet->FieldByName("TABLE_NAME")->AsString()] = DataSet->FieldByName("TABLE_TYPE")->AsString();
        return types;
    }

    // One line per row: "PK_TABLE_NAME.PK_COLUMN_NAME <- FK_TABLE_NAME.FK_COLUMN_NAME #ORDINAL".
    std::vector<std::string> KeyRows() {
        std::vector<std::string> rows;
        for (DataSet->First(); !DataSet->Eof(); DataSet->Next())
            rows.push_back(DataSet->FieldByName("PK_TABLE_NAME")->AsString() + "." +
                           DataSet->FieldByName("PK_COLUMN_NAME")->AsString() + " <- " +
                           DataSet->FieldByName("FK_TABLE_NAME")->AsString() + "." +
                           DataSet->FieldByName("FK_COLUMN_NAME")->AsString() + " #" +
                           DataSet->FieldByName("ORDINAL")->AsString());
        return rows;
    }

    Owned<TADOConnection> Connection{TADOConnection::Create(nullptr)};
    Owned<TADODataSet> DataSet{TADODataSet::Create(nullptr)};
};

TEST_F(ADOSqliteTest, TablesSchemaTypesEveryObject) {
    const auto types = TableTypes();
    const std::map<std::string, std::string> expected = {
        {"categories", "TABLE"},   {"order_items", "TABLE"},         {"order_totals", "VIEW"},
        {"sqlite_stat1", "SYSTEM TABLE"}, {"Lieferanten_Größe", "TABLE"}, {"employees", "TABLE"},
    };
    for (const auto& [name, type] : expected) {
        ASSERT_TRUE(types.count(name)) << name;
        EXPECT_EQ(types.at(name), type) << name;
    }
    EXPECT_TRUE(Connection->Connected()) << "the connection stays open";
}

TEST_F(ADOSqliteTest, TablesSchemaRestrictionsMatchExactly) {
    EXPECT_EQ(TableTypes({std::nullopt, std::nullopt, std::string("order_items")}),
              (std::map<std::string, std::string>{{"order_items", "TABLE"}}));
    EXPECT_EQ(TableTypes({std::nullopt, std::nullopt, std::nullopt, std::string("VIEW")}),
              (std::map<std::string, std::string>{{"order_totals", "VIEW"}}));
    EXPECT_EQ(TableTypes({std::nullopt, std::nullopt, std::nullopt, std::string("SYSTEM TABLE")}),
              (std::map<std::string, std::string>{{"sqlite_stat1", "SYSTEM TABLE"}}));
}

TEST_F(ADOSqliteTest, ForeignKeysCarryTheNamesOfTheKeyColumns) {
    struct Case {
        const char* Name;
        TSchemaRestrictions Restrictions;
        std::vector<std::string> Rows;  // sorted by FK_TABLE_NAME, FK_NAME, ORDINAL
    };
    const std::optional<std::string> none;
    const Case cases[] = {
        {"two-column key in order",
         {none, none, none, none, none, std::string("order_items")},
         {"orders.order_id <- order_items.order_id #1", "products.supplier_id <- order_items.supplier_id #1",
          "products.product_code <- order_items.product_code #2"}},
        {"three keys to one table",
         {none, none, std::string("employees")},
         {"employees.employee_id <- employees.reports_to #1", "employees.employee_id <- orders.approved_by #1",
          "employees.employee_id <- orders.employee_id #1"}},
        {"reference without a column list, non-ASCII names",
         {none, none, std::string("Lieferanten_Größe")},
         {"Lieferanten_Größe.Straße <- Ausgabe.Straße #1"}},
        {"no keys", {none, none, none, none, none, std::string("categories")}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Connection->OpenSchema(siForeignKeys, c.Restrictions, "", DataSet.get());
        DataSet->SetSort("FK_TABLE_NAME, FK_NAME, ORDINAL");
        EXPECT_EQ(KeyRows(), c.Rows);
        EXPECT_EQ(DataSet->IsEmpty(), c.Rows.empty());
    }
}

TEST_F(ADOSqliteTest, EveryKeyGetsItsOwnName) {
    // Without restrictions every key of the database is listed; each key has one name
    // shared by its column rows, and no two keys share one.
    Connection->OpenSchema(siForeignKeys, {}, "", DataSet.get());
    std::map<std::string, std::set<std::string>> tablesByKey;
    int rows = 0;
    for (DataSet->First(); !DataSet->Eof(); DataSet->Next(), ++rows) {
        const std::string name = DataSet->FieldByName("FK_NAME")->AsString();
        ASSERT_FALSE(name.empty());
        tablesByKey[name].insert(DataSet->FieldByName("FK_TABLE_NAME")->AsString() + "->" +
                                 DataSet->FieldByName("PK_TABLE_NAME")->AsString());
    }
    EXPECT_EQ(rows, 10);
    EXPECT_EQ(tablesByKey.size(), 9u);
    for (const auto& [name, tables] : tablesByKey) EXPECT_EQ(tables.size(), 1u) << name;
}

TEST_F(ADOSqliteTest, FieldDefsDescribeWithoutRunning) {
    struct Case {
        const char* SQL;
        std::vector<std::string> Columns;
    };
    const Case cases[] = {
        {"select * from orders o",
         {"order_id", "customer_id", "employee_id", "approved_by", "order_date", "ship_city"}},
        {"select * from ((select order_id, ship_city as city from orders)) q", {"order_id", "city"}},
        {"select * from \"Lieferanten_Größe\" l", {"Straße", "Größe"}},
        {"select * from order_totals", {"order_id", "customer", "order_date", "total"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.SQL);
        DataSet->SetCommandText(c.SQL);
        DataSet->FieldDefs()->Update();
        std::vector<std::string> names;
        for (int i = 0; i < DataSet->FieldDefs()->Count(); ++i) names.push_back(DataSet->FieldDefs()->Items(i)->Name);
        EXPECT_EQ(names, c.Columns);
        EXPECT_FALSE(DataSet->Active());
    }
}

TEST_F(ADOSqliteTest, FieldDefsOfATextWithoutResultIsAnError) {
    struct Case {
        const char* SQL;
        const char* MessagePart;
    };
    const Case cases[] = {
        {"select * from nosuch", "no such table: nosuch"},
        {"select nosuch from orders", "no such column: nosuch"},
        {"(select 1)", "no result columns"},
        {"delete from customers", "no result columns"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.SQL);
        DataSet->SetCommandText(c.SQL);
        try {
            DataSet->FieldDefs()->Update();
            ADD_FAILURE() << "no error";
        } catch (const EODBCError& e) {
            EXPECT_NE(e.Message().find(c.MessagePart), std::string::npos) << e.Message();
            EXPECT_EQ(e.SQLState().size(), 5u);
        }
    }
    // Describing the delete did not run it.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(File->Path().c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite3_stmt* count = nullptr;
    sqlite3_prepare_v2(db, "select count(*) from customers", -1, &count, nullptr);
    ASSERT_EQ(sqlite3_step(count), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(count, 0), 12);
    sqlite3_finalize(count);
    sqlite3_close(db);
}

TEST_F(ADOSqliteTest, BadConnectionStringsRaiseTheDriversError) {
    struct Case {
        std::string ConnectionString;
        const char* MessagePart;
    };
    const Case cases[] = {
        {"Driver=No Such Driver;Database=x.db", "Can't open lib 'No Such Driver'"},
        {"", "Data source name not found"},
        {"Driver=SQLite3;Database=" + File->Path() + ".missing;NoCreat=1", "connect failed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ConnectionString);
        Connection->SetConnectionString(c.ConnectionString);
        try {
            Connection->Open();
            ADD_FAILURE() << "no error";
        } catch (const EODBCError& e) {
            EXPECT_NE(e.Message().find(c.MessagePart), std::string::npos) << e.Message();
            EXPECT_EQ(e.SQLState().size(), 5u);
        }
        EXPECT_FALSE(Connection->Connected());
    }
    EXPECT_FALSE(std::filesystem::exists(File->Path() + ".missing")) << "a missing file is never created";
}

TEST_F(ADOSqliteTest, FilePathsWithNonAsciiLetters) {
    const std::string copy = File->Path() + "-Lagerbestände.db";
    std::filesystem::copy_file(File->Path(), copy);
    Connection->SetConnectionString("Driver=SQLite3;Database=" + copy + ";NoCreat=1");
    EXPECT_EQ(TableTypes({std::nullopt, std::nullopt, std::string("orders")}),
              (std::map<std::string, std::string>{{"orders", "TABLE"}}));
    Connection->Close();
    std::filesystem::remove(copy);
}

TEST_F(ADOSqliteTest, DataSetNavigationAndFieldAccess) {
    Connection->OpenSchema(siForeignKeys, {std::nullopt, std::nullopt, std::string("products")}, "", DataSet.get());
    ASSERT_EQ(DataSet->RecordCount(), 2);
    EXPECT_EQ(DataSet->FieldByName("ordinal")->AsInteger(), 1) << "field names compare without case";
    EXPECT_THROW(DataSet->FieldByName("NO_SUCH_FIELD"), EDatabaseError);
    EXPECT_THROW(DataSet->SetSort("NO_SUCH_FIELD"), EDatabaseError);
    DataSet->Next();
    DataSet->Next();
    EXPECT_TRUE(DataSet->Eof());
    EXPECT_THROW(DataSet->FieldByName("ORDINAL")->AsString(), EDatabaseError) << "no current record past the end";
    DataSet->First();
    EXPECT_FALSE(DataSet->Eof());
}

TEST_F(ADOSqliteTest, FreeingTheConnectionDetachesTheDataSet) {
    auto* connection = TADOConnection::Create(nullptr);
    DataSet->SetConnection(connection);
    connection->Free();
    EXPECT_EQ(DataSet->Connection(), nullptr);
    DataSet->SetCommandText("select 1");
    EXPECT_THROW(DataSet->FieldDefs()->Update(), EDatabaseError);
}

TEST_F(ADOSqliteTest, SchemasOfTheProviderItselfAreRefused) {
    EXPECT_THROW(Connection->OpenSchema(siTables, {}, "{guid}", DataSet.get()), EDatabaseError);
}

}  // namespace
