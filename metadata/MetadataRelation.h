#pragma once
// One foreign key: the referenced table (the side with the primary or unique key) and the
// referencing table, with their columns paired by index: FKColumns[i] refers to PKColumns[i].
#include <string>

#include "platform/core/Classes.h"

class TSQLDatabaseObject;

class TSQLMetadataRelation : public TObject {
    VN_CLASS(TSQLMetadataRelation, TObject)

public:
    TSQLMetadataRelation();
    void Destroy() override;

    // "PKTABLE(PKCOL,...) <- FKTABLE(FKCOL,...)", table names with their qualifiers.
    std::string Text() const;

    TSQLDatabaseObject* PKTable = nullptr;  // owned, set by the provider
    TStringList* PKColumns = nullptr;       // owned, in key order
    TSQLDatabaseObject* FKTable = nullptr;  // owned, set by the provider
    TStringList* FKColumns = nullptr;       // owned, in the order of PKColumns
};
