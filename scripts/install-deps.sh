#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; silent when all are there.
set -euo pipefail

packages=(cmake g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
          nlohmann-json3-dev qt6-base-dev ccache libcpp-httplib-dev chromium nginx-light wrk curl zlib1g-dev libicu-dev
          clang-14 libfuzzer-14-dev libclang-rt-14-dev)
# The sources of the imported vocabulary: the Swedish morphology, the tool that
# lists it, and the bilingual dictionaries (direct and through German, French,
# Italian and English).
packages+=(apertium-swe-nor lttoolbox-dev dict-freedict-swe-spa
           dict-freedict-spa-deu dict-freedict-deu-spa dict-freedict-deu-swe dict-freedict-swe-deu
           dict-freedict-fra-spa dict-freedict-fra-swe dict-freedict-ita-spa dict-freedict-ita-swe
           dict-freedict-spa-eng dict-freedict-eng-spa dict-freedict-eng-swe dict-freedict-swe-eng)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# Node.js may come from elsewhere than Debian, with its own npm.
command -v npm >/dev/null || missing+=(nodejs npm)
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}" >&2
$SUDO apt-get update -qq >&2
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
