#pragma once
// Reshaping of conditions for the criteria grid: removal of double negation,
// De Morgan, and flattening of nested AND/OR collections. Every result keeps
// the condition's three-valued truth value and prints as SQL that reads back
// the same: an OR placed inside an AND and any collection placed under NOT
// get a brackets node.

class TSQLExpressionItem;

// Takes ownership of E (may be null) and returns the simplified condition,
// which may be E itself, another node or null (a collection whose items all
// vanished). Nodes that are dropped are freed. A condition that is neither a
// NOT nor an AND/OR collection (under any number of brackets) is returned
// unchanged; a bracketed collection is kept as it stands.
TSQLExpressionItem* SimplifyLogicalExpression(TSQLExpressionItem* E);

// The shape the query model loads a WHERE or HAVING condition from before it
// splits it into grid cells; the same as SimplifyLogicalExpression.
TSQLExpressionItem* PrepareLogicalExpressionForLoading(TSQLExpressionItem* E);

// E without its enclosing brackets nodes; null when a brackets node has no operand.
TSQLExpressionItem* CoreOfExpression(TSQLExpressionItem* E);

// Item ready to be placed as an item of an AND collection: an OR collection
// that is not bracketed gets a brackets node, since AND binds tighter than OR.
TSQLExpressionItem* BracketForAnd(TSQLExpressionItem* Item);

// Item ready to be placed as an operand of NOT: an AND/OR collection that is
// not bracketed gets a brackets node, so NOT applies to the whole of it.
TSQLExpressionItem* BracketForNot(TSQLExpressionItem* Item);
