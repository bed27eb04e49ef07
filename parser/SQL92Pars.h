#pragma once
// The SQL-92 parser and its grammar.

#include "parser/SQL92Grammar.h"
#include "parser/SQL92Parser.h"
