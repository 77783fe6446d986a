#!/usr/bin/env bash
# A throwaway PostgreSQL server for the tests of the shared database, in a folder of its own, reached only through
# a socket in that folder (no network port). PostgreSQL refuses to run as root: as root, the server runs as nobody.
#   test_server.sh start FOLDER    makes the cluster, starts it, adds the test roles; FOLDER/ready says it runs
#   test_server.sh stop FOLDER     stops it and removes the folder
#   test_server.sh halt FOLDER     stops it, keeping the cluster (a test's server gone away)
#   test_server.sh resume FOLDER   starts it again
# It also listens on loopback, 127.0.0.1 and 127.0.0.2, at the port VELLORAN_TEST_SERVER_PORT (5432 unless given),
# with TLS: a certificate for localhost and 127.0.0.1 that FOLDER/ca.crt signed, which 127.0.0.2 is not.
# Without PostgreSQL installed, start says so and makes no FOLDER/ready: the tests of the shared database skip, unless
# CI=true, where a server that cannot start fails the run.
# The tests' server does not sync its commits to the disk; VELLORAN_TEST_SERVER_FSYNC=on makes it (for benchmarks).
set -euo pipefail
action=$1
folder=$2
port=${VELLORAN_TEST_SERVER_PORT:-5432}
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1 || true)
if [ -z "$bin" ] || [ ! -x "$bin/initdb" ]; then
    echo "PostgreSQL is not installed (scripts/install-deps.sh --for-tests installs it): the shared database's tests skip"
    [ "${CI:-}" = "true" ] && exit 1
    exit 0
fi
as_owner() {
    if [ "$(id -u)" -eq 0 ]; then runuser -u nobody -- "$@"; else "$@"; fi
}
server() {
    as_owner "$bin/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w -t 30 \
        -o "-k $folder -c listen_addresses='127.0.0.1,127.0.0.2' -c port=$port -c ssl=on -c fsync=${VELLORAN_TEST_SERVER_FSYNC:-off} -c full_page_writes=${VELLORAN_TEST_SERVER_FSYNC:-off} -c max_connections=80" \
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
    # The superuser through the socket without a password; the program's users with one, over the socket or loopback.
    printf 'local all postgres trust\nlocal all all scram-sha-256\nhost all all 127.0.0.0/8 scram-sha-256\n' |
        as_owner tee "$folder/data/pg_hba.conf" >/dev/null
    # A certificate authority of the tests' own, and the server's certificate signed by it.
    as_owner openssl req -x509 -newkey rsa:2048 -nodes -days 30 -subj "/CN=Velloran test CA" \
        -keyout "$folder/ca.key" -out "$folder/ca.crt" 2>/dev/null
    as_owner openssl req -newkey rsa:2048 -nodes -subj "/CN=localhost" -keyout "$folder/server.key" \
        -out "$folder/server.csr" 2>/dev/null
    printf 'subjectAltName=DNS:localhost,IP:127.0.0.1\n' | as_owner tee "$folder/server.ext" >/dev/null
    as_owner openssl x509 -req -in "$folder/server.csr" -CA "$folder/ca.crt" -CAkey "$folder/ca.key" \
        -CAcreateserial -days 30 -extfile "$folder/server.ext" -out "$folder/server.crt" 2>/dev/null
    as_owner cp "$folder/server.crt" "$folder/server.key" "$folder/data/"
    as_owner chmod 600 "$folder/data/server.key"
    chmod 644 "$folder/ca.crt"
    server start
    "$bin/psql" -q -h "$folder" -p "$port" -U postgres -d postgres -v ON_ERROR_STOP=1 \
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
