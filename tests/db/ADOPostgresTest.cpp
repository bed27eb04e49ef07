// The ADO-style classes over the PostgreSQL ODBC driver, against the throwaway cluster that
// CTest starts with the sample database and the test objects.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/db/ADODB.h"
#include "tests/db/Owned.h"
#include "tests/db/PostgresCluster.h"

namespace {

class ADOPostgresTest : public ::testing::Test {
protected:
    Owned<TADOConnection> Connection{TADOConnection::Create(nullptr)};
    Owned<TADODataSet> DataSet{TADODataSet::Create(nullptr)};

    void Attach(const std::string& connectionString) {
        Connection->SetConnectionString(connectionString);
        DataSet->SetConnection(Connection.get());
    }
};

TEST_F(ADOPostgresTest, WrongPasswordRaisesTheServersMessage) {
    VNQB_REQUIRE_POSTGRES(connection);
    const size_t password = connection.find("Pwd=");
    ASSERT_NE(password, std::string::npos);
    Attach(connection.substr(0, password) + "Pwd=wrong;");
    try {
        Connection->Open();
        ADD_FAILURE() << "no error";
    } catch (const EODBCError& e) {
        EXPECT_NE(e.Message().find("password authentication failed"), std::string::npos) << e.Message();
        EXPECT_EQ(e.SQLState().substr(0, 2), "08") << "a connection error";
    }
    EXPECT_FALSE(Connection->Connected());
}

TEST_F(ADOPostgresTest, TablesSchemaMapsViewsAndSystemTables) {
    VNQB_REQUIRE_POSTGRES(connection);
    Attach(connection);
    Connection->OpenSchema(siTables, {}, "", DataSet.get());
    std::map<std::string, std::string> types;
    for (DataSet->First(); !DataSet->Eof(); DataSet->Next())
        types[DataSet->FieldByName("TABLE_NAME")->AsString()] = DataSet->FieldByName("TABLE_TYPE")->AsString();
    const std::map<std::string, std::string> expected = {
        {"orders", "TABLE"},         {"order_totals", "VIEW"},     {"customer_cities", "VIEW"},
        {"pg_class", "SYSTEM TABLE"}, {"Lieferanten_Größe", "TABLE"},
    };
    for (const auto& [name, type] : expected) {
        ASSERT_TRUE(types.count(name)) << name;
        EXPECT_EQ(types.at(name), type) << name;
    }
}

TEST_F(ADOPostgresTest, ForeignKeysKeepTheServersKeyNames) {
    VNQB_REQUIRE_POSTGRES(connection);
    Attach(connection);
    Connection->OpenSchema(siForeignKeys, {std::nullopt, std::nullopt, std::string("employees")}, "", DataSet.get());
    DataSet->SetSort("FK_TABLE_NAME, FK_NAME, ORDINAL");
    std::vector<std::string> rows;
    for (DataSet->First(); !DataSet->Eof(); DataSet->Next())
        rows.push_back(DataSet->FieldByName("FK_NAME")->AsString() + ": " +
                       DataSet->FieldByName("FK_TABLE_NAME")->AsString() + "." +
                       DataSet->FieldByName("FK_COLUMN_NAME")->AsString() + " #" +
                       DataSet->FieldByName("ORDINAL")->AsString());
    EXPECT_EQ(rows, (std::vector<std::string>{"employees_reports_to_fkey: employees.reports_to #1",
                                              "orders_approved_by_fkey: orders.approved_by #1",
                                              "orders_employee_id_fkey: orders.employee_id #1"}));
}

TEST_F(ADOPostgresTest, FieldDefsDescribeOrFailWithTheServersState) {
    VNQB_REQUIRE_POSTGRES(connection);
    Attach(connection);
    DataSet->SetCommandText("select * from \"Lieferanten_Größe\" l");
    DataSet->FieldDefs()->Update();
    ASSERT_EQ(DataSet->FieldDefs()->Count(), 2);
    EXPECT_EQ(DataSet->FieldDefs()->Items(0)->Name, "Straße");
    EXPECT_EQ(DataSet->FieldDefs()->Items(1)->Name, "Größe");

    DataSet->SetCommandText("select * from nosuch");
    try {
        DataSet->FieldDefs()->Update();
        ADD_FAILURE() << "no error";
    } catch (const EODBCError& e) {
        EXPECT_EQ(e.SQLState(), "42P01") << e.Message();
        EXPECT_NE(e.Message().find("nosuch"), std::string::npos) << e.Message();
    }
}

}  // namespace
