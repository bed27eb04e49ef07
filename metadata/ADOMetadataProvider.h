#pragma once
// The metadata provider over an ADO-style connection: table and view names from the tables
// schema rowset, column names by describing the SELECT text, foreign keys from the
// foreign-keys schema rowset.
#include <string>

#include "metadata/BaseMetadataProvider.h"

class TADOConnection;
class TADODataSet;

class TvnADOMetadataProvider : public TvnBaseMetadataProvider {
    VN_CLASS(TvnADOMetadataProvider, TvnBaseMetadataProvider)

public:
    using TvnBaseMetadataProvider::TvnBaseMetadataProvider;
    void Destroy() override;

    TADOConnection* Connection() const noexcept { return FConnection; }
    // Not owned; cleared when the connection component is freed.
    void SetConnection(TADOConnection* value);

    // Without a connection these two raise Exception "No connection"; connection errors
    // pass to the caller.
    void GetTableNames(TStrings* Names, bool System) override;
    void GetViewNames(TStrings* Names, bool System) override;
    // Without a connection the list is emptied; errors of the description pass on.
    void GetFields(const std::string& SQL, TStrings* FieldNames) override;
    // Appends the keys that reference the table, then the keys of the table itself. Errors
    // are swallowed: relations completed before one stay in the list.
    void GetTableRelations(TSQLDatabaseObject* TableName, TObjectList* Relations) override;

    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // Fills Names with the TABLE_NAME of every row of the tables rowset that Wanted accepts.
    template <class Wanted>
    void GetObjectNames(TStrings* Names, Wanted wanted);

    TADOConnection* FConnection = nullptr;
};
