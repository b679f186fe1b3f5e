#!/usr/bin/env bash
# Installs what is missing, builds, and runs the translator: ./run.sh "Tengo un perro."
# ./run.sh --gui opens the window, ./run.sh --server [OPTIONS] starts the HTTP service.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
mkdir -p build
scripts/build.sh build
if [ "${1:-}" = "--gui" ]; then
  shift
  exec build/quelvo-gui "$@"
fi
if [ "${1:-}" = "--server" ]; then
  shift
  exec build/quelvo-server "$@"
fi
exec build/quelvo "$@"
