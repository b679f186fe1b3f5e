#!/usr/bin/env bash
# Installs the npm packages of the service tests into DIR (a folder of the
# build tree), again only when package.json has changed.
set -euo pipefail
dir=$1
command -v npm >/dev/null || { echo "npm is not installed" >&2; exit 77; }
mkdir -p "$dir"
if ! cmp -s "$(dirname "$0")/package.json" "$dir/package.json" || [ ! -d "$dir/node_modules" ]; then
  cp "$(dirname "$0")/package.json" "$dir/package.json"
  (cd "$dir" && npm install --no-audit --no-fund --loglevel=error)
fi
