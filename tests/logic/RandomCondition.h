#pragma once
// Random conditions over the evaluator's universe, built as syntax trees the
// way the parser builds them: brackets wherever an OR sits in an AND or a
// collection sits under NOT, so the printed text reads back as the same tree.
// Leaves are comparisons, IN lists, BETWEEN, IS NULL, LIKE and EXISTS.

#include <random>
#include <string>

#include "LogicTestSupport.h"

class RandomConditionMaker {
 public:
  RandomConditionMaker(TastSyntaxProvider* AProvider, unsigned Seed);

  // A new condition with at most Depth levels of AND, OR and NOT; the caller owns it.
  TSQLExpressionItem* Condition(int Depth);

 private:
  enum class Place { Top, InAnd, InOr, UnderNot };

  TSQLExpressionItem* Condition(int Depth, Place Where);
  TSQLExpressionItem* Collection(int Depth, bool IsAnd, Place Where);
  TSQLExpressionItem* Predicate();
  TSQLExpressionItem* Comparison();
  TSQLExpressionItem* InList();
  TSQLExpressionItem* BetweenRange();
  TSQLExpressionItem* NullTest();
  TSQLExpressionItem* LikeTest();
  TSQLExpressionItem* ExistsTest();

  TSQLExpressionItem* IntColumn();
  TSQLExpressionItem* Column(const std::string& Name);
  // An integer constant from 0 to 3, now and then NULL.
  TSQLExpressionItem* IntConstant();
  TSQLExpressionItem* Literal(const std::string& Text);
  TSQLExpressionItem* Bracketed(TSQLExpressionItem* Item);

  int Pick(int Count);
  bool Chance(int Percent);

  TastSyntaxProvider* P;
  std::mt19937 Random;
  NodePtr<TSQLExpressionItem> ExistsTemplates[2];
};
