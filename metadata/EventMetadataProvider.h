#pragma once
// The metadata provider for applications that obtain metadata in their own way: each
// question empties the list the answer goes into and calls the application's handler.
// Without a handler the answer is an empty list.
#include <string>

#include "metadata/BaseMetadataProvider.h"
#include "platform/core/Events.h"

using TvnGetObjectNamesEvent = TEvent<void(TvnBaseMetadataProvider* Sender, TStrings* Names, bool System)>;
using TvnGetSQLFieldNamesEvent =
    TEvent<void(TvnBaseMetadataProvider* Sender, const std::string& SQL, TStrings* FieldNames)>;
using TvnGetTableRelationsEvent =
    TEvent<void(TvnBaseMetadataProvider* Sender, TSQLDatabaseObject* TableName, TObjectList* Relations)>;

class TvnEventMetadataProvider : public TvnBaseMetadataProvider {
    VN_CLASS(TvnEventMetadataProvider, TvnBaseMetadataProvider)

public:
    using TvnBaseMetadataProvider::TvnBaseMetadataProvider;

    void GetTableNames(TStrings* Names, bool System) override;
    void GetViewNames(TStrings* Names, bool System) override;
    void GetFields(const std::string& SQL, TStrings* FieldNames) override;
    // Empties Relations (freeing what it owned) before the handler adds to it.
    void GetTableRelations(TSQLDatabaseObject* TableName, TObjectList* Relations) override;

    TvnGetObjectNamesEvent OnGetTableNames;
    TvnGetObjectNamesEvent OnGetViewNames;
    TvnGetSQLFieldNamesEvent OnGetSQLFieldNames;
    TvnGetTableRelationsEvent OnGetTableRelations;
};
