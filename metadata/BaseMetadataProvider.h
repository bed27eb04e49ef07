#pragma once
// The metadata interface of the query builder: a component that lists tables and views,
// names the columns of a SELECT text and reports the foreign keys of a table.
//
// Contract of the four operations:
// - GetTableNames / GetViewNames replace the content of Names with bare object names (no
//   schema, no quoting) in the order the database reports them; system objects only when
//   System is true.
// - GetFields replaces the content of FieldNames with the column names the result of the
//   SELECT text would have, in result order.
// - GetTableRelations adds one new TSQLMetadataRelation to Relations (which owns it) for
//   every foreign key in which the table takes part, on either side.
// Implementations bracket their changes of a string list with BeginUpdate/EndUpdate, so a
// list shown on screen repaints once.
#include <string>

#include "platform/core/Classes.h"

class TSQLDatabaseObject;

class TvnBaseMetadataProvider : public TComponent {
    VN_CLASS(TvnBaseMetadataProvider, TComponent)

public:
    using TComponent::TComponent;

    virtual void GetTableNames(TStrings* Names, bool System) = 0;
    virtual void GetViewNames(TStrings* Names, bool System) = 0;
    virtual void GetFields(const std::string& SQL, TStrings* FieldNames) = 0;
    virtual void GetTableRelations(TSQLDatabaseObject* TableName, TObjectList* Relations) = 0;
};
