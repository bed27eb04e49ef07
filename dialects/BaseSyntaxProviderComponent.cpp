#include "dialects/BaseSyntaxProviderComponent.h"

#include <algorithm>

#include "ast/SyntaxProvider.h"
#include "dialects/QueryBuilderLink.h"
#include "parser/SQLError.h"

namespace {

// Replaces the whole content of Errors by the one line Message.
void ReportError(TStrings* Errors, const std::string& Message) {
  if (!Errors) return;
  Errors->Clear();
  Errors->Add(Message);
}

}  // namespace

void TvnBaseSyntaxProvider::AfterConstruction() {
  inherited::AfterConstruction();
  ASTSyntaxProvider = CreateASTSyntaxProvider();
}

TvnBaseSyntaxProvider::~TvnBaseSyntaxProvider() { FreeAndNil(ASTSyntaxProvider); }

std::string TvnBaseSyntaxProvider::GetQuoteBegin() { return ASTSyntaxProvider->GetQuoteBegin(); }
std::string TvnBaseSyntaxProvider::GetQuoteEnd() { return ASTSyntaxProvider->GetQuoteEnd(); }

TSQLExpressionItem* TvnBaseSyntaxProvider::ParseLogicalExpression(const std::string& Text, TStrings* Errors,
                                                                  bool RequireLeftOperand) {
  try {
    return ASTSyntaxProvider->ParseLogicalExpression(Text, RequireLeftOperand);
  } catch (const EvnSQLError& error) {
    ReportError(Errors, error.Message());
    return nullptr;
  }
}

TClass TvnBaseSyntaxProvider::GetEditPropsFormClass(TvnQueryBuilderControlOwner*) { return nullptr; }

TSQLFromObject* TvnBaseSyntaxProvider::CreateSQLFromObject(const std::string& ObjectName, const std::string& Alias) {
  return ASTSyntaxProvider->CreateSQLFromObject(ObjectName, Alias);
}

void TvnBaseSyntaxProvider::GetComparisonOperators(TStringList* List) { ASTSyntaxProvider->GetComparisonOperators(List); }
void TvnBaseSyntaxProvider::GetStarAggregateNames(TStringList* List) { ASTSyntaxProvider->GetStarAggregateNames(List); }

void TvnBaseSyntaxProvider::Get1ParamAggregateNames(TStringList* List) {
  ASTSyntaxProvider->Get1ParamAggregateNames(List);
}

void TvnBaseSyntaxProvider::GetPrefixed1ParamAggregateNames(TStringList* List) {
  ASTSyntaxProvider->GetPrefixed1ParamAggregateNames(List);
}

bool TvnBaseSyntaxProvider::IsDBObjectNamesEqual(TSQLDatabaseObject* Object1, TSQLDatabaseObject* Object2) {
  return ASTSyntaxProvider->IsDBObjectNamesEqual(Object1, Object2);
}

bool TvnBaseSyntaxProvider::IsColumnOfDBObject(TSQLObjectColumn* Column, TSQLDatabaseObject* Object) {
  return ASTSyntaxProvider->IsColumnOfDBObject(Column, Object);
}

TSQLSelectStatement* TvnBaseSyntaxProvider::ParseSelect(const std::string& Text) {
  return ASTSyntaxProvider->ParseSelect(Text);
}

TSQLDatabaseObject* TvnBaseSyntaxProvider::ParseObjectName(const std::string& Text) {
  return ASTSyntaxProvider->ParseObjectName(Text);
}

TSQLExpressionItem* TvnBaseSyntaxProvider::ParseExpression(const std::string& Text, TStringList* Errors) {
  return ASTSyntaxProvider->ParseExpression(Text, Errors);
}

TSQLSelectItem* TvnBaseSyntaxProvider::ParseSelectItem(const std::string& Text, TStrings* Errors) {
  try {
    return ASTSyntaxProvider->ParseSelectItem(Text);
  } catch (const EvnSQLError& error) {
    ReportError(Errors, error.Message());
    return nullptr;
  }
}

bool TvnBaseSyntaxProvider::IsNameOfStarAggregate(const std::string& Name) {
  TStringList names;  // case-insensitive
  GetStarAggregateNames(&names);
  return names.IndexOf(AnsiUpperCase(Name)) >= 0;
}

bool TvnBaseSyntaxProvider::IsNameOfAggregate(const std::string& Name) {
  TStringList names;  // case-insensitive
  Get1ParamAggregateNames(&names);
  return names.IndexOf(AnsiUpperCase(Name)) >= 0;
}

bool TvnBaseSyntaxProvider::IsNameOfPrefixedAggregate(const std::string& Name) {
  TStringList names;  // case-insensitive
  GetPrefixed1ParamAggregateNames(&names);
  return names.IndexOf(AnsiUpperCase(Name)) >= 0;
}

std::string TvnBaseSyntaxProvider::AggregateNormalize(const std::string& Name) {
  const std::string normalized = AnsiUpperCase(Trim(Name));
  TStringList names;  // case-insensitive
  for (void (TvnBaseSyntaxProvider::*fill)(TStringList*) :
       {&TvnBaseSyntaxProvider::GetStarAggregateNames, &TvnBaseSyntaxProvider::Get1ParamAggregateNames,
        &TvnBaseSyntaxProvider::GetPrefixed1ParamAggregateNames}) {
    (this->*fill)(&names);
    const int index = names.IndexOf(normalized);
    if (index >= 0) return names.Get(index);
  }
  return normalized;
}

void TvnBaseSyntaxProvider::RegisterQueryBuilder(TvnQueryBuilderLink* QueryBuilder) {
  QueryBuilders.push_back(QueryBuilder);
}

void TvnBaseSyntaxProvider::UnregisterQueryBuilder(TvnQueryBuilderLink* QueryBuilder) {
  const auto found = std::find(QueryBuilders.begin(), QueryBuilders.end(), QueryBuilder);
  if (found != QueryBuilders.end()) QueryBuilders.erase(found);
}

void TvnBaseSyntaxProvider::SendCapsChangedNotifications() {
  // A control may unregister while it re-reads; the others are still asked.
  const std::vector<TvnQueryBuilderLink*> queryBuilders = QueryBuilders;
  for (TvnQueryBuilderLink* queryBuilder : queryBuilders) queryBuilder->ReadSyntaxProviderCaps();
}
