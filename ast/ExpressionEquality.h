#pragma once
// Textual equality of expressions, as the query model compares them.

class TSQLExpressionItem;

// Both null, or both print the same single-line text apart from letter case.
// Uses the shared single-line builder, so it must not run while a tree is
// printed through it.
bool IsExpressionsEqual(TSQLExpressionItem* A, TSQLExpressionItem* B);
