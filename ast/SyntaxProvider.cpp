#include "ast/SyntaxProvider.h"

#include "ast/Names.h"
#include "ast/Statements.h"
#include "ast/UnionOperatorIcons.h"
#include "platform/core/StringList.h"
#include "platform/core/Strings.h"

TSQLFromObject* TastSyntaxProvider::CreateSQLFromObject(const std::string& ObjectName, const std::string& Alias) {
  auto* source = TSQLFromObject::Create(this);
  source->DatabaseObject = TSQLDatabaseObject::Create(this);
  source->DatabaseObject->AddName(ObjectName);
  if (!Alias.empty()) {
    source->Alias = TSQLAliasObjectAlias::Create(this);
    source->Alias->Name = Alias;
  }
  return source;
}

void TastSyntaxProvider::GetComparisonOperators(TStringList* List) {
  List->Clear();
  for (const char* op : {"=", ">", ">=", "<", "<=", "<>"}) List->Add(op);
}

void TastSyntaxProvider::GetUnionOperatorsList(TStringList* List) {
  List->Clear();
  List->Add("Union");
  List->Add("Union All");
}

std::string TastSyntaxProvider::GetQuoteBegin() const { return ""; }
std::string TastSyntaxProvider::GetQuoteEnd() const { return ""; }
bool TastSyntaxProvider::IsUniversalExpressions() { return false; }
bool TastSyntaxProvider::IsReservedWord(const std::string&) const { return false; }

bool TastSyntaxProvider::IsNamesEqualWithQuotes(std::string A, std::string B) const {
  if (A == B) return true;
  const std::string begin = GetQuoteBegin();
  const std::string end = GetQuoteEnd();
  if (A.compare(0, begin.size(), begin) != 0) A = begin + A + end;
  if (B.compare(0, begin.size(), begin) != 0) B = begin + B + end;
  return A == B;
}

bool TastSyntaxProvider::IsDBObjectNamesEqual(TSQLDatabaseObject* Object1, TSQLDatabaseObject* Object2) {
  return IsNamesEqualWithQuotes(AnsiUpperCase(Object1->GetObjName()), AnsiUpperCase(Object2->GetObjName()));
}

bool TastSyntaxProvider::IsColumnOfDBObject(TSQLObjectColumn* Column, TSQLDatabaseObject* Object) {
  if (Column->GetCount() < 2) return false;
  return IsNamesEqualWithQuotes(AnsiUpperCase(Column->GetNames(1)), AnsiUpperCase(Object->GetObjName()));
}

std::string TastSyntaxProvider::NormalizeUnionOperator(const std::string& Operator) {
  TStringList operators;
  GetUnionOperatorsList(&operators);
  const std::string wanted = AnsiLowerCase(Operator);
  for (int i = 0; i < operators.Count(); ++i)
    if (AnsiLowerCase(operators.Get(i)) == wanted) return operators.Get(i);
  return wanted;
}

const TUnionOperatorBitmap* TastSyntaxProvider::GetUnionOperatorIcon(const std::string& Operator) {
  static const struct {
    const char* Operator;
    const char* ResourceName;
  } icons[] = {{"UNION", "VNQB_UNION"},         {"UNION ALL", "VNQB_UNIONALL"},
               {"EXCEPT", "VNQB_EXCEPT"},       {"EXCEPT ALL", "VNQB_EXCEPTALL"},
               {"INTERSECT", "VNQB_INTERSECT"}, {"INTERSECT ALL", "VNQB_INTERSECTALL"}};
  const std::string wanted = AnsiUpperCase(Operator);
  for (const auto& icon : icons)
    if (wanted == icon.Operator) return FindUnionOperatorBitmap(icon.ResourceName);
  return nullptr;
}

void TastSyntaxProvider::RegisterExtender(const ClassRef* NodeClass, const ClassRef* ExtenderClass) {
  if (FindExtenderClass(NodeClass, false))
    throw Exception("Extender for \"" + NodeClass->ClassName() + "\" already registered!");
  Extenders.push_back({NodeClass, ExtenderClass});
}

void TastSyntaxProvider::RegisterExtender(std::initializer_list<const ClassRef*> NodeClasses,
                                          const ClassRef* ExtenderClass) {
  for (const ClassRef* nodeClass : NodeClasses) RegisterExtender(nodeClass, ExtenderClass);
}

const ClassRef* TastSyntaxProvider::FindExtenderClass(const ClassRef* NodeClass, bool AllowInherited) const {
  const TastClassToExtenderEntry* candidate = nullptr;
  int candidateDistance = 0;
  for (const TastClassToExtenderEntry& entry : Extenders) {
    if (entry.NodeClass == NodeClass) return entry.ExtenderClass;
    if (!AllowInherited) continue;
    const int distance = NodeClass->InheritanceDistance(entry.NodeClass);
    if (distance > 0 && (!candidate || distance < candidateDistance)) {
      candidate = &entry;
      candidateDistance = distance;
    }
  }
  return candidate ? candidate->ExtenderClass : nullptr;
}

void TastSyntaxProvider::GetTableNames(TObject*, TStringList*) {}
std::string TastSyntaxProvider::GetTableNamesSQL() { return ""; }
void TastSyntaxProvider::GetViewNames(TObject*, TStringList*) {}
std::string TastSyntaxProvider::GetViewNamesSQL() { return ""; }
