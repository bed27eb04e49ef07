#!/usr/bin/env bash
# Fuzzes the SQL-92 scanner and parser with libFuzzer (clang, AddressSanitizer,
# UndefinedBehaviorSanitizer, leak checks) for a bounded time; each input is
# also parsed with every outcome remembered and, when short, with the plain
# calculation, and must give the same result. Exits non-zero when an input
# crashes, leaks, trips a sanitizer, differs between the modes or runs too long.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
build=build/fuzz
seconds=${VNQB_FUZZ_SECONDS:-60}

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" -DVNQB_SANITIZE=ON -DVNQB_FUZZ=ON \
  -DVNQB_BUILD_GUI=OFF -DVNQB_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target sql92_parser_fuzzer -j"$(nproc)"

# Seeds: the example query and one statement per entry point (the first byte
# picks the entry point: 0 statement, 1 expression, 2 condition, 3 object
# name, 4 select item; with the high bit set criteria may omit the left operand).
seeds="$build/seeds"
corpus="$build/corpus"
mkdir -p "$seeds" "$corpus"
{ printf '\x00'; cat resources/examples/orders.sql; } > "$seeds/orders"
printf '\x00SELECT a, x = b + 1, t.* FROM t LEFT JOIN (SELECT 1) q (n) ON 1 = 1 UNION ALL (SELECT 2)' > "$seeds/union"
printf '\x01CASE WHEN a IN ((SELECT 1)) THEN CAST(b AS numeric(10, 2)) ELSE -c END' > "$seeds/expression"
printf '\x02NOT a BETWEEN 1 AND 2 OR EXISTS (SELECT 1) AND b > ALL (SELECT c FROM d)' > "$seeds/condition"
printf '\x82NOT LIKE '"'"'a%%'"'"' AND IS NOT NULL' > "$seeds/criteria"
printf '\x03srv.db..tbl' > "$seeds/object"
printf '\x04COUNT(DISTINCT a) AS "n"' > "$seeds/item"

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
"$build/tests/parser/sql92_parser_fuzzer" -max_total_time="$seconds" -max_len=300 -timeout=20 \
  -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/" "$corpus" "$seeds"
