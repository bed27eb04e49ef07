// The SQL-92 grammar: the tree built for each construct, the choice among
// several complete parses, and the furthest failing token of a bad text.

#include <gtest/gtest.h>

#include "ParseFixture.h"

namespace {

constexpr TvnParseEntry kSelect = TvnParseEntry::Select;
constexpr TvnParseEntry kExpr = TvnParseEntry::Expression;
constexpr TvnParseEntry kCond = TvnParseEntry::LogicalExpression;
constexpr TvnParseEntry kObject = TvnParseEntry::ObjectName;
constexpr TvnParseEntry kItem = TvnParseEntry::SelectItem;

struct ShapeCase {
  TvnParseEntry entry;
  const char* text;
  const char* tree;
};

class Shapes : public SQL92ParseTest, public ::testing::WithParamInterface<ShapeCase> {};

TEST_P(Shapes, BuildTree) {
  const ShapeCase& c = GetParam();
  ParseOutcome outcome = Outcome(c.entry, c.text);
  ASSERT_TRUE(outcome.Ok) << c.text << ": " << outcome.Message << " at " << outcome.Token;
  EXPECT_EQ(outcome.Tree, c.tree) << c.text;
}

const ShapeCase kShapes[] = {
    // value expressions: precedence and associativity
    {kExpr, "a + b * c - d", "OperatorBinary(OperatorBinary(a + OperatorBinary(b * c)) - d)"},
    {kExpr, "-a * b", "OperatorBinary(OperatorPrefix(a -) * b)"},
    {kExpr, "- -1", "OperatorPrefix(OperatorPrefix(1 -) -)"},
    {kExpr, "a - b - c", "OperatorBinary(OperatorBinary(a - b) - c)"},
    {kExpr, "~a % 2 / b", "OperatorBinary(OperatorBinary(OperatorPrefix(a ~) % 2) / b)"},
    {kExpr, "(a + b) * c", "OperatorBinary(Brackets(OperatorBinary(a + b)) * c)"},
    {kExpr, "'It''s'", "'It''s'"},
    {kExpr, "0x1F + 1.5e3 + NULL + {d '2001-01-01'}", "OperatorBinary(OperatorBinary(OperatorBinary(0x1F + 1.5e3) + NULL) + {d '2001-01-01'})"},
    {kExpr, "srv.db..tbl.col", "srv.db..tbl.col"},
    {kExpr, "name.type", "name.type"},
    {kExpr, "COUNT(*)", "Aggregate{name=COUNT}"},
    {kExpr, "count(DISTINCT a)", "Aggregate1ParamWPrefix{name=count distinct=true}(a)"},
    {kExpr, "SUM(ALL a)", "Aggregate1ParamWPrefix{name=SUM distinct=false}(a)"},
    {kExpr, "avg(-a)", "Aggregate1ParamWPrefix{name=avg distinct=false}(OperatorPrefix(a -))"},
    {kExpr, "f()", "Function(Function(DatabaseObject{names=f} FunctionParams))"},
    {kExpr, "s.f(1, a + 2)", "Function(Function(DatabaseObject{names=s.f} FunctionParams(FunctionParamExpression(1) FunctionParamExpression(OperatorBinary(a + 2)))))"},
    {kExpr, "current_user", "ParameterlessFunction{name=current_user}"},
    {kExpr, "CASE WHEN a = 1 THEN 'x' WHEN a = 2 THEN 'y' ELSE 'z' END", "CaseFunction(CaseFunctionItem(OperatorBinary(a = 1) 'x') CaseFunctionItem(OperatorBinary(a = 2) 'y') 'z')"},
    {kExpr, "CASE a WHEN 1 THEN 'x' END", "CaseFunction(CaseFunctionItem(1 'x') a)"},
    {kExpr, "CAST(a AS numeric(10, 2))", "Cast(a TypeBuiltIn{names=numeric sizeAfterWord=0 size=10 scale=2})"},
    {kExpr, "CAST(a AS character varying)", "Cast(a TypeBuiltIn{names=character varying sizeAfterWord=1})"},
    {kExpr, "CAST(a AS character varying(20))", "Cast(a TypeBuiltIn{names=character varying sizeAfterWord=1 size=20})"},
    {kExpr, "CAST(a AS bit(8))", "Cast(a TypeBuiltIn{names=bit sizeAfterWord=0 size=8})"},
    {kExpr, "CAST(a AS DOUBLE PRECISION)", "Cast(a TypeBuiltIn{names=DOUBLE PRECISION sizeAfterWord=0})"},
    {kExpr, "CAST(a AS Int)", "Cast(a TypeBuiltIn{names=Int sizeAfterWord=0})"},
    {kExpr, "CAST(a AS TIME(3) WITH TIME ZONE)", "Cast(a TypeBuiltIn{names=time with time zone sizeAfterWord=0 size=3})"},
    {kExpr, "CAST(a AS timestamp without time zone)", "Cast(a TypeBuiltIn{names=timestamp without time zone sizeAfterWord=0})"},
    {kExpr, "CAST(a AS s.mytype)", "Cast(a TypeUser{names=s.mytype})"},
    {kExpr, "(SELECT 1)", "Select(SubSelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemExpression(1)))))"},
    {kExpr, "((SELECT 1))", "Brackets(Select(SubSelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemExpression(1))))))"},
    // conditions
    {kCond, "a = 1 OR b = 2 AND c = 3", "Or(OperatorBinary(a = 1) And(OperatorBinary(b = 2) OperatorBinary(c = 3)))"},
    {kCond, "a = 1 OR b = 2 OR c = 3", "Or(OperatorBinary(a = 1) OperatorBinary(b = 2) OperatorBinary(c = 3))"},
    {kCond, "NOT NOT a = 1", "Not(Not(OperatorBinary(a = 1)))"},
    {kCond, "a BETWEEN 1 AND 2 AND b = 3", "And(Between{not=false}(a 1 2) OperatorBinary(b = 3))"},
    {kCond, "a NOT BETWEEN 1 AND 2", "Between{not=true}(a 1 2)"},
    {kCond, "a NOT IN (SELECT b FROM t)", "InSubQuery{not=true}(a SubSelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemExpression(b)) FromClause(FromObject(DatabaseObject{names=t})))))"},
    {kCond, "a IN (1, 2, 3)", "InSet{not=false}(a sList(1 2 3))"},
    {kCond, "a IN ((SELECT b FROM t))", "InSubQuery{not=false}(a SubSelectStatement(SubQueryExpressions{unionOperator= unionAll=false}(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemExpression(b)) FromClause(FromObject(DatabaseObject{names=t}))))))"},
    {kCond, "a > ALL (SELECT b FROM t)", "CompWithSubQuery{quantifier=0}(a > SubSelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemExpression(b)) FromClause(FromObject(DatabaseObject{names=t})))))"},
    {kCond, "a = SOME (SELECT b FROM t)", "CompWithSubQuery{quantifier=1}(a = SubSelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemExpression(b)) FromClause(FromObject(DatabaseObject{names=t})))))"},
    {kCond, "a <> ANY (SELECT b FROM t)", "CompWithSubQuery{quantifier=2}(a <> SubSelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemExpression(b)) FromClause(FromObject(DatabaseObject{names=t})))))"},
    {kCond, "a IS NULL AND b IS NOT NULL", "And(IsNull{not=false}(a) IsNull{not=true}(b))"},
    {kCond, "a NOT LIKE 'x%' ESCAPE '!'", "LikeTemplate{operation=Like not=true}(a 'x%' '!')"},
    {kCond, "EXISTS (SELECT 1) OR NOT EXISTS (SELECT 2)", "Or(Exists(SubSelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemExpression(1))))) Not(Exists(SubSelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemExpression(2)))))))"},
    {kCond, "(a = 1 OR b = 2) AND c !< 3", "And(Brackets(Or(OperatorBinary(a = 1) OperatorBinary(b = 2))) OperatorBinary(c !< 3))"},
    {kCond, "((a = 1))", "Brackets(Brackets(OperatorBinary(a = 1)))"},
    {kCond, "(a) = 1", "OperatorBinary(Brackets(a) = 1)"},
    // object names and select items
    {kObject, "srv.db..tbl", "DatabaseObject{names=srv.db..tbl}"},
    {kObject, "\"my table\"", "DatabaseObject{names=\"my table\"}"},
    {kObject, "[date]", "DatabaseObject{names=[date]}"},
    {kItem, "*", "SelectItemAllColumns"},
    {kItem, "t.*", "SelectItemAllTableColumns(DatabaseObject{names=t})"},
    {kItem, "x = a + 1", "SelectItemExpression(OperatorBinary(a + 1) AliasAliasEqualsObject{name=x})"},
    {kItem, "b c", "SelectItemExpression(b AliasObjectAlias{name=c})"},
    {kItem, "d AS 'e'", "SelectItemExpression(d AliasObjectAsAlias{name='e'})"},
    {kItem, "count(*) \"n\"", "SelectItemExpression(Aggregate{name=count} AliasObjectAlias{name=\"n\"})"},
    // statements
    {kSelect, "SELECT", "SelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems))"},
    {kSelect, "SELECT * FROM", "SelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemAllColumns) FromClause))"},
    {kSelect, "SELECT FROM t", "SelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems FromClause(FromObject(DatabaseObject{names=t}))))"},
    {kSelect, "SELECT DISTINCT a FROM t", "SelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false mode=distinct}(SelectItems(SelectItemExpression(a)) FromClause(FromObject(DatabaseObject{names=t}))))"},
    {kSelect, "SELECT ALL a FROM t", "SelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false mode=all}(SelectItems(SelectItemExpression(a)) FromClause(FromObject(DatabaseObject{names=t}))))"},
    {kSelect, "SELECT a FROM t1 UNION ALL SELECT b FROM t2 ORDER BY 1", "SelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemExpression(a)) FromClause(FromObject(DatabaseObject{names=t1}))) SubQuerySelectExpression{unionOperator=UNION unionAll=true}(SelectItems(SelectItemExpression(b)) FromClause(FromObject(DatabaseObject{names=t2}))) OrderByClause(OrderByItem{order=asc}(1)))"},
    {kSelect, "(SELECT a FROM t1) EXCEPT (SELECT b FROM t2)", "SelectStatement(SubQueryExpressions{unionOperator= unionAll=false}(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemExpression(a)) FromClause(FromObject(DatabaseObject{names=t1})))) SubQueryExpressions{unionOperator=EXCEPT unionAll=false}(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemExpression(b)) FromClause(FromObject(DatabaseObject{names=t2})))))"},
    {kSelect, "SELECT a FROM t1 intersect (SELECT b FROM t2 UNION SELECT c FROM t3)", "SelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemExpression(a)) FromClause(FromObject(DatabaseObject{names=t1}))) SubQueryExpressions{unionOperator=intersect unionAll=false}(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemExpression(b)) FromClause(FromObject(DatabaseObject{names=t2}))) SubQuerySelectExpression{unionOperator=UNION unionAll=false}(SelectItems(SelectItemExpression(c)) FromClause(FromObject(DatabaseObject{names=t3})))))"},
    {kSelect, "SELECT t.* , x = a + 1, b c, d AS 'e' FROM s.t", "SelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemAllTableColumns(DatabaseObject{names=t}) SelectItemExpression(OperatorBinary(a + 1) AliasAliasEqualsObject{name=x}) SelectItemExpression(b AliasObjectAlias{name=c}) SelectItemExpression(d AliasObjectAsAlias{name='e'})) FromClause(FromObject(DatabaseObject{names=s.t}))))"},
    {kSelect, "SELECT * FROM a LEFT OUTER JOIN b ON a.x = b.x, c", "SelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemAllColumns) FromClause(FromObject(DatabaseObject{names=a}) FromObject{joinKind=TSQLJoinKindLeft outer=true}(OperatorBinary(a.x = b.x) DatabaseObject{names=b}) FromObject(DatabaseObject{names=c}))))"},
    {kSelect, "SELECT * FROM a CROSS JOIN b RIGHT JOIN c ON 1 = 1 FULL JOIN d ON 2 = 2 JOIN e ON 3 = 3", "SelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemAllColumns) FromClause(FromObject(DatabaseObject{names=a}) FromObject{joinKind=TSQLJoinKindCross}(DatabaseObject{names=b}) FromObject{joinKind=TSQLJoinKindRight outer=false}(OperatorBinary(1 = 1) DatabaseObject{names=c}) FromObject{joinKind=TSQLJoinKindFull outer=false}(OperatorBinary(2 = 2) DatabaseObject{names=d}) FromObject{joinKind=TSQLJoinKindInner}(OperatorBinary(3 = 3) DatabaseObject{names=e}))))"},
    {kSelect, "SELECT * FROM a JOIN b JOIN c ON x = 1 ON y = 2", "SelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemAllColumns) FromClause(FromObject(DatabaseObject{names=a}) FromItem{joinKind=TSQLJoinKindInner}(OperatorBinary(y = 2) FromObject(DatabaseObject{names=b}) FromObject{joinKind=TSQLJoinKindInner}(OperatorBinary(x = 1) DatabaseObject{names=c})))))"},
    {kSelect, "SELECT * FROM (a JOIN b ON x = 1) JOIN c ON y = 2", "SelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemAllColumns) FromClause(FromItem(FromObject(DatabaseObject{names=a}) FromObject{joinKind=TSQLJoinKindInner}(OperatorBinary(x = 1) DatabaseObject{names=b})) FromObject{joinKind=TSQLJoinKindInner}(OperatorBinary(y = 2) DatabaseObject{names=c}))))"},
    {kSelect, "SELECT * FROM (SELECT 1) q (n)", "SelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemAllColumns) FromClause(FromQuery{columnAliases=n}(AliasObjectAlias{name=q} SubSelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemExpression(1))))))))"},
    {kSelect, "SELECT * FROM (SELECT 1, 2) AS q (n, \"m\")", "SelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemAllColumns) FromClause(FromQuery{columnAliases=n,\"m\"}(AliasObjectAsAlias{name=q} SubSelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemExpression(1) SelectItemExpression(2))))))))"},
    {kSelect, "SELECT * FROM f(1) x, g() AS y", "SelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemAllColumns) FromClause(FromFunction(AliasObjectAlias{name=x} Function(DatabaseObject{names=f} FunctionParams(FunctionParamExpression(1)))) FromFunction(AliasObjectAsAlias{name=y} Function(DatabaseObject{names=g} FunctionParams)))))"},
    {kSelect, "SELECT * FROM srv.db..tbl", "SelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemAllColumns) FromClause(FromObject(DatabaseObject{names=srv.db..tbl}))))"},
    {kSelect, "SELECT name, type FROM t", "SelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemExpression(name) SelectItemExpression(type)) FromClause(FromObject(DatabaseObject{names=t}))))"},
    {kSelect, "SELECT [date] FROM t", "SelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemExpression([date])) FromClause(FromObject(DatabaseObject{names=t}))))"},
    {kSelect, "SELECT a FROM t GROUP BY a, b HAVING COUNT(*) > 1 ORDER BY a DESC, b ASC, c", "SelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemExpression(a)) FromClause(FromObject(DatabaseObject{names=t})) GroupByList(a b) OperatorBinary(Aggregate{name=COUNT} > 1)) OrderByClause(OrderByItem{order=desc}(a) OrderByItem{order=asc}(b) OrderByItem{order=asc}(c)))"},
    {kSelect,
     "SELECT o.id, SUM(o.total) AS s FROM orders o INNER JOIN customers c ON o.cid = c.id WHERE c.x > 1 "
     "GROUP BY o.id ORDER BY s DESC",
     "SelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}(SelectItems(SelectItemExpression(o.id) SelectItemExpression(Aggregate1ParamWPrefix{name=SUM distinct=false}(o.total) AliasObjectAsAlias{name=s})) FromClause(FromObject(AliasObjectAlias{name=o} DatabaseObject{names=orders}) FromObject{joinKind=TSQLJoinKindInner}(AliasObjectAlias{name=c} OperatorBinary(o.cid = c.id) DatabaseObject{names=customers})) OperatorBinary(c.x > 1) GroupByList(o.id)) OrderByClause(OrderByItem{order=desc}(s)))"},
};

INSTANTIATE_TEST_SUITE_P(SQL92, Shapes, ::testing::ValuesIn(kShapes));

}  // namespace
