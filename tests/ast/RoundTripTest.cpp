// Printed SQL reads back as the same statement: printing what the SQL-92
// dialect parsed, then parsing and printing again, gives the same text.

#include <gtest/gtest.h>

#include "AstTestSupport.h"
#include "dialects/SQL92SyntaxProvider.h"

namespace {

struct RoundTripCase {
  const char* Sql;
  const char* Printed;
};

const RoundTripCase RoundTripCases[] = {
    // Quoted names, bracketed names and string-literal aliases keep their form.
    {"SELECT [date], d AS 'e', \"Order Details\".x FROM \"Order Details\"",
     "SELECT [date], d AS 'e', \"Order Details\".x FROM \"Order Details\""},
    {"select a \"order\", \"a\"\"b\" from t", "SELECT a \"order\", \"a\"\"b\" FROM t"},
    {"SELECT CAST(a AS s.t), CAST(b AS numeric(10,2)), CAST(c AS integer) FROM t",
     "SELECT Cast(a As s.t), Cast(b As numeric(10,2)), Cast(c As integer ) FROM t"},
    {"SELECT o.Name, COUNT(DISTINCT o.Id) FROM Orders o LEFT OUTER JOIN Customers c ON o.c = c.id "
     "GROUP BY o.Name HAVING COUNT(*) > 1",
     "SELECT o.Name, COUNT(DISTINCT o.Id) FROM Orders o LEFT OUTER JOIN  Customers c ON o.c=c.id "
     "GROUP BY o.Name HAVING COUNT(*)>1"},
    {"SELECT a FROM t UNION ALL (SELECT b FROM u EXCEPT SELECT c FROM v) ORDER BY 1",
     "SELECT a FROM t UNION ALL (SELECT b FROM u EXCEPT SELECT c FROM v) ORDER BY 1"},
    {"SELECT x = a + 1, CURRENT_DATE, UPPER(a), dbo.f(a, 2) FROM t",
     "SELECT x=a+1, CURRENT_DATE, UPPER(a), dbo.f(a, 2) FROM t"},
    {"SELECT a FROM t WHERE NOT a BETWEEN 1 AND 2 AND b NOT LIKE 'a%' ESCAPE '!' AND c IS NOT NULL "
     "AND EXISTS (SELECT 1 FROM u) AND d > ALL (SELECT e FROM w) AND f IN ((SELECT g FROM x))",
     "SELECT a FROM t WHERE Not a Between 1 And 2 And b Not Like 'a%' Escape '!' And c IS NOT NULL "
     "And Exists(SELECT 1 FROM u) And d>All(SELECT e FROM w) And f IN ((SELECT g FROM x))"},
    {"SELECT - - a, a * -b FROM t", "SELECT - -a, a* -b FROM t"},
    {"SELECT * FROM a JOIN (b JOIN c ON b.x = c.x) ON a.y = b.y, (SELECT 1 FROM d) q",
     "SELECT * FROM a INNER JOIN  (b INNER JOIN  c ON b.x=c.x) ON a.y=b.y,  (SELECT 1 FROM d) q"},
};

class RoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTrip, PrintParsePrint) {
  TastSQL92SyntaxProvider provider;
  NodePtr<TSQLSelectStatement> first(provider.ParseSelect(GetParam().Sql));
  const std::string printed = SingleLine(first.get());
  EXPECT_EQ(printed, GetParam().Printed);
  NodePtr<TSQLSelectStatement> second(provider.ParseSelect(printed));
  EXPECT_EQ(SingleLine(second.get()), printed);
  NodePtr<TSQLSelectStatement> third(provider.ParseSelect(MultiLine(first.get())));
  EXPECT_EQ(SingleLine(third.get()), printed);
}

INSTANTIATE_TEST_SUITE_P(Sql92, RoundTrip, testing::ValuesIn(RoundTripCases));

// Names that the dialect reserves are quoted when the model supplies them.
TEST(RoundTripNames, ReservedNamesFromTheModelAreQuoted) {
  TastSQL92SyntaxProvider provider;
  NodePtr<TSQLFromObject> source(provider.CreateSQLFromObject("order", "date"));
  const std::string printed = SingleLine(source.get());
  EXPECT_EQ(printed, "\"order\" \"date\"");
  NodePtr<TSQLSelectStatement> parsed(provider.ParseSelect("SELECT * FROM " + printed));
  EXPECT_EQ(SingleLine(parsed.get()), "SELECT * FROM " + printed);
}

}  // namespace
