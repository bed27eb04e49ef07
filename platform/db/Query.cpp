#include "platform/db/Query.h"

#include <sqlite3.h>

#include <memory>

#include "platform/core/TypInfo.h"
#include "platform/db/DBErrors.h"
#include "platform/db/Database.h"
#include "platform/db/Session.h"

namespace {

struct StatementDeleter {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

// The field type of a column declared with DeclaredType, following SQLite's affinity rules.
TFieldType FieldTypeOf(const char* declaredType) {
    const std::string type = declaredType ? UpperCase(declaredType) : std::string();
    const auto has = [&](const char* part) { return type.find(part) != std::string::npos; };
    if (has("INT")) return ftLargeint;
    if (has("CHAR") || has("CLOB") || has("TEXT")) return ftWideString;
    if (has("BLOB")) return ftBlob;
    if (has("REAL") || has("FLOA") || has("DOUB")) return ftFloat;
    if (has("DATETIME") || has("TIMESTAMP")) return ftDateTime;
    if (has("DATE")) return ftDate;
    if (has("DEC") || has("NUMERIC")) return ftBCD;
    return ftUnknown;
}

}  // namespace

VN_PUBLISHED(TQuery) {
    props.String("DatabaseName", &TQuery::DatabaseName, &TQuery::SetDatabaseName);
}

TQuery::TQuery(TComponent* AOwner) : TDataSet(AOwner), FSQL(TStringList::Create()) {}

void TQuery::Destroy() {
    FreeAndNil(FSQL);
    inherited::Destroy();
}

void TQuery::SetDatabaseName(const std::string& value) {
    if (value == FDatabaseName) return;
    Close();
    FDatabaseName = value;
}

std::vector<TRowSetColumn> TQuery::DescribeFields() {
    TDatabase* database = Session().FindDatabase(FDatabaseName);
    if (!database) DatabaseError("Database '" + FDatabaseName + "' not found");
    database->Open();
    sqlite3* db = database->Handle();

    const std::string text = FSQL->Text();
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    CheckEngine(db, sqlite3_prepare_v2(db, text.c_str(), int(text.size()), &raw, &tail));
    const Statement statement(raw);
    if (!statement || sqlite3_column_count(statement.get()) == 0)
        DatabaseError("The statement yields no result columns: " + Trim(text));

    sqlite3_stmt* rawNext = nullptr;
    CheckEngine(db, sqlite3_prepare_v2(db, tail, -1, &rawNext, nullptr));
    if (Statement(rawNext)) DatabaseError("The text holds more than one statement: " + Trim(text));

    std::vector<TRowSetColumn> columns;
    for (int i = 0; i < sqlite3_column_count(statement.get()); ++i)
        columns.push_back({sqlite3_column_name(statement.get(), i), FieldTypeOf(sqlite3_column_decltype(statement.get(), i))});
    return columns;
}
