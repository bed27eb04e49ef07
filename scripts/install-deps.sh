#!/usr/bin/env bash
# Installs the Debian packages the project needs, quietly, and only those that are missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev
  libsqlite3-dev sqlite3
  unixodbc-dev odbcinst libsqliteodbc odbc-postgresql
  postgresql
  clang libclang-rt-dev
)
# libpg-query-dev is only used by the parser benchmark's comparison; it is optional.
optional=(libpg-query-dev)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
opt_missing=()
for p in "${optional[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || opt_missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && [ ${#opt_missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq >/dev/null || true
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
if [ ${#opt_missing[@]} -gt 0 ]; then
  $sudo apt-get install -y -qq --no-install-recommends "${opt_missing[@]}" >/dev/null 2>&1 || \
    echo "Optional packages not available: ${opt_missing[*]}"
fi
