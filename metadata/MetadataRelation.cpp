#include "metadata/MetadataRelation.h"

#include "ast/Names.h"
#include "ast/Node.h"

TSQLMetadataRelation::TSQLMetadataRelation() : PKColumns(TStringList::Create()), FKColumns(TStringList::Create()) {}

void TSQLMetadataRelation::Destroy() {
    FreeNode(PKTable);
    PKTable = nullptr;
    FreeAndNil(PKColumns);
    FreeNode(FKTable);
    FKTable = nullptr;
    FreeAndNil(FKColumns);
    inherited::Destroy();
}
