#pragma once
// The SQL-92 token layer: token kinds, keyword table and scanner.

#include "parser/SQL92Scanner.h"
#include "parser/SQL92Tokens.h"
