#!/usr/bin/env bash
# Builds the project (release) and runs its main job.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh
build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVNQB_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
if [ -f "$root/resources/examples/orders.sql" ]; then
  "$build/apps/vnqb/vnqb" format "$root/resources/examples/orders.sql"
else
  "$build/apps/vnqb/vnqb" --version
fi
