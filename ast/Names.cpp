#include "ast/Names.h"

#include "ast/Expressions.h"
#include "ast/SQLBuilder.h"
#include "ast/Statements.h"
#include "ast/SyntaxProvider.h"
#include "platform/core/Strings.h"

namespace {

// The alias name of a FROM source, or null when it has none.
const std::string* AliasName(const TSQLFromSource* Source) {
  return Source->Alias ? &Source->Alias->Name : nullptr;
}

}  // namespace

// ---- TSQLQualifiedName ----------------------------------------------------------

void TSQLQualifiedName::Assign(const TPersistent* Source) {
  TastNode::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLQualifiedName*>(Source)) Names.Assign(&source->Names);
}

void TSQLQualifiedName::BuildSQLDirect(TSQLBuilder* Builder, bool) { BuildFullName(Builder); }

void TSQLQualifiedName::BuildFullName(TSQLBuilder* Builder) { BuildParts(Builder, false); }

void TSQLQualifiedName::BuildFunctionName(TSQLBuilder* Builder) { BuildParts(Builder, true); }

void TSQLQualifiedName::BuildParts(TSQLBuilder* Builder, bool FunctionName) {
  for (int i = GetCount() - 1; i >= 0; --i) {
    const std::string part = Names.Get(i);
    if (i == 0 && FunctionName)
      Builder->WriteFunctionName(part, SyntaxProvider);
    else if (!part.empty())
      Builder->WriteIdentifier(part, SyntaxProvider);
    if (i > 0) Builder->WriteSymbol(".");
  }
}

void TSQLQualifiedName::AddName(const std::string& S) { Names.Insert(0, S); }
void TSQLQualifiedName::AddPrefix(const std::string& S) { Names.Add(S); }
int TSQLQualifiedName::GetCount() const { return Names.Count(); }
std::string TSQLQualifiedName::GetNames(int I) const { return Names.Get(I); }
std::string TSQLQualifiedName::GetObjName() const { return Names.Get(0); }
void TSQLQualifiedName::SetObjName(const std::string& S) { Names.Put(0, S); }

std::string TSQLQualifiedName::GetPrefix(int I) const {
  if (I < 0 || I >= GetCount()) return "";
  std::string text;
  for (int i = GetCount() - 1; i >= I; --i) {
    text += Names.Get(i);
    if (i > I) text += ".";
  }
  return text;
}

std::string TSQLQualifiedName::GetQualifiedName() const {
  if (GetCount() == 0) return Names.Get(0);  // the list's index error
  return GetPrefix(0);
}

// ---- TSQLDatabaseObject ---------------------------------------------------------

void TSQLDatabaseObject::Assign(const TPersistent* Source) {
  TSQLQualifiedName::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLDatabaseObject*>(Source))
    ReferencedSource = source->ReferencedSource;
}

void TSQLDatabaseObject::FixupObjects(TSQLFromSourceScope& Scope) {
  TastExtender::FixupObjects(Scope);
  // The innermost source that this name denotes wins, as for columns.
  ReferencedSource = nullptr;
  for (std::size_t i = Scope.GetCount(); i-- > 0;) {
    TSQLFromSource* source = Scope.GetItems(i);
    const std::string* alias = AliasName(source);
    if (GetCount() == 1 && alias && AnsiUpperCase(*alias) == AnsiUpperCase(GetObjName())) {
      ReferencedSource = source;
      return;
    }
    auto* object = dynamic_cast<TSQLFromObject*>(source);
    if (object && object->DatabaseObject && SyntaxProvider &&
        SyntaxProvider->IsDBObjectNamesEqual(object->DatabaseObject, this)) {
      ReferencedSource = source;
      return;
    }
  }
}

void TSQLDatabaseObject::RemoveReferencesToFromSource(TSQLFromSource* FromSource) {
  TastExtender::RemoveReferencesToFromSource(FromSource);
  if (ReferencedSource == FromSource) ReferencedSource = nullptr;
}

void TSQLDatabaseObject::BuildSQLDirect(TSQLBuilder* Builder, bool) {
  if (!ReferencedSource) {
    BuildFullName(Builder);
  } else if (const std::string* alias = AliasName(ReferencedSource)) {
    Builder->WriteAlias(*alias, SyntaxProvider);
  } else if (auto* object = dynamic_cast<TSQLFromObject*>(ReferencedSource); object && object->DatabaseObject) {
    object->DatabaseObject->BuildFullName(Builder);
  }
}

// ---- TSQLObjectColumn -----------------------------------------------------------

namespace {

bool IsNamedByTwoPartColumn(TSQLObjectColumn* Column, TSQLFromSource* Source) {
  if (const std::string* alias = AliasName(Source))
    return AnsiUpperCase(*alias) == AnsiUpperCase(Column->GetNames(1));
  auto* object = dynamic_cast<TSQLFromObject*>(Source);
  return object && object->DatabaseObject && Column->SyntaxProvider &&
         Column->SyntaxProvider->IsColumnOfDBObject(Column, object->DatabaseObject);
}

}  // namespace

void TSQLObjectColumn::FixupObjects(TSQLFromSourceScope& Scope) {
  TSQLDatabaseObject::FixupObjects(Scope);
  ReferencedSource = nullptr;
  if (GetCount() == 2) {
    for (std::size_t i = Scope.GetCount(); i-- > 0;)
      if (IsNamedByTwoPartColumn(this, Scope.GetItems(i))) {
        ReferencedSource = Scope.GetItems(i);
        return;
      }
    return;
  }
  if (GetCount() != 1) return;
  // A one-part name binds to the innermost block that offers the column. It is
  // not looked for beyond a block with a source whose columns are not all
  // known: that source might be the one it names.
  const std::string column = GetObjName();
  for (std::size_t level = Scope.GetLevelCount(); level-- > 0;) {
    bool unknownSource = false;
    for (std::size_t i = Scope.GetLevelEnd(level); i-- > Scope.GetLevelStart(level);) {
      TSQLFromSource* source = Scope.GetItems(i);
      if (source->Fields.IndexOf(column) >= 0) {
        ReferencedSource = source;
        return;
      }
      unknownSource = unknownSource || source->IsFieldListUnknown();
    }
    if (unknownSource) return;
  }
}

