// Parse time of the SQL-92 parser: typical queries, parse plus single-line
// print, the growth with nesting depth, and a statement of about 1 MB. When
// libpg_query is present, the same three typical queries are also parsed,
// and parsed plus deparsed, by it in the same run. The "records" counter is
// the number of way records the way calculation made. Times are
// wall-clock: long texts are parsed on a thread of their own.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "ast/Node.h"
#include "dialects/SQL92SyntaxProvider.h"
#include "parser/ParseProtocol.h"

#ifdef VNQB_HAVE_PG_QUERY
#include <pg_query.h>
#endif

// ---- heap accounting ----
// While counting is on, every allocation of this program's C++ code adds its
// usable size to the bytes in use, and the peak of those bytes is kept; the
// large-statement benchmark reports it.
namespace {
std::atomic<bool> gCounting{false};
std::atomic<int64_t> gInUse{0};
std::atomic<int64_t> gPeak{0};

void* Allocate(size_t size) {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p == nullptr) throw std::bad_alloc();
  if (gCounting.load(std::memory_order_relaxed)) {
    const int64_t now = gInUse.fetch_add(static_cast<int64_t>(malloc_usable_size(p))) +
                        static_cast<int64_t>(malloc_usable_size(p));
    int64_t peak = gPeak.load();
    while (now > peak && !gPeak.compare_exchange_weak(peak, now)) {
    }
  }
  return p;
}

void Release(void* p) {
  if (p == nullptr) return;
  if (gCounting.load(std::memory_order_relaxed)) gInUse.fetch_sub(static_cast<int64_t>(malloc_usable_size(p)));
  std::free(p);
}
}  // namespace

void* operator new(size_t size) { return Allocate(size); }
void* operator new[](size_t size) { return Allocate(size); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, size_t) noexcept { Release(p); }
void operator delete[](void* p, size_t) noexcept { Release(p); }

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

  TastNode* Parse(const std::string& text, TvnParseEntry entry, TvnParseOptions options) {
    return vnParseText(provider_, *provider_->GetScannerClass(), *provider_->GetParserClass(), text, entry, options);
  }

 private:
  TastSQL92SyntaxProvider* provider_;
};

