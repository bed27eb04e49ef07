#pragma once
// The rules of the SQL-92 grammar as data for the way calculation.

#include <cstdint>

#include "parser/GrammarElement.h"

namespace sql92 {

enum Rule : int32_t {
  selectStatement,
  subSelectStatement,
  queryExpression,
  subQueryExpression,
  querySpecification,
  selectClause,
  selectList,
  selectItem,
  alias,  // alias1 and alias2
  fromClause,
  tableSource,
  subTableSource,
  joinedTable,
  tableSourceInner,
  SQLfunction,
  dbObject,
  groupByList,
  orderByClause,
  orderByItem,
  identifier,
  stringLiteral,
  keywordAsIdentifier,
  expressionLogical,
  expressionAnd,
  expressionNot,
  expressionLogicalTerm,
  predicate,
  comparisonOperator,
  expressionsList,
  expressionCompWithSet,
  expression,
  expressionAdd,
  expressionFactor,
  expressionUnary,
  expressionTerm,
  constant,
  dbColumn,
  SQLAggregateFunction,
  caseFunction,
  castFunction,
  parameterlessFunction,
  SQLType,
  SQLTypeUser,
  SQLType1word,
  ruleCount
};

// The grammar, built on first use.
const TvnGrammar& Grammar();

// Token sets the grammar tests against: the tokens that may serve as a name,
// the tokens that can begin an expression, and those that begin a predicate.
const TvnTokenSet& NameTokens();
const TvnTokenSet& ExpressionStart();
const TvnTokenSet& PredicateStart();

}  // namespace sql92
