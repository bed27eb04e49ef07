#!/usr/bin/env bash
# A throwaway PostgreSQL cluster on loopback for the database tests.
#
#   pg-cluster.sh start DIR PORT [SQL-FILE...]   create (if needed) and start the cluster in DIR,
#                                                recreate the database "vnqb" and load the files
#   pg-cluster.sh stop DIR                       stop the cluster in DIR (if it runs)
#   pg-cluster.sh connection DIR                 print the ODBC connection string
#
# Both commands are idempotent: "start" on a running cluster restarts it, "stop" on a stopped
# or missing one does nothing. The server refuses to run as root, so as root the server tools
# run as the "postgres" account through runuser. When the server cannot be started at all
# (no server binaries, or root without runuser), "start" writes the reason to DIR/unavailable
# and exits 0, so the tests that need the cluster skip instead of failing.
set -euo pipefail

user=tester
password=secret
database=vnqb

usage() { echo "usage: $0 start DIR PORT [SQL-FILE...] | stop DIR | connection DIR" >&2; exit 2; }

pgbin() {
  local d
  d=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1 || true)
  if [ -z "$d" ] && command -v pg_ctl >/dev/null; then d=$(dirname "$(command -v pg_ctl)"); fi
  echo "$d"
}

# Runs a server tool as the account that owns the cluster.
as_owner() {
  if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

unavailable() {
  echo "$1" >"$dir/unavailable"
  echo "PostgreSQL cluster not started: $1" >&2
  exit 0
}

running() { [ -f "$dir/data/postmaster.pid" ] && as_owner "$bin/pg_ctl" -D "$dir/data" status >/dev/null 2>&1; }

stop_cluster() {
  if [ -n "$bin" ] && [ -d "$dir/data" ] && running; then
    as_owner "$bin/pg_ctl" -D "$dir/data" -m fast -w -t 60 stop >/dev/null
  fi
}

[ $# -ge 2 ] || usage
cmd=$1; dir=$2
bin=$(pgbin)

case "$cmd" in
  start)
    [ $# -ge 3 ] || usage
    port=$3; shift 3
    mkdir -p "$dir"
    dir=$(cd "$dir" && pwd)
    rm -f "$dir/unavailable" "$dir/connection"
    [ -n "$bin" ] && [ -x "$bin/initdb" ] || unavailable "the PostgreSQL server binaries are not installed"
    if [ "$(id -u)" -eq 0 ]; then
      command -v runuser >/dev/null || unavailable "running as root without runuser"
      id postgres >/dev/null 2>&1 || unavailable "running as root and there is no postgres account"
    fi
    stop_cluster
    if [ ! -f "$dir/data/PG_VERSION" ]; then
      rm -rf "$dir/data" "$dir/sock"
      mkdir -p "$dir/data" "$dir/sock"
      echo "$password" >"$dir/pwfile"
      [ "$(id -u)" -eq 0 ] && chown -R postgres: "$dir/data" "$dir/sock" "$dir/pwfile"
      chmod 700 "$dir/data"
      as_owner "$bin/initdb" -D "$dir/data" -U "$user" --pwfile="$dir/pwfile" --auth-local=trust \
        --auth-host=scram-sha-256 -E UTF8 --locale=C.UTF-8 --no-sync >"$dir/initdb.log" 2>&1 \
        || { cat "$dir/initdb.log" >&2; exit 1; }
    fi
    log="$dir/server.log"
    touch "$log"; [ "$(id -u)" -eq 0 ] && chown postgres: "$log"
    as_owner "$bin/pg_ctl" -D "$dir/data" -l "$log" -w -t 60 \
      -o "-c listen_addresses=127.0.0.1 -p $port -k $dir/sock -c fsync=off" start >/dev/null \
      || { tail -20 "$log" >&2; exit 1; }
    export PGOPTIONS="-c client_min_messages=warning"
    psql=("$bin/psql" -X -q -h "$dir/sock" -p "$port" -U "$user" -v ON_ERROR_STOP=1)
    "${psql[@]}" -d postgres -c "DROP DATABASE IF EXISTS $database" -c "CREATE DATABASE $database" >/dev/null
    for f in "$@"; do
      "${psql[@]}" -d "$database" -f "$f" >/dev/null
    done
    echo "Driver=PostgreSQL Unicode;Server=127.0.0.1;Port=$port;Database=$database;Uid=$user;Pwd=$password" \
      >"$dir/connection"
    ;;
  stop)
    [ -d "$dir" ] || exit 0
    rm -f "$dir/connection"
    stop_cluster
    ;;
  connection)
    cat "$dir/connection"
    ;;
  *) usage ;;
esac
