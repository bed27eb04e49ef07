#pragma once
// The SQL-92 dialect at the level of the syntax tree.

#include "dialects/SQL92SyntaxProvider.h"
