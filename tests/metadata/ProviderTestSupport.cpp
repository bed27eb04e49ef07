#include "tests/metadata/ProviderTestSupport.h"

#include <gtest/gtest.h>

#include "ast/Names.h"
#include "ast/Node.h"
#include "metadata/MetadataRelation.h"

std::vector<std::string> Entries(const TStrings* list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list->Count(); ++i) entries.push_back(list->Get(i));
    return entries;
}

std::vector<std::string> RelationTexts(TvnBaseMetadataProvider* provider, const std::vector<std::string>& parts) {
    TSQLDatabaseObject* table = TSQLDatabaseObject::Create(nullptr);
    for (auto part = parts.rbegin(); part != parts.rend(); ++part) table->AddName(*part);
    TObjectListOf<TSQLMetadataRelation> relations;
    provider->GetTableRelations(table, &relations);
    FreeNode(table);
    std::vector<std::string> texts;
    for (TSQLMetadataRelation* relation : relations) {
        EXPECT_EQ(relation->PKColumns->Count(), relation->FKColumns->Count()) << relation->Text();
        texts.push_back(relation->Text());
    }
    return texts;
}

const std::vector<RelationCase>& SampleRelationCases() {
    static const std::vector<RelationCase> cases = {
        {"two keys to the same table, and a key of the table itself",
         {"orders"},
         {"orders(order_id) <- order_items(order_id)", "customers(customer_id) <- orders(customer_id)",
          "employees(employee_id) <- orders(approved_by)", "employees(employee_id) <- orders(employee_id)"}},
        {"a two-column key in key order",
         {"order_items"},
         {"orders(order_id) <- order_items(order_id)",
          "products(supplier_id,product_code) <- order_items(supplier_id,product_code)"}},
        {"a self-reference from both passes",
         {"employees"},
         {"employees(employee_id) <- employees(reports_to)", "employees(employee_id) <- orders(approved_by)",
          "employees(employee_id) <- orders(employee_id)", "employees(employee_id) <- employees(reports_to)"}},
        {"a qualified name is looked up by its object name",
         {"products", "someschema"},
         {"products(supplier_id,product_code) <- order_items(supplier_id,product_code)",
          "categories(category_id) <- products(category_id)", "suppliers(supplier_id) <- products(supplier_id)"}},
        {"non-ASCII names, key declared without columns",
         {"Ausgabe"},
         {"Lieferanten_Größe(Straße) <- Ausgabe(Straße)"}},
        {"a table without keys", {"order2items"}, {}},
        {"an unknown table", {"no_such_table"}, {}},
    };
    return cases;
}
