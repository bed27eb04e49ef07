// The text every expression class prints, on one line and on several.

#include <gtest/gtest.h>

#include <functional>

#include "AstTestSupport.h"

namespace {

using Make = std::function<TSQLExpressionItem*(TreeMaker&)>;

TSQLSubSelectStatement* SelectYFromT(TreeMaker& m) {
  return m.Statement<TSQLSubSelectStatement>({m.Block({m.Item(m.Col({"y"}))}, m.From({m.Table({"t"})}))});
}

TSQLTypeBuiltIn* BuiltIn(TreeMaker& m, std::initializer_list<const char*> Words, int After, int Size, int Scale) {
  auto* type = TSQLTypeBuiltIn::Create(m.P);
  for (const char* word : Words) type->AddName(word);
  type->SizeAfterWord = After;
  type->HasSize = Size >= 0;
  type->Size = Size;
  type->HasScale = Scale >= 0;
  type->Scale = Scale;
  return type;
}

TSQLExpressionItem* Cast(TreeMaker& m, TSQLType* Type) {
  auto* cast = TSQLExpressionCast::Create(m.P, m.Col({"x"}));
  cast->CastType = Type;
  return cast;
}

TSQLExpressionCaseFunction* Case(TreeMaker& m, TSQLExpressionItem* Operand, TSQLExpressionItem* When,
                                 TSQLExpressionItem* Then, TSQLExpressionItem* Else) {
  auto* node = TSQLExpressionCaseFunction::Create(m.P);
  node->CaseExpression = Operand;
  auto* item = TSQLCaseFunctionItem::Create(m.P);
  item->WhenExpression = When;
  item->ThenExpression = Then;
  node->Add(item);
  node->ElseExpression = Else;
  return node;
}

template <class T>
T* Aggregate(TreeMaker& m, const char* Name) {
  auto* node = T::Create(m.P);
  node->Name = Name;
  return node;
}

TSQLExpressionItem* Count(TreeMaker& m, std::uint8_t Distinct) {
  auto* node = Aggregate<TSQLExpressionAggregate1ParamWPrefix>(m, "COUNT");
  node->Param = m.Col({"x"});
  node->Distinct = Distinct;
  return node;
}

TSQLExpressionsList* List(TreeMaker& m, std::initializer_list<const char*> Values) {
  auto* list = TSQLExpressionsList::Create(m.P);
  for (const char* value : Values) list->Add(m.Num(value));
  return list;
}

TSQLExpressionItem* InSet(TreeMaker& m, bool Negated, std::initializer_list<const char*> Values) {
  auto* node = TSQLExpressionInSet::Create(m.P, m.Col({"x"}));
  node->Negated = Negated;
  node->Values = List(m, Values);
  return node;
}

TSQLExpressionItem* Function(TreeMaker& m, const char* Name, std::vector<TSQLFunctionParamExpression*> Params) {
  auto* node = TSQLExpressionFunction::Create(m.P);
  node->Function = TSQLFunction::Create(m.P);
  node->Function->Name = TSQLQualifiedName::Create(m.P);
  node->Function->Name->AddName(Name);
  if (!Params.empty()) {
    node->Function->Params = TSQLFunctionParams::Create(m.P);
    for (auto* param : Params) node->Function->Params->Add(param);
  }
  return node;
}

TSQLFunctionParamExpression* Param(TreeMaker& m, const char* Value, const char* Name = nullptr) {
  TSQLFunctionParamExpression* param =
      Name ? TSQLFunctionParamNamedExpression::Create(m.P) : TSQLFunctionParamExpression::Create(m.P);
  if (Name) static_cast<TSQLFunctionParamNamedExpression*>(param)->Name = Name;
  param->Expression = m.Num(Value);
  return param;
}

struct PrintCase {
  const char* Expected;
  Make Build;
};

const PrintCase PrintCases[] = {
    {"a=1", [](TreeMaker& m) { return m.Bin(m.Col({"a"}), "=", m.Num("1")); }},
    {"o.Id=d.OrderId", [](TreeMaker& m) { return m.Bin(m.Col({"o", "Id"}), "=", m.Col({"d", "OrderId"})); }},
    {"(a+b)", [](TreeMaker& m) { return m.Brackets(m.Bin(m.Col({"a"}), "+", m.Col({"b"}))); }},
    {"'abc'", [](TreeMaker& m) { return m.Num("'abc'"); }},
    {":p1",
     [](TreeMaker& m) {
       auto* v = TSQLExpressionVariable::Create(m.P);
       v->Name = ":p1";
       return v;
     }},
    {"CURRENT_DATE",
     [](TreeMaker& m) {
       auto* f = TSQLExpressionParameterlessFunction::Create(m.P);
       f->Name = "CURRENT_DATE";
       return f;
     }},
    {"f()", [](TreeMaker& m) { return Function(m, "f", {}); }},
    {"f(1, 2)", [](TreeMaker& m) { return Function(m, "f", {Param(m, "1"), Param(m, "2")}); }},
    {"f(p=1)", [](TreeMaker& m) { return Function(m, "f", {Param(m, "1", "p")}); }},
    {"(SELECT y FROM t)",
     [](TreeMaker& m) {
       auto* s = TSQLExpressionSelect::Create(m.P);
       s->SubQuery = SelectYFromT(m);
       return s;
     }},
    {"CASE WHEN a=1 THEN 2 END",
     [](TreeMaker& m) { return Case(m, nullptr, m.Bin(m.Col({"a"}), "=", m.Num("1")), m.Num("2"), nullptr); }},
    {"CASE x WHEN 1 THEN 'a' ELSE 'b' END",
     [](TreeMaker& m) { return Case(m, m.Col({"x"}), m.Num("1"), m.Num("'a'"), m.Num("'b'")); }},
    {"COUNT(*)", [](TreeMaker& m) { return Aggregate<TSQLExpressionAggregate>(m, "COUNT"); }},
    {"COUNT(DISTINCT x)", [](TreeMaker& m) { return Count(m, 1); }},
    {"COUNT(x)", [](TreeMaker& m) { return Count(m, 0); }},
    {"COUNT(x)", [](TreeMaker& m) { return Count(m, 2); }},
    {"SUM(o.Total)",
     [](TreeMaker& m) {
       auto* s = Aggregate<TSQLExpressionAggregate1Param>(m, "SUM");
       s->Param = m.Col({"o", "Total"});
       return s;
     }},
    {"F(1, 2)",
     [](TreeMaker& m) {
       auto* f = Aggregate<TSQLExpressionAggregateWParams>(m, "F");
       f->Params = List(m, {"1", "2"});
       return f;
     }},
    {"Not a=1", [](TreeMaker& m) { return TSQLExpressionNot::Create(m.P, m.Bin(m.Col({"a"}), "=", m.Num("1"))); }},
    {"Cast(x As integer )", [](TreeMaker& m) { return Cast(m, BuiltIn(m, {"integer"}, 0, -1, -1)); }},
    {"Cast(x As character varying(20))",
     [](TreeMaker& m) { return Cast(m, BuiltIn(m, {"character", "varying"}, 1, 20, -1)); }},
    {"Cast(x As numeric(10,2))", [](TreeMaker& m) { return Cast(m, BuiltIn(m, {"numeric"}, 0, 10, 2)); }},
    {"Cast(x As integer )", [](TreeMaker& m) { return Cast(m, BuiltIn(m, {"integer"}, 5, 10, -1)); }},
    {"Cast(x As s.t)",
     [](TreeMaker& m) {
       auto* type = TSQLTypeUser::Create(m.P);
       type->Name = TSQLQualifiedName::Create(m.P);
       type->Name->AddName("s");
       type->Name->AddName("t");
       return Cast(m, type);
     }},
    {"x.f",
     [](TreeMaker& m) {
       auto* s = TSQLExpressionFieldSelection::Create(m.P, m.Col({"x"}));
       s->FieldName = "f";
       return s;
     }},
    {"-x", [](TreeMaker& m) { return TSQLExpressionOperatorPrefix::Create(m.P, m.Col({"x"}), "-"); }},
    {"a* -x",
     [](TreeMaker& m) {
       return m.Bin(m.Col({"a"}), "*", TSQLExpressionOperatorPrefix::Create(m.P, m.Col({"x"}), "-"));
     }},
    {"x!", [](TreeMaker& m) { return TSQLExpressionOperatorPostfix::Create(m.P, m.Col({"x"}), "!"); }},
    {"x>All(SELECT y FROM t)",
     [](TreeMaker& m) {
       auto* c = TSQLExpressionCompWithSubQuery::Create(m.P, m.Col({"x"}), ">");
       c->SubQuery = SelectYFromT(m);
       return c;
     }},
    {"x=Any(1)",
     [](TreeMaker& m) {
       auto* c = TSQLExpressionCompWithSetExpression::Create(m.P, m.Col({"x"}), "=");
       c->Quantifier = 2;
       c->SetExpression = m.Num("1");
       return c;
     }},
    {"x=(1)",
     [](TreeMaker& m) {
       auto* c = TSQLExpressionCompWithSetExpression::Create(m.P, m.Col({"x"}), "=");
       c->Quantifier = 7;
       c->SetExpression = m.Num("1");
       return c;
     }},
    {"x IS NULL", [](TreeMaker& m) { return TSQLExpressionIsNull::Create(m.P, m.Col({"x"})); }},
    {"x IS NOT NULL",
     [](TreeMaker& m) {
       auto* n = TSQLExpressionIsNull::Create(m.P, m.Col({"x"}));
       n->Negated = true;
       return n;
     }},
    {"x IN (1)", [](TreeMaker& m) { return InSet(m, false, {"1"}); }},
    {"x NOT IN (1, 2)", [](TreeMaker& m) { return InSet(m, true, {"1", "2"}); }},
    {"x IN (SELECT y FROM t)",
     [](TreeMaker& m) {
       auto* n = TSQLExpressionInSubQuery::Create(m.P, m.Col({"x"}));
       n->SubQuery = SelectYFromT(m);
       return n;
     }},
    {"Exists(SELECT y FROM t)",
     [](TreeMaker& m) {
       auto* e = TSQLExpressionExists::Create(m.P);
       e->SubQuery = SelectYFromT(m);
       return e;
     }},
    {"x Not Between 1 And 5",
     [](TreeMaker& m) {
       auto* b = TSQLExpressionBetween::Create(m.P, m.Col({"x"}));
       b->Negated = true;
       b->LowExpression = m.Num("1");
       b->HighExpression = m.Num("5");
       return b;
     }},
    {"(a,b) Overlaps (c,d)",
     [](TreeMaker& m) {
       auto* o = TSQLExpressionOverlaps::Create(m.P);
       o->Period1Start = m.Col({"a"});
       o->Period1End = m.Col({"b"});
       o->Period2Start = m.Col({"c"});
       o->Period2End = m.Col({"d"});
       return o;
     }},
    {"n Not Like 'a%' Escape '!'",
     [](TreeMaker& m) {
       auto* l = TSQLExpressionLikeTemplate::Create(m.P, m.Col({"n"}));
       l->Operation = "Like";
       l->Negated = true;
       l->Pattern = m.Num("'a%'");
       l->EscapeExpression = m.Num("'!'");
       return l;
     }},
    {"a=1 And b=2 And c",
     [](TreeMaker& m) {
       return m.And({m.Bin(m.Col({"a"}), "=", m.Num("1")), m.Bin(m.Col({"b"}), "=", m.Num("2")), m.Col({"c"})});
     }},
    {"a Or (b And c)",
     [](TreeMaker& m) {
       auto* o = TSQLExpressionOr::Create(m.P);
       o->Add(m.Col({"a"}));
       o->Add(m.Brackets(m.And({m.Col({"b"}), m.Col({"c"})})));
       return o;
     }},
};

class ExpressionPrint : public testing::TestWithParam<PrintCase> {};

TEST_P(ExpressionPrint, SingleLine) {
  TTestSyntaxProvider provider;
  TreeMaker m(&provider);
  NodePtr<TSQLExpressionItem> node(GetParam().Build(m));
  EXPECT_EQ(SingleLine(node.get()), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(AllClasses, ExpressionPrint, testing::ValuesIn(PrintCases));

// A scalar sub-query stays on one line; the others follow the caller.
TEST(ExpressionPrintMultiLine, SubQueriesInExpressions) {
  TTestSyntaxProvider provider;
  TreeMaker m(&provider);
  NodePtr<TSQLExpressionSelect> scalar(TSQLExpressionSelect::Create(&provider));
  scalar->SubQuery = SelectYFromT(m);
  EXPECT_EQ(MultiLine(scalar.get()), "(SELECT y FROM t)");

  NodePtr<TSQLExpressionExists> exists(TSQLExpressionExists::Create(&provider));
  exists->SubQuery = SelectYFromT(m);
  EXPECT_EQ(MultiLine(exists.get()), "Exists(SELECT y\r\nFROM t)");
}

TEST(ExpressionPrintHtml, ConstantsAndNamesAreRendered) {
  TTestSyntaxProvider provider;
  TreeMaker m(&provider);
  NodePtr<TSQLExpressionItem> node(m.Bin(m.Col({"a"}), "<", m.Num("'x<y'")));
  EXPECT_EQ(Html(node.get(), false), "<i>a</i><font color=#7f7fff>&lt;</font>'x&lt;y'");
}

}  // namespace
