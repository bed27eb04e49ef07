#include "dialects/SQL92SyntaxProvider.h"

#include "parser/SQL92Parser.h"
#include "parser/SQL92Scanner.h"
#include "parser/SQL92Tokens.h"
#include "platform/core/StringList.h"

const TvnParserClass* TastSQL92SyntaxProvider::GetParserClass() { return &SQL92Parser::ClassType(); }
const TvnScannerClass* TastSQL92SyntaxProvider::GetScannerClass() { return &SQL92Scanner::ClassType(); }

void TastSQL92SyntaxProvider::GetStarAggregateNames(TStringList* List) {
  List->Clear();
  List->Add("Count");
}

void TastSQL92SyntaxProvider::Get1ParamAggregateNames(TStringList* List) { List->Clear(); }

void TastSQL92SyntaxProvider::GetPrefixed1ParamAggregateNames(TStringList* List) {
  List->Clear();
  for (const char* name : {"Avg", "Count", "Max", "Min", "Sum"}) List->Add(name);
}

std::string TastSQL92SyntaxProvider::GetQuoteBegin() const { return "\""; }
std::string TastSQL92SyntaxProvider::GetQuoteEnd() const { return "\""; }

bool TastSQL92SyntaxProvider::IsSupportViews() { return true; }
bool TastSQL92SyntaxProvider::IsSupportUnions() { return true; }
bool TastSQL92SyntaxProvider::IsSupportBracketsInUnions() { return true; }
bool TastSQL92SyntaxProvider::IsSupportDerivedTables() { return true; }
bool TastSQL92SyntaxProvider::IsSupportSubQueryUnions() { return true; }
bool TastSQL92SyntaxProvider::IsSupportSubQueryBracketsInUnions() { return true; }
bool TastSQL92SyntaxProvider::IsSupportSubQueryDerivedTables() { return true; }

bool TastSQL92SyntaxProvider::IsReservedWord(const std::string& Name) const { return sql92::IsReservedKeyword(Name); }
