#include "metadata/ADOMetadataProvider.h"

#include <climits>
#include <exception>
#include <memory>
#include <optional>

#include "ast/Names.h"
#include "metadata/MetadataRelation.h"
#include "metadata/UpdateBracket.h"
#include "platform/core/TypInfo.h"
#include "platform/db/ADODB.h"

namespace {

struct FreeDataSet {
    void operator()(TADODataSet* dataSet) const { dataSet->Free(); }
};
using DataSetHolder = std::unique_ptr<TADODataSet, FreeDataSet>;

DataSetHolder NewDataSet(TADOConnection* connection) {
    DataSetHolder dataSet(TADODataSet::Create(nullptr));
    dataSet->SetConnection(connection);
    return dataSet;
}

TSQLDatabaseObject* NewObjectName(TSQLDatabaseObject* like, const std::string& name) {
    TSQLDatabaseObject* object = TSQLDatabaseObject::Create(like->SyntaxProvider);
    object->AddName(name);
    return object;
}

// Reads a foreign-keys rowset sorted by table, key name and ordinal: a new relation starts
// wherever the ordinal does not rise.
void ReadRelations(TADODataSet* rows, TSQLDatabaseObject* tableName, TObjectList* relations) {
    int previous = INT_MAX;
    TSQLMetadataRelation* relation = nullptr;
    for (rows->First(); !rows->Eof(); rows->Next()) {
        const int ordinal = int(rows->FieldByName("ORDINAL")->AsInteger());
        if (previous >= ordinal) {
            relation = TSQLMetadataRelation::Create();
            relations->Add(relation);
            relation->PKTable = NewObjectName(tableName, rows->FieldByName("PK_TABLE_NAME")->AsString());
            relation->FKTable = NewObjectName(tableName, rows->FieldByName("FK_TABLE_NAME")->AsString());
        }
        relation->PKColumns->Add(rows->FieldByName("PK_COLUMN_NAME")->AsString());
        relation->FKColumns->Add(rows->FieldByName("FK_COLUMN_NAME")->AsString());
        previous = ordinal;
    }
}

}  // namespace

VN_PUBLISHED(TvnADOMetadataProvider) {
    props.Reference("Connection", &TvnADOMetadataProvider::Connection, &TvnADOMetadataProvider::SetConnection);
}

void TvnADOMetadataProvider::Destroy() {
    SetConnection(nullptr);
    inherited::Destroy();
}

void TvnADOMetadataProvider::SetConnection(TADOConnection* value) {
    if (value == FConnection) return;
    if (FConnection) FConnection->RemoveFreeNotification(this);
    FConnection = value;
    if (FConnection) FConnection->FreeNotification(this);
}

void TvnADOMetadataProvider::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FConnection) FConnection = nullptr;
}

template <class Wanted>
void TvnADOMetadataProvider::GetObjectNames(TStrings* Names, Wanted wanted) {
    if (!FConnection) throw Exception("No connection");
    FConnection->Open();
    DataSetHolder rows = NewDataSet(FConnection);
    FConnection->OpenSchema(siTables, {}, "", rows.get());
    TStringsUpdateBracket bracket(Names);
    Names->Clear();
    for (rows->First(); !rows->Eof(); rows->Next())
        if (wanted(rows->FieldByName("TABLE_TYPE")->AsString())) Names->Add(rows->FieldByName("TABLE_NAME")->AsString());
}

void TvnADOMetadataProvider::GetTableNames(TStrings* Names, bool System) {
    GetObjectNames(Names, [System](const std::string& type) {
        return type == "TABLE" || (System && type == "SYSTEM TABLE");
    });
}

void TvnADOMetadataProvider::GetViewNames(TStrings* Names, bool) {
    GetObjectNames(Names, [](const std::string& type) { return type == "VIEW"; });
}

void TvnADOMetadataProvider::GetFields(const std::string& SQL, TStrings* FieldNames) {
    TStringsUpdateBracket bracket(FieldNames);
    FieldNames->Clear();
    if (!FConnection) return;
    DataSetHolder query = NewDataSet(FConnection);
    query->SetCommandText(SQL);
    query->FieldDefs()->Update();
    for (int i = 0; i < query->FieldDefs()->Count(); ++i) FieldNames->Add(query->FieldDefs()->Items(i)->Name);
}

void TvnADOMetadataProvider::GetTableRelations(TSQLDatabaseObject* TableName, TObjectList* Relations) {
    if (!FConnection) return;
    const std::optional<std::string> none;
    const std::string table = TableName->GetObjName();
    DataSetHolder rows = NewDataSet(FConnection);
    try {
        FConnection->OpenSchema(siForeignKeys, {none, none, table, none, none, none}, "", rows.get());
        if (!rows->IsEmpty()) {
            rows->SetSort("FK_TABLE_NAME, FK_NAME, ORDINAL");
            ReadRelations(rows.get(), TableName, Relations);
        }
        FConnection->OpenSchema(siForeignKeys, {none, none, none, none, none, table}, "", rows.get());
        if (!rows->IsEmpty()) {
            rows->SetSort("PK_TABLE_NAME, FK_NAME, ORDINAL");
            ReadRelations(rows.get(), TableName, Relations);
        }
    } catch (const std::exception&) {
        // A source without foreign-key support, or a closed connection, yields fewer relations.
    }
}
