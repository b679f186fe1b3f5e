#!/usr/bin/env bash
# Configures and builds one build tree: build.sh DIR [CMAKE OPTIONS...]
set -euo pipefail
dir=$1
shift
cmake -S "$(dirname "$0")/.." -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >"$dir.configure.log" 2>&1 \
  || { cat "$dir.configure.log" >&2; exit 1; }
cmake --build "$dir" -j"$(nproc)" >"$dir.build.log" 2>&1 || { tail -n 60 "$dir.build.log" >&2; exit 1; }
