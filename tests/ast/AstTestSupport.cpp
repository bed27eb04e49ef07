#include "AstTestSupport.h"

#include <set>

#include "platform/core/Streams.h"
#include "platform/core/StringList.h"
#include "platform/core/Strings.h"

void TTestSyntaxProvider::GetStarAggregateNames(TStringList* List) {
  List->Clear();
  List->Add("COUNT");
}

void TTestSyntaxProvider::Get1ParamAggregateNames(TStringList* List) { List->Clear(); }

void TTestSyntaxProvider::GetPrefixed1ParamAggregateNames(TStringList* List) {
  List->Clear();
  for (const char* name : {"AVG", "COUNT", "MAX", "MIN", "SUM"}) List->Add(name);
}

bool TTestSyntaxProvider::IsReservedWord(const std::string& Name) const {
  static const std::set<std::string> words = {"select", "from", "order", "date", "count", "user"};
  return words.count(AnsiLowerCase(Name)) > 0;
}

void TTestMetadataProvider::GetFields(const std::string& SQL, TStrings* FieldNames) {
  Asked.push_back(SQL);
  FieldNames->Clear();
  auto found = FieldsBySQL.find(SQL);
  if (found != FieldsBySQL.end())
    for (const std::string& field : found->second) FieldNames->Add(field);
  if (Failing.count(SQL)) throw Exception("cannot describe " + SQL);
}

TSQLExpressionColumn* TreeMaker::Col(std::initializer_list<std::string> Parts) {
  auto* column = TSQLExpressionColumn::Create(P);
  column->Column = TSQLObjectColumn::Create(P);
  for (const std::string& part : Parts) column->Column->AddName(part);
  return column;
}

TSQLExpressionConstant* TreeMaker::Num(const std::string& Text) { return TSQLExpressionConstant::Create(P, Variant(Text)); }

TSQLExpressionOperatorBinary* TreeMaker::Bin(TSQLExpressionItem* Left, const std::string& Op,
                                             TSQLExpressionItem* Right) {
  auto* node = TSQLExpressionOperatorBinary::Create(P, Left, Op);
  node->RightExpression = Right;
  return node;
}

TSQLExpressionBrackets* TreeMaker::Brackets(TSQLExpressionItem* Inner) {
  return TSQLExpressionBrackets::Create(P, Inner);
}

TSQLExpressionAnd* TreeMaker::And(std::initializer_list<TSQLExpressionItem*> Items) {
  auto* node = TSQLExpressionAnd::Create(P);
  for (TSQLExpressionItem* item : Items) node->Add(item);
  return node;
}

TSQLDatabaseObject* TreeMaker::Name(std::initializer_list<std::string> Parts) {
  auto* name = TSQLDatabaseObject::Create(P);
  for (const std::string& part : Parts) name->AddName(part);
  return name;
}

TSQLFromObject* TreeMaker::Table(std::initializer_list<std::string> Parts, const std::string& Alias) {
  auto* source = TSQLFromObject::Create(P);
  source->DatabaseObject = Name(Parts);
  if (!Alias.empty()) {
    source->Alias = TSQLAliasObjectAlias::Create(P);
    source->Alias->Name = Alias;
  }
  return source;
}

TSQLFromQuery* TreeMaker::Derived(TSQLSubSelectStatement* SubQuery, const std::string& Alias) {
  auto* source = TSQLFromQuery::Create(P);
  source->SubQuery = SubQuery;
  if (!Alias.empty()) {
    source->Alias = TSQLAliasObjectAlias::Create(P);
    source->Alias->Name = Alias;
  }
  return source;
}

TSQLFromClause* TreeMaker::From(std::initializer_list<TSQLFromSource*> Sources) {
  auto* from = TSQLFromClause::Create(P);
  for (TSQLFromSource* source : Sources) from->Add(source);
  return from;
}

TSQLSelectItemExpression* TreeMaker::Item(TSQLExpressionItem* Expression) {
  auto* item = TSQLSelectItemExpression::Create(P);
  item->Expression = Expression;
  return item;
}

TSQLSelectItemAllTableColumns* TreeMaker::AllOf(std::initializer_list<std::string> Parts) {
  auto* item = TSQLSelectItemAllTableColumns::Create(P);
  item->Table = Name(Parts);
  return item;
}

TSQLSubQuerySelectExpression* TreeMaker::Block(std::initializer_list<TSQLSelectItem*> Items, TSQLFromClause* From,
                                               TSQLExpressionItem* Where) {
  auto* block = TSQLSubQuerySelectExpression::Create(P);
  block->SelectItems = TSQLSelectItems::Create(P);
  for (TSQLSelectItem* item : Items) block->SelectItems->Add(item);
  block->FromClause = From;
  block->WhereExpression = Where;
  return block;
}

std::string SingleLine(TastNode* Node) { return Node->GetSimpleSQL(); }

std::string MultiLine(TastNode* Node) {
  TStringStream stream;
  TSQLBuilderPlainText* builder = TSQLBuilderPlainText::Create(&stream);
  builder->ResetBuilder();
  Node->BuildSQL(builder, true);
  builder->Free();
  return stream.DataString();
}

std::string Html(TastNode* Node, bool MultiLine) {
  TStringStream stream;
  TSQLBuilderHTML* builder = TSQLBuilderHTML::Create(&stream);
  builder->ResetBuilder();
  Node->BuildSQL(builder, MultiLine);
  builder->Free();
  return stream.DataString();
}
