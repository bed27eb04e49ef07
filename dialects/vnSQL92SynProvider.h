#pragma once
// The SQL-92 syntax provider component.

#include "dialects/SQL92SyntaxProviderComponent.h"
