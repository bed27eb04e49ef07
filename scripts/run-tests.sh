#!/usr/bin/env bash
# Builds every test program under AddressSanitizer and UndefinedBehaviorSanitizer
# (LeakSanitizer on) and runs the whole test suite. Any sanitizer report fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh
build=build/test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVNQB_SANITIZE=ON \
      -DVNQB_BUILD_BENCH=OFF -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" >/dev/null
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 600 || status=$?
# Extra checks that are not CTest programs (each script exits non-zero on failure).
for extra in scripts/checks/*.sh; do
  [ -e "$extra" ] || continue
  echo "== $extra"
  bash "$extra" || status=1
done
exit $status