void RunParse(benchmark::State& state, const std::string& text, bool print,
              TvnParseEntry entry = TvnParseEntry::Select, bool requireLeftOperand = true) {
  Session session;
  TvnParseOptions options;
  options.RequireLeftOperand = requireLeftOperand;
  for (auto _ : state) {
    TastNode* tree = session.Parse(text, entry, options);
    if (print) benchmark::DoNotOptimize(tree->GetSimpleSQL());
    FreeNode(tree);
  }
  // Counting the records walks the way tree, so it is done once, untimed.
  TvnParseStatistics statistics;
  options.Statistics = &statistics;
  FreeNode(session.Parse(text, entry, options));
  state.counters["records"] = static_cast<double>(statistics.WayRecordsMade);
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

#ifdef VNQB_HAVE_PG_QUERY
// libpg_query: parse to its protobuf tree, and parse plus deparse back to SQL.
void BM_PgParse(benchmark::State& state, const char* text) {
  for (auto _ : state) {
    PgQueryProtobufParseResult result = pg_query_parse_protobuf(text);
    if (result.error != nullptr) state.SkipWithError(result.error->message);
    pg_query_free_protobuf_parse_result(result);
  }
}

void BM_PgParseDeparse(benchmark::State& state, const char* text) {
  for (auto _ : state) {
    PgQueryProtobufParseResult result = pg_query_parse_protobuf(text);
    if (result.error != nullptr) state.SkipWithError(result.error->message);
    PgQueryDeparseResult deparsed = pg_query_deparse_protobuf(result.parse_tree);
    if (deparsed.error != nullptr) state.SkipWithError(deparsed.error->message);
    benchmark::DoNotOptimize(deparsed.query);
    pg_query_free_deparse_result(deparsed);
    pg_query_free_protobuf_parse_result(result);
  }
}

BENCHMARK_CAPTURE(BM_PgParse, small, kSmall)->UseRealTime();
BENCHMARK_CAPTURE(BM_PgParse, designer, kDesigner)->UseRealTime();
BENCHMARK_CAPTURE(BM_PgParse, union_derived_in, kUnion)->UseRealTime();
BENCHMARK_CAPTURE(BM_PgParseDeparse, small, kSmall)->UseRealTime();
BENCHMARK_CAPTURE(BM_PgParseDeparse, designer, kDesigner)->UseRealTime();
BENCHMARK_CAPTURE(BM_PgParseDeparse, union_derived_in, kUnion)->UseRealTime();
#endif

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

// ((SELECT ((SELECT ... 1)))) with d brackets (d nesting levels): each pair
// of brackets reads as an expression bracket around a sub-query or as a
// sub-query in a query bracket.
void BM_NestedBracketedSubQueries(benchmark::State& state) {
  const int64_t pairs = state.range(0) / 2;
  RunParse(state, "SELECT " + Repeat("((SELECT ", pairs) + "1" + Repeat("))", pairs), false);
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

// Criteria without left operands, as the designer's criteria grid holds
// them: NOT LIKE 'x' AND NOT LIKE 'x' ... (d conjuncts), and NOT ... NOT LIKE
// 'x' (d negations); each NOT reads as a negation or as NOT LIKE.
void BM_CriteriaNotChain(benchmark::State& state) {
  const int64_t d = state.range(0);
  RunParse(state, "NOT LIKE 'x'" + Repeat(" AND NOT LIKE 'x'", d - 1), false, TvnParseEntry::LogicalExpression,
           false);
}

void BM_CriteriaNestedNot(benchmark::State& state) {
  const int64_t d = state.range(0);
  RunParse(state, Repeat("NOT ", d) + "LIKE 'x'", false, TvnParseEntry::LogicalExpression, false);
}

#define NESTING_DEPTHS ->Arg(4)->Arg(16)->Arg(64)->Arg(200)->UseRealTime()
BENCHMARK(BM_BracketsInWhere) NESTING_DEPTHS;
BENCHMARK(BM_NestedCase) NESTING_DEPTHS;
BENCHMARK(BM_NestedSubQueries) NESTING_DEPTHS;
BENCHMARK(BM_NestedBracketedSubQueries) NESTING_DEPTHS;
BENCHMARK(BM_RightNestedJoins) NESTING_DEPTHS;
BENCHMARK(BM_RightNestedBracketedJoins) NESTING_DEPTHS;
BENCHMARK(BM_CriteriaNotChain) NESTING_DEPTHS;
BENCHMARK(BM_CriteriaNestedNot) NESTING_DEPTHS;
#undef NESTING_DEPTHS

// A generated statement of about 1 MB: thousands of select items, hundreds
// of joins and long IN lists.
std::string LargeStatement() {
  std::string text = "SELECT t0.id";
  for (int i = 1; i < 12000; ++i)
    text += ", t" + std::to_string(i % 300) + ".column_" + std::to_string(i) + " AS c" + std::to_string(i);
  text += " FROM t0";
  for (int j = 1; j < 300; ++j)
    text += " LEFT OUTER JOIN table_" + std::to_string(j) + " t" + std::to_string(j) + " ON t" + std::to_string(j) +
            ".id = t" + std::to_string(j - 1) + ".id";
  text += " WHERE t0.id > 0";
  for (int list = 0; text.size() < 1000000; ++list) {
    text += " AND t" + std::to_string(list % 300) + ".id IN (";
    for (int k = 0; k < 5000; ++k) text += (k > 0 ? ", " : "") + std::to_string(100000 + k);
    text += ")";
  }
  return text;
}

// Reports the text's size and the peak of the heap bytes in use during one
// parse and print, relative to the text's size.
void BM_LargeStatement(benchmark::State& state) {
  const std::string text = LargeStatement();
  Session session;
  TvnParseOptions options;
  int64_t peak = 0;
  for (auto _ : state) {
    gInUse = 0;
    gPeak = 0;
    gCounting = true;
    TastNode* tree = session.Parse(text, TvnParseEntry::Select, options);
    benchmark::DoNotOptimize(tree->GetSimpleSQL());
    FreeNode(tree);
    gCounting = false;
    peak = gPeak;
  }
  TvnParseStatistics statistics;
  options.Statistics = &statistics;
  FreeNode(session.Parse(text, TvnParseEntry::Select, options));
  state.counters["bytes"] = static_cast<double>(text.size());
  state.counters["records"] = static_cast<double>(statistics.WayRecordsMade);
  state.counters["live_records"] = static_cast<double>(statistics.WayRecords);
  state.counters["peak_heap"] = static_cast<double>(peak);
  state.counters["heap_per_byte"] = static_cast<double>(peak) / static_cast<double>(text.size());
}
BENCHMARK(BM_LargeStatement)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
