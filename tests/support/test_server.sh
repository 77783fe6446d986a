#!/usr/bin/env bash
# A throwaway PostgreSQL server for the tests of the shared database, in a folder of its own, reached only through
# a socket in that folder (no network port). PostgreSQL refuses to run as root: as root, the server runs as nobody.
#   test_server.sh start FOLDER    makes the cluster, starts it, adds the test roles; FOLDER/ready says it runs
#   test_server.sh stop FOLDER     stops it and removes the folder
#   test_server.sh halt FOLDER     stops it, keeping the cluster (a test's server gone away)
#   test_server.sh resume FOLDER   starts it again
# Without PostgreSQL installed, start says so and makes no FOLDER/ready: the tests of the shared database skip.
# The tests' server does not sync its commits to the disk; VELLORAN_TEST_SERVER_FSYNC=on makes it (for benchmarks).
set -euo pipefail
action=$1
folder=$2
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1 || true)
if [ -z "$bin" ] || [ ! -x "$bin/initdb" ]; then
    echo "PostgreSQL is not installed (scripts/install-deps.sh --for-tests installs it): the shared database's tests skip"
    exit 0
fi
as_owner() {
    if [ "$(id -u)" -eq 0 ]; then runuser -u nobody -- "$@"; else "$@"; fi
}
server() {
    as_owner "$bin/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w -t 30 \
        -o "-k $folder -c listen_addresses='' -c port=5432 -c fsync=${VELLORAN_TEST_SERVER_FSYNC:-off} -c full_page_writes=${VELLORAN_TEST_SERVER_FSYNC:-off} -c max_connections=60" \
        "$@" >/dev/null
}
case "$action" in
start)
    if [ -d "$folder/data" ]; then server -m immediate stop || true; fi
    rm -rf "$folder"
    mkdir -p "$folder"
    chmod 755 "$folder"
    if [ "$(id -u)" -eq 0 ]; then chown nobody "$folder"; fi
    as_owner "$bin/initdb" -D "$folder/data" -U postgres -A trust -E UTF8 --locale=C.UTF-8 --no-sync \
        >"$folder/initdb.log" 2>&1
    # The superuser through the socket without a password; the program's users with one.
    printf 'local all postgres trust\nlocal all all scram-sha-256\n' | as_owner tee "$folder/data/pg_hba.conf" >/dev/null
    server start
    "$bin/psql" -q -h "$folder" -U postgres -d postgres -v ON_ERROR_STOP=1 \
        -c "CREATE ROLE velloran LOGIN CREATEDB PASSWORD 'velloran-test'" \
        -c "CREATE ROLE velloran_member LOGIN PASSWORD 'member-test'"
    touch "$folder/ready"
    ;;
stop)
    if [ -d "$folder/data" ]; then server -m fast stop || true; fi
    rm -rf "$folder"
    ;;
halt)
    server -m fast stop
    ;;
resume)
    server start
    ;;
esac
