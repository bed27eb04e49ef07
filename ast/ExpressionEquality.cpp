#include "ast/ExpressionEquality.h"

#include "ast/Expressions.h"
#include "platform/core/Strings.h"

bool IsExpressionsEqual(TSQLExpressionItem* A, TSQLExpressionItem* B) {
  if (!A || !B) return A == B;
  const std::string a = AnsiUpperCase(A->GetSimpleSQL());
  return a == AnsiUpperCase(B->GetSimpleSQL());
}
