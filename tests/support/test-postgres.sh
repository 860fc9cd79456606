#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A throw-away PostgreSQL server for the tests.
#
#   test-postgres.sh start STATE_DIR   makes a new cluster in a temporary folder, starts it on a
#                                      private Unix socket folder and a free local port, and
#                                      writes its address into STATE_DIR/address
#   test-postgres.sh stop STATE_DIR    stops that server and removes its folder and the address
#   test-postgres.sh halt STATE_DIR    stops that server as its administrator would (fast
#                                      shutdown: connections are ended), keeping its folder
#   test-postgres.sh resume STATE_DIR  starts a halted server again on the same port
#   test-postgres.sh freeze STATE_DIR  stops every process of that server where it is (SIGSTOP):
#                                      connections stay open and nothing answers, as a machine
#                                      that hangs
#   test-postgres.sh hold STATE_DIR    stops its main process alone: the open connections
#                                      answer, a new one waits
#   test-postgres.sh thaw STATE_DIR    lets every process of that server go on (SIGCONT)
#
# The address is a URL for the cluster's superuser "pulsadrome" (password "pulsadrome"); the
# cluster also has the login "visitor" (password "visitor") that may connect but create
# nothing. PostgreSQL refuses to run as root: as root the cluster belongs to, and runs as,
# the unprivileged user "nobody".
#
# The server speaks German: with lc_messages C.UTF-8 its messages follow LANGUAGE, and no test
# can pass by reading the server's English words rather than its SQLSTATE codes.
#
# Without PostgreSQL's server programs, start writes no address and exits with 77, which the
# tests report as skipped; the tests that need the server then skip themselves too.
set -euo pipefail

readonly kSkipped=77
command=${1:-}
state=${2:-}
if [ -z "$command" ] || [ -z "$state" ]; then
  echo "usage: $0 start|stop STATE_DIR" >&2
  exit 2
fi
mkdir -p "$state"

find_bindir() {
  local dir
  for dir in $(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V -r); do
    if [ -x "$dir/initdb" ] && [ -x "$dir/pg_ctl" ]; then
      echo "$dir"
      return 0
    fi
  done
  if command -v initdb >/dev/null && command -v pg_ctl >/dev/null; then
    dirname "$(command -v initdb)"
    return 0
  fi
  return 1
}

# Runs a command as the cluster's owner.
as_owner() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u nobody -- "$@"
  else
    "$@"
  fi
}

port_in_use() {
  (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null
}

# The server's main process and its children (one per connection), as ids.
server_processes() {
  local cluster=$1 main
  main=$(head -n 1 "$cluster/data/postmaster.pid" 2>/dev/null || true)
  if [ -n "$main" ] && kill -0 "$main" 2>/dev/null; then
    echo "$main"
    ps -o pid= --ppid "$main" || true
  fi
}

signal_server() {
  local cluster=$1 signal=$2 pid
  for pid in $(server_processes "$cluster"); do
    kill "-$signal" "$pid" 2>/dev/null || true
  done
}

stop_server() {
  local cluster
  cluster=$(cat "$state/cluster" 2>/dev/null || true)
  if [ -n "$cluster" ] && [ -d "$cluster" ]; then
    signal_server "$cluster" CONT # a frozen server cannot stop
  fi
  rm -f "$state/address" "$state/cluster"
  if [ -n "$cluster" ] && [ -d "$cluster" ]; then
    local bindir
    if bindir=$(find_bindir) && [ -f "$cluster/data/postmaster.pid" ]; then
      as_owner "$bindir/pg_ctl" -D "$cluster/data" -m immediate -w stop >/dev/null 2>&1 || true
    fi
    rm -rf "$cluster"
  fi
}

# Starts the cluster's server on `port`.
run_server() {
  local cluster=$1 port=$2
  as_owner env LANGUAGE=de "$bindir/pg_ctl" -D "$cluster/data" -l "$cluster/server.log" -w -t 30 \
    -o "-p $port -k $cluster/socket -c listen_addresses=127.0.0.1 -c fsync=off \
        -c synchronous_commit=off -c full_page_writes=off -c max_connections=100" \
    start >/dev/null 2>&1
}

case "$command" in
stop)
  stop_server
  ;;
freeze | thaw)
  cluster=$(cat "$state/cluster")
  if [ "$command" = freeze ]; then
    signal_server "$cluster" STOP
  else
    signal_server "$cluster" CONT
  fi
  ;;
hold)
  cluster=$(cat "$state/cluster")
  main=$(head -n 1 "$cluster/data/postmaster.pid")
  kill -STOP "$main"
  ;;
halt | resume)
  cluster=$(cat "$state/cluster")
  signal_server "$cluster" CONT
  bindir=$(find_bindir)
  running=yes
  as_owner "$bindir/pg_ctl" -D "$cluster/data" status >/dev/null 2>&1 || running=""
  if [ "$command" = halt ]; then
    if [ -n "$running" ]; then
      as_owner "$bindir/pg_ctl" -D "$cluster/data" -m fast -w stop >/dev/null
    fi
  elif [ -z "$running" ]; then
    run_server "$cluster" "$(cat "$cluster/port")" || {
      cat "$cluster/server.log" >&2
      exit 1
    }
  fi
  ;;
start)
  stop_server # a server left by an interrupted run
  if ! bindir=$(find_bindir); then
    echo "PostgreSQL's server programs are not installed: the server tests are skipped." >&2
    exit $kSkipped
  fi
  cluster=$(mktemp -d "${TMPDIR:-/tmp}/pulsadrome-pg.XXXXXX")
  echo "$cluster" >"$state/cluster"
  mkdir "$cluster/socket"
  printf 'pulsadrome\n' >"$cluster/password"
  if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody "$cluster"
  fi
  chmod 700 "$cluster"
  as_owner "$bindir/initdb" -D "$cluster/data" -U pulsadrome --pwfile="$cluster/password" \
    --auth=scram-sha-256 --encoding=UTF8 --locale=C.UTF-8 --no-sync >"$cluster/initdb.log" 2>&1 || {
    cat "$cluster/initdb.log" >&2
    exit 1
  }
  # A test server: nothing needs to survive a crash, so nothing waits for the disk. It speaks
  # German (see above).
  started=""
  for attempt in 1 2 3 4 5 6 7 8 9 10; do
    port=$((20000 + RANDOM % 20000))
    if port_in_use "$port"; then
      continue
    fi
    if run_server "$cluster" "$port"; then
      echo "$port" >"$cluster/port"
      started=yes
      break
    fi
  done
  if [ -z "$started" ]; then
    cat "$cluster/server.log" >&2 || true
    echo "The test server could not be started." >&2
    exit 1
  fi
  PGPASSWORD=pulsadrome "$bindir/psql" -q -h "$cluster/socket" -p "$port" -U pulsadrome \
    -d postgres -v ON_ERROR_STOP=1 \
    -c "CREATE ROLE visitor LOGIN PASSWORD 'visitor'" >/dev/null
  printf 'postgresql://127.0.0.1:%s/postgres?user=pulsadrome&password=pulsadrome\n' "$port" \
    >"$state/address.new"
  mv "$state/address.new" "$state/address"
  echo "Test server on port $port, socket folder $cluster/socket."
  ;;
*)
  echo "usage: $0 start|stop STATE_DIR" >&2
  exit 2
  ;;
esac
