// Failed parses: the entry point's message, the furthest token at which a
// way met an unexpected token, and nothing left allocated.

#include <gtest/gtest.h>

#include "ParseFixture.h"
#include "parser/WayPoint.h"

namespace {

struct ErrorCase {
  TvnParseEntry entry;
  const char* text;
  const char* message;
  int line;
  int col;
  const char* token;
};

class ParseErrors : public SQL92ParseTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(ParseErrors, ReportFurthestFailingToken) {
  const ErrorCase& c = GetParam();
  ParseOutcome outcome = Outcome(c.entry, c.text);
  ASSERT_FALSE(outcome.Ok) << c.text << " parsed as " << outcome.Tree;
  EXPECT_EQ(outcome.Message, c.message);
  EXPECT_EQ(outcome.Line, c.line) << c.text;
  EXPECT_EQ(outcome.Col, c.col) << c.text;
  EXPECT_EQ(outcome.Token, c.token) << c.text;
  EXPECT_EQ(TvnWayPoint::LiveCount(), 0);
}

constexpr TvnParseEntry kSelect = TvnParseEntry::Select;
constexpr TvnParseEntry kExpr = TvnParseEntry::Expression;
constexpr TvnParseEntry kCond = TvnParseEntry::LogicalExpression;
constexpr TvnParseEntry kObject = TvnParseEntry::ObjectName;
constexpr TvnParseEntry kItem = TvnParseEntry::SelectItem;

const ErrorCase kErrors[] = {
    {kSelect, "", "Bad SELECT statement", 1, 1, "EOF"},
    {kExpr, "", "Bad expression", 1, 1, "EOF"},
    {kCond, "", "Bad logical expression", 1, 1, "EOF"},
    {kObject, "", "Bad object name", 1, 1, "EOF"},
    {kItem, "", "Bad select item", 1, 1, "EOF"},
    {kSelect, "SELECT a FROM t;", "Bad SELECT statement", 1, 16, ";"},
    {kSelect, "SELECT a\r\n  FROM t\r\n  WHERE a = 1 b", "Bad SELECT statement", 3, 15, "b"},
    // The derived table lacks its alias; the way that read "(SELECT" as a
    // complete query with an empty select list failed furthest, at the "1".
    {kSelect, "SELECT * FROM (SELECT 1)", "Bad SELECT statement", 1, 23, "1"},
    {kSelect, "SELECT * FROM a.b.c.d.e", "Bad SELECT statement", 1, 22, "."},
    {kSelect, "SELECT date FROM t", "Bad SELECT statement", 1, 8, "date"},
    {kSelect, "SELECT left FROM t", "Bad SELECT statement", 1, 8, "left"},
    {kSelect, "SELECT a FROM t WHERE a", "Bad SELECT statement", 1, 24, "EOF"},
    // No way tries a token after the operator: the look-ahead test prunes it.
    {kSelect, "SELECT a FROM t1 UNION", "Bad SELECT statement", 1, 18, "UNION"},
    {kSelect, "SELECT a FROM t ORDER BY a UNION SELECT b FROM u", "Bad SELECT statement", 1, 28, "UNION"},
    // A way pruned by a look-ahead test raises no error, so the error is
    // reported where the furthest way failed a token: the ",".
    {kSelect, "SELECT a, FROM t", "Bad SELECT statement", 1, 9, ","},
    {kSelect, "SELECT a FROM t JOIN u", "Bad SELECT statement", 1, 23, "EOF"},
    {kSelect, "SELECT a FROM t WHERE x IN ()", "Bad SELECT statement", 1, 25, "IN"},
    {kSelect, "SELECT 'abc FROM t", "Bad SELECT statement", 1, 8, "'abc FROM t"},
    {kSelect, "SELECT a # b", "Bad SELECT statement", 1, 10, "#"},
    {kExpr, "current_user()", "Bad expression", 1, 13, "("},
    {kExpr, "@p", "Bad expression", 1, 1, "@p"},
    {kExpr, "a || b", "Bad expression", 1, 3, "|"},
    {kExpr, "CAST(a AS bit varying)", "Bad expression", 1, 22, ")"},
    {kExpr, "CAST(a AS varchar(2147483648))", "Bad expression", 1, 19, "2147483648"},
    {kExpr, "CAST(a AS numeric(10, 99999999999))", "Bad expression", 1, 23, "99999999999"},
    // Every way was pruned by look-ahead: the error stays at the first token.
    {kExpr, "COUNT(ALL *)", "Bad expression", 1, 1, "COUNT"},
    {kExpr, "CASE a END", "Bad expression", 1, 8, "END"},
    {kCond, "x OVERLAPS y", "Bad logical expression", 1, 3, "OVERLAPS"},
    {kCond, "> 5", "Bad logical expression", 1, 1, ">"},
    {kCond, "a = 1 AND", "Bad logical expression", 1, 7, "AND"},
    {kObject, "a.", "Bad object name", 1, 2, "."},
    {kObject, "a.b.c.d.e", "Bad object name", 1, 8, "."},
    {kItem, "a AS", "Bad select item", 1, 3, "AS"},
    {kItem, "t.*.x", "Bad select item", 1, 4, "."},
};

INSTANTIATE_TEST_SUITE_P(SQL92, ParseErrors, ::testing::ValuesIn(kErrors));

// Predicates without their left operand are criteria; only the
// logical-expression entry point accepts them, and only when asked to.
struct CriteriaCase {
  const char* text;
  const char* tree;
};

class Criteria : public SQL92ParseTest, public ::testing::WithParamInterface<CriteriaCase> {};

TEST_P(Criteria, ParseOnlyWithoutRequiredLeftOperand) {
  const CriteriaCase& c = GetParam();
  TvnParseOptions criteria;
  criteria.RequireLeftOperand = false;
  ParseOutcome lax = Outcome(TvnParseEntry::LogicalExpression, c.text, criteria);
  ASSERT_TRUE(lax.Ok) << c.text << ": " << lax.Message << " at " << lax.Token;
  EXPECT_EQ(lax.Tree, c.tree);
  EXPECT_FALSE(Outcome(TvnParseEntry::LogicalExpression, c.text).Ok) << c.text;
}

const CriteriaCase kCriteria[] = {
    {"> 5", "OperatorBinary(> 5)"},
    {"IS NOT NULL", "IsNull{not=true}"},
    {"IN (1, 2)", "InSet{not=false}(sList(1 2))"},
    {"LIKE 'a%'", "LikeTemplate{operation=Like not=false}('a%')"},
    {"BETWEEN 1 AND 9", "Between{not=false}(1 9)"},
    // The NOT prefix is the earlier alternative, so it wraps the predicate.
    {"NOT LIKE 'a%'", "Not(LikeTemplate{operation=Like not=false}('a%'))"},
    {"NOT IN (SELECT b FROM t)",
     "Not(InSubQuery{not=false}(SubSelectStatement(SubQuerySelectExpression{unionOperator= unionAll=false}("
     "SelectItems(SelectItemExpression(b)) FromClause(FromObject(DatabaseObject{names=t}))))))"},
    {"= 1 OR = 2 AND < 10", "Or(OperatorBinary(= 1) And(OperatorBinary(= 2) OperatorBinary(< 10)))"},
    {"NOT LIKE 'a' AND NOT LIKE 'b' AND NOT LIKE 'c'",
     "And(Not(LikeTemplate{operation=Like not=false}('a')) Not(LikeTemplate{operation=Like not=false}('b')) "
     "Not(LikeTemplate{operation=Like not=false}('c')))"},
};

INSTANTIATE_TEST_SUITE_P(SQL92, Criteria, ::testing::ValuesIn(kCriteria));

}  // namespace
