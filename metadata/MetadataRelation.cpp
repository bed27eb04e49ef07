#include "metadata/MetadataRelation.h"

#include "ast/Names.h"
#include "ast/Node.h"

TSQLMetadataRelation::TSQLMetadataRelation() : PKColumns(TStringList::Create()), FKColumns(TStringList::Create()) {}

namespace {

std::string TableText(const TSQLDatabaseObject* table, const TStringList* columns) {
    std::string text = table ? table->GetQualifiedName() : std::string();
    text += "(";
    for (int i = 0; i < columns->Count(); ++i) text += (i ? "," : "") + columns->Get(i);
    return text + ")";
}

}  // namespace

std::string TSQLMetadataRelation::Text() const {
    return TableText(PKTable, PKColumns) + " <- " + TableText(FKTable, FKColumns);
}

void TSQLMetadataRelation::Destroy() {
    FreeNode(PKTable);
    PKTable = nullptr;
    FreeAndNil(PKColumns);
    FreeNode(FKTable);
    FKTable = nullptr;
    FreeAndNil(FKColumns);
    inherited::Destroy();
}
