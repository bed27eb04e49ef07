#include "metadata/EventMetadataProvider.h"

#include "metadata/UpdateBracket.h"
#include "platform/core/TypInfo.h"

VN_PUBLISHED(TvnEventMetadataProvider) {
    props.Event("OnGetTableNames", &TvnEventMetadataProvider::OnGetTableNames);
    props.Event("OnGetViewNames", &TvnEventMetadataProvider::OnGetViewNames);
    props.Event("OnGetSQLFieldNames", &TvnEventMetadataProvider::OnGetSQLFieldNames);
    props.Event("OnGetTableRelations", &TvnEventMetadataProvider::OnGetTableRelations);
}

namespace {

void AskForNames(TvnBaseMetadataProvider* sender, const TvnGetObjectNamesEvent& handler, TStrings* names,
                 bool system) {
    TStringsUpdateBracket bracket(names);
    names->Clear();
    if (handler) handler(sender, names, system);
}

}  // namespace

void TvnEventMetadataProvider::GetTableNames(TStrings* Names, bool System) {
    AskForNames(this, OnGetTableNames, Names, System);
}

void TvnEventMetadataProvider::GetViewNames(TStrings* Names, bool System) {
    AskForNames(this, OnGetViewNames, Names, System);
}

void TvnEventMetadataProvider::GetFields(const std::string& SQL, TStrings* FieldNames) {
    TStringsUpdateBracket bracket(FieldNames);
    FieldNames->Clear();
    if (OnGetSQLFieldNames) OnGetSQLFieldNames(this, SQL, FieldNames);
}

void TvnEventMetadataProvider::GetTableRelations(TSQLDatabaseObject* TableName, TObjectList* Relations) {
    Relations->Clear();
    if (OnGetTableRelations) OnGetTableRelations(this, TableName, Relations);
}
