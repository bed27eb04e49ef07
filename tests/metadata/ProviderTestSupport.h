#pragma once
// Helpers shared by the provider tests: asking a provider for lists and relations in a
// comparable form, and the foreign keys the sample database must report.
#include <string>
#include <vector>

#include "metadata/BaseMetadataProvider.h"

// The entries of a string list.
std::vector<std::string> Entries(const TStrings* list);

// The relations of the table named by Parts (innermost first, as in "orders", "main"), each
// as TSQLMetadataRelation::Text(), after checking that every relation pairs its columns.
std::vector<std::string> RelationTexts(TvnBaseMetadataProvider* provider, const std::vector<std::string>& parts);

struct RelationCase {
    const char* Name;
    std::vector<std::string> Parts;
    std::vector<std::string> Relations;
};

// The relations of the sample schema and the test objects, in the order a provider over
// the foreign-keys rowset returns them (keys referencing the table, then its own keys).
const std::vector<RelationCase>& SampleRelationCases();
