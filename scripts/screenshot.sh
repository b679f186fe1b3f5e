#!/usr/bin/env bash
# Draws the desktop window after one translation on a virtual screen and
# saves it: scripts/screenshot.sh [FILE] [SENTENCE]
set -euo pipefail
cd "$(dirname "$0")/.."
file=${1:-docs/window.png}
sentence=${2:-El perro come la carne.}

scripts/install-deps.sh
if ! command -v xvfb-run >/dev/null || ! command -v xauth >/dev/null; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq >&2
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends xvfb xauth >&2
fi
mkdir -p build "$(dirname "$file")"
scripts/build.sh build
xvfb-run -a -s "-screen 0 1024x768x24" build/quelvo-gui --screenshot "$file" "$sentence"
