#pragma once
// The SQL-92 dialect at the level of the syntax tree: the SQL-92 scanner and
// parser, double-quote quoting, the aggregate lists and every capability.

#include <string>

#include "ast/SyntaxProvider.h"

class TastSQL92SyntaxProvider : public TastSyntaxProvider {
  VN_CLASS(TastSQL92SyntaxProvider, TastSyntaxProvider)
 public:
  TastSQL92SyntaxProvider() = default;

  const TvnParserClass* GetParserClass() override;
  const TvnScannerClass* GetScannerClass() override;
  void GetStarAggregateNames(TStringList* List) override;
  void Get1ParamAggregateNames(TStringList* List) override;
  void GetPrefixed1ParamAggregateNames(TStringList* List) override;
  std::string GetQuoteBegin() const override;
  std::string GetQuoteEnd() const override;
  bool IsSupportViews() override;
  bool IsSupportUnions() override;
  bool IsSupportBracketsInUnions() override;
  bool IsSupportDerivedTables() override;
  bool IsSupportSubQueryUnions() override;
  bool IsSupportSubQueryBracketsInUnions() override;
  bool IsSupportSubQueryDerivedTables() override;
  // Every keyword of the SQL-92 scanner except the 50 that may serve as names.
  bool IsReservedWord(const std::string& Name) const override;
};