void TSQLObjectColumn::BuildSQLDirect(TSQLBuilder* Builder, bool) {
  if (!ReferencedSource || GetCount() == 0) {
    BuildFullName(Builder);
    return;
  }
  if (const std::string* alias = AliasName(ReferencedSource)) {
    Builder->WriteAlias(*alias, SyntaxProvider);
    Builder->WriteSymbol(".");
  } else if (auto* object = dynamic_cast<TSQLFromObject*>(ReferencedSource); object && object->DatabaseObject) {
    object->DatabaseObject->BuildFullName(Builder);
    Builder->WriteSymbol(".");
  }
  Builder->WriteIdentifier(GetObjName(), SyntaxProvider);
}

// ---- aliases --------------------------------------------------------------------

void TSQLAlias::Assign(const TPersistent* Source) {
  TastNode::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLAlias*>(Source)) Name = source->Name;
}

void TSQLAlias::BuildSQLDirect(TSQLBuilder* Builder, bool) { Builder->WriteAlias(Name, SyntaxProvider); }

void TSQLAliasObjectAsAlias::BuildSQLDirect(TSQLBuilder* Builder, bool) {
  Builder->WriteKeyword("AS");
  Builder->Space();
  Builder->WriteAlias(Name, SyntaxProvider);
}

// ---- types ----------------------------------------------------------------------

void TSQLTypeBuiltIn::AddName(const std::string& S) { Names.Add(S); }

void TSQLTypeBuiltIn::Assign(const TPersistent* Source) {
  TSQLType::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLTypeBuiltIn*>(Source)) {
    Names.Assign(&source->Names);
    SizeAfterWord = source->SizeAfterWord;
    HasSize = source->HasSize;
    Size = source->Size;
    HasScale = source->HasScale;
    Scale = source->Scale;
  }
}

void TSQLTypeBuiltIn::BuildSQLDirect(TSQLBuilder* Builder, bool) {
  for (int i = 0; i < Names.Count(); ++i) {
    Builder->WriteKeyword(Names.Get(i));
    if (i == SizeAfterWord && HasSize) {
      Builder->WriteSymbol("(");
      Builder->WriteSymbol(IntToStr(Size));
      if (HasScale) {
        Builder->WriteSymbol(",");
        Builder->WriteSymbol(IntToStr(Scale));
      }
      Builder->WriteSymbol(")");
    } else {
      Builder->Space();
    }
  }
}

TSQLTypeUser::~TSQLTypeUser() { FreeNode(Name); }

void TSQLTypeUser::Assign(const TPersistent* Source) {
  TSQLType::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLTypeUser*>(Source)) CloneInto(Name, source->Name);
}

void TSQLTypeUser::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  if (Name) Name->BuildSQL(Builder, MultiLine);
}

// ---- functions ------------------------------------------------------------------

TSQLFunction::~TSQLFunction() {
  FreeNode(Name);
  FreeNode(Params);
}

void TSQLFunction::Assign(const TPersistent* Source) {
  TastNodeWithList::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLFunction*>(Source)) {
    CloneInto(Name, source->Name);
    CloneInto(Params, source->Params);
  }
}

void TSQLFunction::GetMyChildren(TastChildList& List) {
  TastNodeWithList::GetMyChildren(List);
  if (Name) List.push_back(Name);
  if (Params) List.push_back(Params);
}

void TSQLFunction::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  if (Name) Name->BuildFunctionName(Builder);
  Builder->WriteSymbol("(");
  if (Params) Params->BuildSQL(Builder, MultiLine);
  Builder->WriteSymbol(")");
}

TSQLFunctionParamExpression* TSQLFunctionParams::GetItems(int Index) const {
  return As<TSQLFunctionParamExpression>(TastNodeWithList::GetItems(Index));
}

TSQLFunctionParamExpression::~TSQLFunctionParamExpression() { FreeNode(Expression); }

void TSQLFunctionParamExpression::Assign(const TPersistent* Source) {
  TastNode::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLFunctionParamExpression*>(Source))
    CloneInto(Expression, source->Expression);
}

void TSQLFunctionParamExpression::GetMyChildren(TastChildList& List) {
  TastNode::GetMyChildren(List);
  if (Expression) List.push_back(Expression);
}

void TSQLFunctionParamExpression::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  if (Expression) Expression->BuildSQL(Builder, MultiLine);
}

void TSQLFunctionParamNamedExpression::Assign(const TPersistent* Source) {
  TSQLFunctionParamExpression::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLFunctionParamNamedExpression*>(Source)) Name = source->Name;
}

void TSQLFunctionParamNamedExpression::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  Builder->WriteIdentifier(Name, SyntaxProvider);
  Builder->WriteSymbol("=");
  TSQLFunctionParamExpression::BuildSQLDirect(Builder, MultiLine);
}

// ---- operators ------------------------------------------------------------------

void TSQLOperator::Assign(const TPersistent* Source) {
  TastNode::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLOperator*>(Source)) OperatorText = source->OperatorText;
}

void TSQLOperator::BuildSQLDirect(TSQLBuilder* Builder, bool) { Builder->WriteSymbol(OperatorText); }
