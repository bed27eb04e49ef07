#pragma once
// SELECT statements that together use every rule and alternative of the
// SQL-92 grammar.

#include <string>
#include <vector>

const std::vector<std::string>& StatementCorpus();
