// Parse time of the SQL-92 parser: typical queries, parse plus single-line
// print, and the growth with nesting depth. The "records" counter is the
// number of way records the way calculation created. Times are wall-clock:
// long texts are parsed on a thread of their own.

#include <benchmark/benchmark.h>

#include <string>

#include "ast/Node.h"
#include "dialects/SQL92SyntaxProvider.h"
#include "parser/ParseProtocol.h"

namespace {

const char* const kSmall = "SELECT a, b FROM t WHERE a = 1";

// A query the designer produces: three tables, an outer join, AND/OR
// criteria, grouping, a group condition and sorting (about 340 bytes).
const char* const kDesigner =
    "SELECT c.city, COUNT(o.order_id) AS n, SUM(i.quantity * i.unit_price) AS revenue "
    "FROM customers c INNER JOIN orders o ON o.customer_id = c.customer_id "
    "LEFT OUTER JOIN order_items i ON i.order_id = o.order_id "
    "WHERE (c.country = 'Germany' OR c.country = 'France') AND i.quantity > 0 "
    "GROUP BY c.city HAVING COUNT(o.order_id) > 2 ORDER BY revenue DESC";

const char* const kUnion =
    "SELECT q.id, q.total FROM (SELECT o.order_id AS id, SUM(i.quantity) AS total FROM orders o "
    "JOIN order_items i ON i.order_id = o.order_id GROUP BY o.order_id) q "
    "WHERE q.id IN (SELECT order_id FROM orders WHERE approved_by IS NOT NULL) "
    "UNION SELECT order_id, 0 FROM orders WHERE ship_city = 'Paris'";

std::string Repeat(const std::string& piece, int64_t count) {
  std::string text;
  for (int64_t i = 0; i < count; ++i) text += piece;
  return text;
}

class Session {
 public:
  Session() : provider_(New<TastSQL92SyntaxProvider>()) {}
  ~Session() { provider_->Free(); }

  TastNode* Parse(const std::string& text, TvnParseStatistics* statistics = nullptr) {
    TvnParseOptions options;
    options.Statistics = statistics;
    return vnParseText(provider_, *provider_->GetScannerClass(), *provider_->GetParserClass(), text,
                       TvnParseEntry::Select, options);
  }

 private:
  TastSQL92SyntaxProvider* provider_;
};

void RunParse(benchmark::State& state, const std::string& text, bool print) {
  Session session;
  TvnParseStatistics statistics;
  for (auto _ : state) {
    TastNode* tree = session.Parse(text, &statistics);
    if (print) benchmark::DoNotOptimize(tree->GetSimpleSQL());
    FreeNode(tree);
  }
  state.counters["records"] = static_cast<double>(statistics.WayRecords);
  state.counters["bytes"] = static_cast<double>(text.size());
}

void BM_Parse(benchmark::State& state, const char* text) { RunParse(state, text, false); }
void BM_ParsePrint(benchmark::State& state, const char* text) { RunParse(state, text, true); }

BENCHMARK_CAPTURE(BM_Parse, small, kSmall)->UseRealTime();
BENCHMARK_CAPTURE(BM_Parse, designer, kDesigner)->UseRealTime();
BENCHMARK_CAPTURE(BM_Parse, union_derived_in, kUnion)->UseRealTime();
BENCHMARK_CAPTURE(BM_ParsePrint, small, kSmall)->UseRealTime();
BENCHMARK_CAPTURE(BM_ParsePrint, designer, kDesigner)->UseRealTime();
BENCHMARK_CAPTURE(BM_ParsePrint, union_derived_in, kUnion)->UseRealTime();

// Nesting depth d = state.range(0).
void BM_BracketsInWhere(benchmark::State& state) {
  const int64_t d = state.range(0);
  RunParse(state, "SELECT a FROM t WHERE " + Repeat("(", d) + "a = 1" + Repeat(")", d), false);
}

void BM_NestedCase(benchmark::State& state) {
  const int64_t d = state.range(0);
  RunParse(state, "SELECT " + Repeat("CASE WHEN a = 1 THEN ", d) + "0" + Repeat(" ELSE 1 END", d) + " FROM t",
           false);
}

void BM_NestedSubQueries(benchmark::State& state) {
  const int64_t d = state.range(0);
  RunParse(state, "SELECT a FROM t" + Repeat(" WHERE a IN (SELECT a FROM t", d) + Repeat(")", d), false);
}

// a JOIN b JOIN c ... ON ... ON ...: each join nests the next one.
void BM_RightNestedJoins(benchmark::State& state) {
  const int64_t d = state.range(0);
  RunParse(state, "SELECT * FROM a" + Repeat(" JOIN b", d) + " JOIN c ON 1 = 1" + Repeat(" ON 1 = 1", d), false);
}

// a JOIN (b JOIN (c ...) ON ...) ON ...: every bracket has two readings that
// both start a FROM source at the same token.
void BM_RightNestedBracketedJoins(benchmark::State& state) {
  const int64_t d = state.range(0);
  RunParse(state, "SELECT * FROM a" + Repeat(" JOIN (b", d) + " JOIN c ON 1 = 1" + Repeat(") ON 1 = 1", d), false);
}

BENCHMARK(BM_BracketsInWhere)->Arg(4)->Arg(16)->Arg(64)->UseRealTime();
BENCHMARK(BM_NestedCase)->Arg(4)->Arg(16)->Arg(64)->UseRealTime();
BENCHMARK(BM_NestedSubQueries)->Arg(4)->Arg(16)->Arg(64)->UseRealTime();
BENCHMARK(BM_RightNestedJoins)->Arg(4)->Arg(16)->Arg(64)->UseRealTime();
BENCHMARK(BM_RightNestedBracketedJoins)->Arg(4)->Arg(16)->Arg(64)->UseRealTime();

}  // namespace
