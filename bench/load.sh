#!/usr/bin/env bash
# A bounded load run against one quelvo-server on loopback: wrk with 16
# connections posts a 12-word sentence to /translate for a few seconds.
# load.sh [BUILD_DIR] [SECONDS]
set -euo pipefail
build=${1:-build} seconds=${2:-5}
port=5099
"$build/quelvo-server" --data "$build/data" --port $port >/dev/null &
server=$!
trap 'kill $server' EXIT
for _ in $(seq 50); do curl -sf "http://127.0.0.1:$port/health" >/dev/null && break; sleep 0.1; done

script=$(mktemp --suffix=.lua)
cat >"$script" <<'LUA'
wrk.method = "POST"
wrk.headers["Content-Type"] = "application/json"
wrk.body = '{"q":"El perro come la carne y el gato bebe la leche fría.","source":"es","target":"sv"}'
LUA
curl -s "http://127.0.0.1:$port/translate" -H 'Content-Type: application/json' --data-binary @<(sed -n "s/^wrk.body = '\(.*\)'$/\1/p" "$script")
echo
wrk -t2 -c16 -d"${seconds}s" --latency -s "$script" "http://127.0.0.1:$port/translate"
rm -f "$script"
