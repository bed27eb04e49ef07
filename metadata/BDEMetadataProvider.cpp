#include "metadata/BDEMetadataProvider.h"

#include <memory>

#include "metadata/UpdateBracket.h"
#include "platform/core/TypInfo.h"
#include "platform/db/DBTables.h"

VN_PUBLISHED(TvnBDEMetadataProvider) {
    props.Reference("Connection", &TvnBDEMetadataProvider::Connection, &TvnBDEMetadataProvider::SetConnection);
}

void TvnBDEMetadataProvider::Destroy() {
    SetConnection(nullptr);
    inherited::Destroy();
}

void TvnBDEMetadataProvider::SetConnection(TDatabase* value) {
    if (value == FConnection) return;
    if (FConnection) FConnection->RemoveFreeNotification(this);
    FConnection = value;
    if (FConnection) FConnection->FreeNotification(this);
}

void TvnBDEMetadataProvider::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FConnection) FConnection = nullptr;
}

void TvnBDEMetadataProvider::GetObjectNames(TStrings* Names, bool System, bool Views) {
    TStringsUpdateBracket bracket(Names);
    Names->Clear();
    if (!FConnection) throw Exception("No connection");
    FConnection->Open();
    TTableListCursor cursor(FConnection, System);
    TTableListRecord record;
    while (cursor.GetNextRecord(record))
        if (record.View == Views) Names->Add(record.Name);
}

void TvnBDEMetadataProvider::GetTableNames(TStrings* Names, bool System) { GetObjectNames(Names, System, false); }

void TvnBDEMetadataProvider::GetViewNames(TStrings* Names, bool) { GetObjectNames(Names, false, true); }

void TvnBDEMetadataProvider::GetFields(const std::string& SQL, TStrings* FieldNames) {
    TStringsUpdateBracket bracket(FieldNames);
    FieldNames->Clear();
    if (!FConnection) return;
    struct FreeQuery {
        void operator()(TQuery* query) const { query->Free(); }
    };
    const std::unique_ptr<TQuery, FreeQuery> query(TQuery::Create(nullptr));
    query->SetDatabaseName(FConnection->DatabaseName());
    query->SQL()->SetText(SQL);
    query->FieldDefs()->Update();
    for (int i = 0; i < query->FieldDefs()->Count(); ++i) FieldNames->Add(query->FieldDefs()->Items(i)->Name);
}

void TvnBDEMetadataProvider::GetTableRelations(TSQLDatabaseObject*, TObjectList* Relations) { Relations->Clear(); }
