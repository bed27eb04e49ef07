#pragma once
// The SQL-92 grammar in the two-pass style of TvnBaseParser: SELECT
// statements, value expressions, conditions, names and data types.

#include <memory>

#include "parser/BaseParser.h"

class SQL92Parser : public TvnBaseParser {
 public:
  SQL92Parser(TvnBaseScanner* scanner, TastSyntaxProvider* syntaxProvider);
  static const TvnParserClass& ClassType();

  void ParseSelectWayCalc(TvnWayList& ways) override;
  TastNode* ParseSelect() override;
  void ParseObjectNameWayCalc(TvnWayList& ways) override;
  TastNode* ParseObjectName() override;
  void ParseExpressionWayCalc(TvnWayList& ways) override;
  TastNode* ParseExpression() override;
  void ParseSelectItemWayCalc(TvnWayList& ways) override;
  TastNode* ParseSelectItem() override;
  void ParseLogicalExpressionWayCalc(TvnWayList& ways) override;
  TastNode* ParseLogicalExpression() override;
};
