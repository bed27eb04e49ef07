#pragma once
// The metadata provider over a BDE-style database component: table and view names from the
// engine's table list, column names by describing the SELECT text with a query. It reports
// no foreign keys.
#include <string>

#include "metadata/BaseMetadataProvider.h"

class TDatabase;

class TvnBDEMetadataProvider : public TvnBaseMetadataProvider {
    VN_CLASS(TvnBDEMetadataProvider, TvnBaseMetadataProvider)

public:
    using TvnBaseMetadataProvider::TvnBaseMetadataProvider;
    void Destroy() override;

    TDatabase* Connection() const noexcept { return FConnection; }
    // Not owned; cleared when the database component is freed.
    void SetConnection(TDatabase* value);

    // The list is emptied first; without a database component these two then raise
    // Exception "No connection". Engine errors pass to the caller.
    void GetTableNames(TStrings* Names, bool System) override;
    void GetViewNames(TStrings* Names, bool System) override;
    // Without a database component the list is emptied; engine errors pass on.
    void GetFields(const std::string& SQL, TStrings* FieldNames) override;
    // Empties Relations (freeing what it owned) and adds nothing.
    void GetTableRelations(TSQLDatabaseObject* TableName, TObjectList* Relations) override;

    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // Fills Names from the table list: the views when Views, else the tables.
    void GetObjectNames(TStrings* Names, bool System, bool Views);

    TDatabase* FConnection = nullptr;
};
