#include "apps/vnqb/NodeDescription.h"

#include "ast/Expressions.h"
#include "ast/Names.h"
#include "ast/Statements.h"

namespace {

class Line {
 public:
  explicit Line(std::string className) : text_(std::move(className)) {}
  void Field(const char* name, const std::string& value) { text_ += std::string(" ") + name + "=" + value; }
  void Flag(const char* name, bool value) { Field(name, value ? "true" : "false"); }
  void Number(const char* name, long long value) { Field(name, std::to_string(value)); }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// The parts outermost first, joined by dots ("srv.db..tbl").
std::string DottedName(const TSQLQualifiedName* name) {
  std::string text;
  for (int i = name->GetCount() - 1; i >= 0; --i) {
    text += name->GetNames(i);
    if (i > 0) text += ".";
  }
  return text;
}

void DescribeNames(TastExtender* node, Line& line) {
  if (auto* name = dynamic_cast<TSQLQualifiedName*>(node)) line.Field("names", DottedName(name));
  if (auto* alias = dynamic_cast<TSQLAlias*>(node)) line.Field("name", alias->Name);
  if (auto* type = dynamic_cast<TSQLTypeBuiltIn*>(node)) {
    std::string words;
    for (int i = 0; i < type->Names.Count(); ++i) words += (i > 0 ? " " : "") + type->Names.Get(i);
    line.Field("names", words);
    line.Number("sizeAfterWord", type->SizeAfterWord);
    if (type->HasSize) line.Number("size", type->Size);
    if (type->HasScale) line.Number("scale", type->Scale);
  }
  if (auto* type = dynamic_cast<TSQLTypeUser*>(node); type != nullptr && type->Name != nullptr)
    line.Field("names", DottedName(type->Name));
  if (auto* op = dynamic_cast<TSQLOperator*>(node)) line.Field("operator", op->OperatorText);
  if (auto* named = dynamic_cast<TSQLFunctionParamNamedExpression*>(node)) line.Field("name", named->Name);
}

void DescribeExpression(TastExtender* node, Line& line) {
  if (auto* constant = dynamic_cast<TSQLExpressionConstant*>(node)) line.Field("value", VarToStr(constant->Value));
  if (auto* variable = dynamic_cast<TSQLExpressionVariable*>(node)) line.Field("name", variable->Name);
  if (auto* function = dynamic_cast<TSQLExpressionParameterlessFunction*>(node)) line.Field("name", function->Name);
  if (auto* aggregate = dynamic_cast<TSQLExpressionAggregate*>(node)) line.Field("name", aggregate->Name);
  if (auto* prefixed = dynamic_cast<TSQLExpressionAggregate1ParamWPrefix*>(node))
    line.Flag("distinct", prefixed->Distinct == 1);
  if (auto* selection = dynamic_cast<TSQLExpressionFieldSelection*>(node)) line.Field("field", selection->FieldName);
  if (auto* is = dynamic_cast<TSQLExpressionIs*>(node)) line.Flag("not", is->Negated);
  if (auto* in = dynamic_cast<TSQLExpressionIn*>(node)) line.Flag("not", in->Negated);
  if (auto* between = dynamic_cast<TSQLExpressionBetween*>(node)) line.Flag("not", between->Negated);
  if (auto* like = dynamic_cast<TSQLExpressionLikeTemplate*>(node)) {
    line.Field("operation", like->Operation);
    line.Flag("not", like->Negated);
  }
  if (auto* set = dynamic_cast<TSQLExpressionCompWithSet*>(node)) line.Number("quantifier", set->Quantifier);
}

void DescribeStatement(TastExtender* node, Line& line) {
  // A statement is no union term, so its operator fields mean nothing.
  auto* term = dynamic_cast<TSQLSubQueryExpression*>(node);
  if (term != nullptr && dynamic_cast<TSQLSubSelectStatement*>(node) == nullptr) {
    line.Field("unionOperator", term->UnionOperator);
    line.Flag("unionAll", term->UnionAll);
  }
  if (auto* block = dynamic_cast<TSQLSubQuerySelectExpression*>(node)) {
    if (dynamic_cast<TSQLSubQuerySelectModeDistinct*>(block->SelectMode) != nullptr) line.Field("mode", "distinct");
    else if (dynamic_cast<TSQLSubQuerySelectModeAll*>(block->SelectMode) != nullptr) line.Field("mode", "all");
  }
  if (auto* item = dynamic_cast<TSQLOrderByItem*>(node)) line.Field("order", item->Order == obDesc ? "desc" : "asc");
  if (auto* source = dynamic_cast<TSQLFromSource*>(node)) {
    if (TSQLJoinKind* kind = source->JoinKind.get()) {
      line.Field("joinKind", kind->ClassName());
      if (auto* outer = dynamic_cast<TSQLJoinKindOuter*>(kind)) line.Flag("outer", outer->Outer);
    }
  }
  if (auto* derived = dynamic_cast<TSQLFromQuery*>(node)) {
    std::string aliases;
    for (size_t i = 0; i < derived->ColumnAliases.size(); ++i)
      aliases += (i > 0 ? "," : "") + derived->ColumnAliases[i];
    if (!aliases.empty()) line.Field("columnAliases", aliases);
  }
  if (auto* variable = dynamic_cast<TSQLFromVariable*>(node)) line.Field("name", variable->Name);
}

}  // namespace

std::string DescribeNode(TastExtender* node) {
  Line line(node->ClassName());
  DescribeNames(node, line);
  DescribeExpression(node, line);
  DescribeStatement(node, line);
  return line.Text();
}
