#!/usr/bin/env bash
# nginx with the shipped configuration in front of two servers on loopback:
# requests reach both, and are still answered when one is stopped.
# balance.test.sh QUELVO_SERVER DATA_DIR NGINX_CONF
set -euo pipefail
server=$1 data=$2 conf=$3
command -v nginx >/dev/null || { echo "nginx is not installed" >&2; exit 77; }
work=$(mktemp -d)
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"; }
trap cleanup EXIT

# A port nothing answers on.
free_port() {
  while :; do
    local port=$((20000 + RANDOM % 40000))
    (echo >/dev/tcp/127.0.0.1/$port) 2>/dev/null || { echo $port; return; }
  done
}
start_server() {
  "$server" --data "$data" --port "$1" --threads 4 >"$work/server$1.log" 2>&1 &
  pids+=($!)
}
a=$(free_port) b=$(free_port) front=$(free_port)
start_server "$a"
start_server "$b"
sed -e "s/127.0.0.1:5001/127.0.0.1:$a/; s/127.0.0.1:5002/127.0.0.1:$b/; s/127.0.0.1:8080/127.0.0.1:$front/" "$conf" >"$work/quelvo.conf"
cat >"$work/nginx.conf" <<CONF
daemon off;
worker_processes 1;
pid $work/nginx.pid;
error_log $work/error.log;
events { worker_connections 256; }
http {
  access_log off;
  client_body_temp_path $work; proxy_temp_path $work;
  include $work/quelvo.conf;
}
CONF
nginx -p "$work" -c "$work/nginx.conf" -e "$work/error.log" &
pids+=($!)
# Each instance, then nginx, answers its health check before the requests start.
for port in "$a" "$b" "$front"; do
  for _ in $(seq 100); do curl -sf "http://127.0.0.1:$port/health" >/dev/null 2>&1 && break; sleep 0.1; done
done

# Each request names the instance that answered it (the last one nginx tried).
ask() {
  curl -s -o /dev/null -D - -w '%{http_code}\n' "http://127.0.0.1:$front/translate" \
    -H 'Content-Type: application/json' -d '{"q":"El perro come.","source":"es","target":"sv"}' |
    tr -d '\r' | awk '/^X-Quelvo-Upstream:/ {u=$NF} /^[0-9]+$/ {print $1, u}'
}
answers=$(for _ in $(seq 20); do ask & done; wait)
echo "$answers" | grep -qv '^200 ' && { echo "refused: $answers" >&2; exit 1; }
for port in "$a" "$b"; do
  echo "$answers" | grep -q ":$port\$" || { echo "instance $port answered nothing: $answers" >&2; exit 1; }
done

kill "${pids[0]}"
wait "${pids[0]}" || { echo "the stopped server did not end cleanly" >&2; exit 1; }
answers=$(for _ in $(seq 10); do ask; done)
if echo "$answers" | grep -qv "^200 127.0.0.1:$b\$"; then echo "with one instance stopped: $answers" >&2; exit 1; fi
echo "balanced over both instances; all answered with one stopped"
